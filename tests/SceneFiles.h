#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstdint>
#include <functional>

// Band files made for a test: a header of blanks with the given fields, then
// 400 lines of 512 pixels from value(x, y).
struct HeaderField
{
    int offset;
    QByteArray bytes;
};

inline QByteArray BandFileBytes(const std::function<std::uint8_t(int, int)> &value, const QList<HeaderField> &fields = {})
{
    QByteArray bytes(512, ' ');
    for (const HeaderField &field : fields)
        bytes.replace(field.offset, field.bytes.size(), field.bytes);
    bytes.reserve(205312);
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 512; ++x)
            bytes.append(static_cast<char>(value(x, y)));
    return bytes;
}

inline QString WriteFile(const QDir &folder, const QString &name, const QByteArray &bytes)
{
    const QString path = folder.absoluteFilePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

inline QList<HeaderField> SceneHeader(const QByteArray &bandName)
{
    return {{0, "0012"}, {16, "0034"}, {24, "1/2 "}, {40, bandName}, {88, "150818 "}, {113, "038-034  "}, {180, "LANDSAT8"}, {208, "OLI     "}};
}

inline QString SamplePath(const QString &scene, const QString &band)
{
    return QStringLiteral(SORVANE_SOURCE_DIR "/samples/") + scene + QLatin1Char('/') + band;
}
