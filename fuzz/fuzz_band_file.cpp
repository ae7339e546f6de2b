// Fuzzes reading a band file and taking its header texts. The input becomes
// the file: either its bytes as they are (first byte even), or (first byte
// odd) a file whose size the next three bytes give and whose bytes come
// from a generator seeded with the rest, so that files of exactly, nearly
// and more than 205,312 bytes are reached from a few bytes of input.
//
// What must hold for every file:
// - a file of at least 205,312 bytes is read completely: the header holds
//   its first 512 bytes, raster cell [C + 1][L + 1] its byte 512 + 512 L + C,
//   column 0 and line 0 are untouched;
// - a shorter file fails with the text for reading beyond its end, after
//   placing exactly the bytes it has, and nothing else;
// - every failure is one of the program's error texts;
// - each header text has exactly its field's length and bytes.

#include "scene/BandFile.h"
#include "toolkit/RuntimeError.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

[[noreturn]] void Broken(const char *what, long detail)
{
    std::fprintf(stderr, "invariant broken: %s (%ld)\n", what, detail);
    std::abort();
}

constexpr std::uint8_t OldByte = 0xA5;

const QString &FilePath()
{
    static const QString path = [] {
        char name[] = "/tmp/sorvane-fuzz-band-XXXXXX";
        const int descriptor = ::mkstemp(name);
        if (descriptor < 0)
            Broken("cannot make a temporary file", 0);
        ::close(descriptor);
        std::atexit([] { std::remove(QFile::encodeName(FilePath()).constData()); });
        return QString::fromLocal8Bit(name);
    }();
    return path;
}

std::vector<std::uint8_t> FileBytes(const std::uint8_t *data, std::size_t size)
{
    if (size == 0 || data[0] % 2 == 0)
        return size == 0 ? std::vector<std::uint8_t>{} : std::vector<std::uint8_t>(data + 1, data + size);
    std::size_t length = 0;
    for (std::size_t index = 1; index < 4; ++index)
        length = length * 256 + (index < size ? data[index] : 0);
    length %= 2 * static_cast<std::size_t>(BandFileSize);
    std::uint64_t state = 0x9E3779B97F4A7C15u;
    for (std::size_t index = 4; index < size; ++index)
        state = (state ^ data[index]) * 0x100000001B3u;
    std::vector<std::uint8_t> bytes(length);
    for (std::uint8_t &byte : bytes) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        byte = static_cast<std::uint8_t>(state >> 24);
    }
    return bytes;
}

bool IsProgramText(const QString &text)
{
    const QString texts[] = {ErrorText::FileNotFound(), ErrorText::InvalidFileName(), ErrorText::TooManyOpenFiles(), ErrorText::AccessDenied(),
                             ErrorText::ReadBeyondEnd()};
    for (const QString &known : texts)
        if (text == known)
            return true;
    return text.startsWith(QStringLiteral("I/O ｴﾗｰ (")) && text.endsWith(QLatin1Char(')'));
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::vector<std::uint8_t> bytes = FileBytes(data, size);
    {
        QFile file(FilePath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || file.write(reinterpret_cast<const char *>(bytes.data()), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()))
            Broken("cannot write the temporary file", static_cast<long>(bytes.size()));
    }

    auto header = std::make_unique<HeaderBuffer>();
    auto raster = std::make_unique<BandRaster>();
    header->fill(OldByte);
    for (auto &column : *raster)
        column.fill(OldByte);

    QString error;
    try {
        ReadBandFile(FilePath(), *header, *raster);
    } catch (const RuntimeError &raised) {
        error = raised.text();
    }

    const std::size_t have = bytes.size();
    const bool complete = have >= static_cast<std::size_t>(BandFileSize);
    if (complete != error.isEmpty())
        Broken(complete ? "a complete file failed" : "a short file was read without an error", static_cast<long>(have));
    if (!error.isEmpty() && (!IsProgramText(error) || error != ErrorText::ReadBeyondEnd()))
        Broken("a short file failed with another text", static_cast<long>(have));

    for (std::size_t index = 0; index < HeaderSize; ++index)
        if ((*header)[index] != (index < have ? bytes[index] : OldByte))
            Broken("header byte", static_cast<long>(index));
    for (std::size_t i = 0; i <= SceneWidth; ++i)
        for (std::size_t j = 0; j <= SceneHeight; ++j) {
            const std::size_t offset = HeaderSize + (j - 1) * SceneWidth + (i - 1);
            const bool fromFile = i >= 1 && j >= 1 && offset < have;
            if ((*raster)[i][j] != (fromFile ? bytes[offset] : OldByte))
                Broken("raster cell, column * 1000 + line", static_cast<long>(i * 1000 + j));
        }

    // The header texts of File > Open, and a field at a place the input picks.
    struct Field
    {
        int offset;
        int length;
    };
    const int pickedOffset = size > 5 ? data[4] * 2 : 0;
    const int pickedLength = size > 5 ? data[5] % 64 : 0;
    const Field fields[] = {{0, 4}, {16, 4}, {24, 4}, {40, 4}, {88, 7}, {113, 9}, {180, 8}, {208, 8}, {pickedOffset, pickedLength}};
    for (const Field &field : fields) {
        const QByteArray text = HeaderText(*header, field.offset, field.length);
        const int expected = std::max(0, std::min(field.offset + field.length, HeaderSize) - field.offset);
        if (text.size() != expected)
            Broken("header text length at offset", field.offset);
        for (int index = 0; index < expected; ++index)
            if (static_cast<std::uint8_t>(text[index]) != (*header)[static_cast<std::size_t>(field.offset + index)])
                Broken("header text byte at offset", field.offset + index);
    }
    return 0;
}
