#include "BandFile.h"

#include "toolkit/RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace {

class FileHandle
{
public:
    explicit FileHandle(int descriptor) : descriptor_(descriptor) { }
    FileHandle(const FileHandle &) = delete;
    FileHandle &operator=(const FileHandle &) = delete;
    ~FileHandle() { ::close(descriptor_); }
    int get() const { return descriptor_; }

private:
    int descriptor_;
};

QString OpenErrorText(int error, const QString &path)
{
    switch (error) {
    case ENOENT: {
        // A missing file in an existing folder is not found; a missing folder
        // makes the name itself invalid.
        const QFileInfo info(path);
        return QFileInfo(info.absolutePath()).isDir() ? ErrorText::FileNotFound() : ErrorText::InvalidFileName();
    }
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
    case ELOOP:
        return ErrorText::InvalidFileName();
    case EMFILE:
    case ENFILE:
        return ErrorText::TooManyOpenFiles();
    case EACCES:
    case EPERM:
    case EISDIR:
        return ErrorText::AccessDenied();
    default:
        return ErrorText::InOutError(error);
    }
}

// The file runs along lines and the raster along columns: file line L,
// column C goes to cell [C + 1][L + 1]. Placing whole lines is therefore a
// transposition, done by blocks of 16 columns: interleaving row k with row
// k + 8, four times over, transposes a 16 x 16 block of bytes, after which
// register k holds the block's piece of column k.
void PlaceLinesOneByOne(const std::uint8_t *pixels, int top, int count, BandRaster &raster)
{
    for (int column = 0; column < SceneWidth; ++column)
        for (int line = top; line < top + count; ++line)
            raster[static_cast<std::size_t>(column + 1)][static_cast<std::size_t>(line + 1)] = pixels[line * SceneWidth + column];
}

#if defined(__x86_64__)

// The block of 16 lines from top and 16 columns from left.
void PlaceBlock16(const std::uint8_t *pixels, int top, int left, BandRaster &raster)
{
    __m128i rows[16];
#pragma GCC unroll 16
    for (int k = 0; k < 16; ++k)
        rows[k] = _mm_loadu_si128(reinterpret_cast<const __m128i *>(pixels + (top + k) * SceneWidth + left));
#pragma GCC unroll 4
    for (int round = 0; round < 4; ++round) {
        __m128i next[16];
#pragma GCC unroll 8
        for (int k = 0; k < 8; ++k) {
            next[2 * k] = _mm_unpacklo_epi8(rows[k], rows[k + 8]);
            next[2 * k + 1] = _mm_unpackhi_epi8(rows[k], rows[k + 8]);
        }
#pragma GCC unroll 16
        for (int k = 0; k < 16; ++k)
            rows[k] = next[k];
    }
#pragma GCC unroll 16
    for (int k = 0; k < 16; ++k)
        _mm_storeu_si128(reinterpret_cast<__m128i *>(&raster[static_cast<std::size_t>(left + k + 1)][static_cast<std::size_t>(top + 1)]), rows[k]);
}

// The block of 32 lines from top and 16 columns from left: the two halves
// of each 256-bit register hold the blocks of lines top.. and top + 16.., so
// that each column piece comes out as 32 consecutive cells.
__attribute__((target("avx2"))) void PlaceBlock32(const std::uint8_t *pixels, int top, int left, BandRaster &raster)
{
    __m256i rows[16];
#pragma GCC unroll 16
    for (int k = 0; k < 16; ++k)
        rows[k] = _mm256_loadu2_m128i(reinterpret_cast<const __m128i *>(pixels + (top + 16 + k) * SceneWidth + left),
                                      reinterpret_cast<const __m128i *>(pixels + (top + k) * SceneWidth + left));
#pragma GCC unroll 4
    for (int round = 0; round < 4; ++round) {
        __m256i next[16];
#pragma GCC unroll 8
        for (int k = 0; k < 8; ++k) {
            next[2 * k] = _mm256_unpacklo_epi8(rows[k], rows[k + 8]);
            next[2 * k + 1] = _mm256_unpackhi_epi8(rows[k], rows[k + 8]);
        }
#pragma GCC unroll 16
        for (int k = 0; k < 16; ++k)
            rows[k] = next[k];
    }
#pragma GCC unroll 16
    for (int k = 0; k < 16; ++k)
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(&raster[static_cast<std::size_t>(left + k + 1)][static_cast<std::size_t>(top + 1)]), rows[k]);
}

// Lines top .. top + count - 1, all of them complete in the file. The
// blocks go by groups of 64 columns, one cache line of each file line, and
// down the lines within a group, so that both the lines read and the
// columns written stay in the cache while a group is placed.
void PlaceWholeLines(const std::uint8_t *pixels, int top, int count, BandRaster &raster)
{
    static const bool wide = __builtin_cpu_supports("avx2");
    const int end = top + count;
    int line = top;
    for (int group = 0; group < SceneWidth; group += 64) {
        line = top;
        if (wide)
            for (; line + 32 <= end; line += 32)
                for (int left = group; left < group + 64; left += 16)
                    PlaceBlock32(pixels, line, left, raster);
        for (; line + 16 <= end; line += 16)
            for (int left = group; left < group + 64; left += 16)
                PlaceBlock16(pixels, line, left, raster);
    }
    PlaceLinesOneByOne(pixels, line, end - line, raster);
}

#else

void PlaceWholeLines(const std::uint8_t *pixels, int top, int count, BandRaster &raster)
{
    PlaceLinesOneByOne(pixels, top, count, raster);
}

#endif

// Puts the first `have` bytes of a band file where reading them one at a
// time in file order would have put them.
void PlaceBytes(const std::uint8_t *bytes, std::size_t have, HeaderBuffer &header, BandRaster &raster)
{
    std::copy(bytes, bytes + std::min<std::size_t>(have, HeaderSize), header.begin());
    if (have <= HeaderSize)
        return;
    const std::uint8_t *pixels = bytes + HeaderSize;
    const std::size_t pixelCount = have - HeaderSize;
    const int wholeLines = static_cast<int>(pixelCount / SceneWidth);
    PlaceWholeLines(pixels, 0, wholeLines, raster);
    for (std::size_t pixel = static_cast<std::size_t>(wholeLines) * SceneWidth; pixel < pixelCount; ++pixel)
        raster[pixel % SceneWidth + 1][pixel / SceneWidth + 1] = pixels[pixel];
}

}

void ReadBandFile(const QString &path, HeaderBuffer &header, BandRaster &raster)
{
    if (path.isEmpty() || path.contains(QChar(0)))
        throw RuntimeError(ErrorText::InvalidFileName());
    const QByteArray encoded = QFile::encodeName(path);
    // Non-blocking, so that a named pipe without a writer cannot hang the
    // window; for regular files it changes nothing.
    const int descriptor = ::open(encoded.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        throw RuntimeError(OpenErrorText(errno, path));
    FileHandle file(descriptor);

    struct stat status {};
    if (::fstat(file.get(), &status) != 0)
        throw RuntimeError(ErrorText::InOutError(errno));
    if (S_ISDIR(status.st_mode))
        throw RuntimeError(ErrorText::AccessDenied());

    const auto bytes = std::make_unique_for_overwrite<std::uint8_t[]>(BandFileSize);
    std::size_t have = 0;
    int readError = 0;
    while (have < BandFileSize) {
        const ssize_t got = ::read(file.get(), bytes.get() + have, BandFileSize - have);
        if (got > 0) {
            have += static_cast<std::size_t>(got);
        } else if (got == 0) {
            break;
        } else if (errno != EINTR) {
            readError = errno;
            break;
        }
    }

    // Place what was read before reporting a short file.
    PlaceBytes(bytes.get(), have, header, raster);
    if (readError == EISDIR)
        throw RuntimeError(ErrorText::AccessDenied());
    if (readError != 0)
        throw RuntimeError(ErrorText::InOutError(readError));
    if (have < BandFileSize)
        throw RuntimeError(ErrorText::ReadBeyondEnd());
}

QByteArray HeaderText(const HeaderBuffer &header, int offset, int length)
{
    QByteArray text;
    for (int index = offset; index < offset + length && index >= 0 && index < HeaderSize; ++index)
        text.append(static_cast<char>(header[static_cast<std::size_t>(index)]));
    return text;
}
