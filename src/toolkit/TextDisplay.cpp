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
        if (decoder.isValid()) {
            // The decoder keeps a lead byte at the end of its input waiting
            // for a trail byte and drops it with the decoder. A blank, which
            // is no trail byte, makes it report that byte; the blank is taken
            // off again. It marks bad bytes with U+001A, which no byte that
            // reaches it can stand for, since control bytes are shown apart.
            QString decoded = decoder.decode(run + ' ');
            decoded.chop(1);
            result += decoded.replace(QChar(0x1A), QChar::ReplacementCharacter);
        } else {
            result += QString::fromLatin1(run);
        }
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
