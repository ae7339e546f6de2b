#include "BandFile.h"

#include "toolkit/RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

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

    std::vector<std::uint8_t> bytes(BandFileSize);
    std::size_t have = 0;
    int readError = 0;
    while (have < bytes.size()) {
        const ssize_t got = ::read(file.get(), bytes.data() + have, bytes.size() - have);
        if (got > 0) {
            have += static_cast<std::size_t>(got);
        } else if (got == 0) {
            break;
        } else if (errno != EINTR) {
            readError = errno;
            break;
        }
    }

    // Place what was read, in file order, before reporting a short file.
    const std::size_t headerBytes = std::min<std::size_t>(have, HeaderSize);
    std::copy(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(headerBytes), header.begin());
    for (std::size_t offset = HeaderSize; offset < have; ++offset) {
        const std::size_t pixel = offset - HeaderSize;
        raster[pixel % SceneWidth + 1][pixel / SceneWidth + 1] = bytes[offset];
    }
    if (readError == EISDIR)
        throw RuntimeError(ErrorText::AccessDenied());
    if (readError != 0)
        throw RuntimeError(ErrorText::InOutError(readError));
    if (have < bytes.size())
        throw RuntimeError(ErrorText::ReadBeyondEnd());
}

QByteArray HeaderText(const HeaderBuffer &header, int offset, int length)
{
    QByteArray text;
    for (int index = offset; index < offset + length && index >= 0 && index < HeaderSize; ++index)
        text.append(static_cast<char>(header[static_cast<std::size_t>(index)]));
    return text;
}
