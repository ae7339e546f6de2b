#include "TextDisplay.h"

#include <QStringDecoder>

QString DisplayText(const QByteArray &bytes)
{
    QString result;
    QByteArray run;
    const auto flush = [&] {
        if (run.isEmpty())
            return;
        QStringDecoder decoder("Shift_JIS");
        if (decoder.isValid())
            result += decoder.decode(run);
        else
            result += QString::fromLatin1(run);
        run.clear();
    };
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        if (value < 0x20 || value == 0x7F) {
            flush();
            result += QChar(value == 0x7F ? 0x2421 : 0x2400 + value);
        } else {
            run.append(byte);
        }
    }
    flush();
    return result;
}
