#include "BmpFile.h"

#include "toolkit/RuntimeError.h"

#include <QByteArray>
#include <QFile>
#include <QtEndian>

namespace {
void Put16(QByteArray &bytes, std::uint16_t value)
{
    char data[2];
    qToLittleEndian(value, data);
    bytes.append(data, 2);
}

void Put32(QByteArray &bytes, std::uint32_t value)
{
    char data[4];
    qToLittleEndian(value, data);
    bytes.append(data, 4);
}
}

void SaveBitmapToFile(const QImage &image, const QString &fileName)
{
    const QImage source = image.convertToFormat(QImage::Format_RGB32);
    const int width = source.width();
    const int height = source.height();
    const int rowSize = (width * 3 + 3) / 4 * 4;
    const auto pixelBytes = static_cast<std::uint32_t>(rowSize * height);

    QByteArray bytes;
    bytes.reserve(54 + static_cast<qsizetype>(pixelBytes));
    bytes.append("BM", 2);
    Put32(bytes, 54 + pixelBytes);
    Put32(bytes, 0);
    Put32(bytes, 54);
    Put32(bytes, 40);
    Put32(bytes, static_cast<std::uint32_t>(width));
    Put32(bytes, static_cast<std::uint32_t>(height));
    Put16(bytes, 1);
    Put16(bytes, 24);
    Put32(bytes, 0);
    Put32(bytes, pixelBytes);
    Put32(bytes, 2835);
    Put32(bytes, 2835);
    Put32(bytes, 0);
    Put32(bytes, 0);
    const qsizetype headerSize = bytes.size();
    bytes.resize(headerSize + static_cast<qsizetype>(pixelBytes), '\0');
    char *out = bytes.data() + headerSize;
    for (int y = height - 1; y >= 0; --y, out += rowSize) {
        const auto *row = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            out[3 * x] = static_cast<char>(qBlue(row[x]));
            out[3 * x + 1] = static_cast<char>(qGreen(row[x]));
            out[3 * x + 2] = static_cast<char>(qRed(row[x]));
        }
    }

    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw RuntimeError(ErrorText::CannotCreateFile(fileName));
    if (file.write(bytes) != bytes.size() || !file.flush())
        throw RuntimeError(ErrorText::StreamWriteError());
    file.close();
    if (file.error() != QFileDevice::NoError)
        throw RuntimeError(ErrorText::StreamWriteError());
}
