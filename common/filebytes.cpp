#include "common/filebytes.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace drive {
namespace {

std::string IoErrorText(int error)
{
    return "I/O error " + std::to_string(error) + " (" + std::strerror(error) + ")";
}

[[noreturn]] void ThrowIoError(int error)
{
    throw FileIoError(IoErrorText(error));
}

[[noreturn]] void ThrowCreateError(int error)
{
    throw FileCreateError(IoErrorText(error));
}

// The file a save replaces: the target of a symbolic link rather than the link itself.
std::string ResolvedTarget(const std::string& path)
{
    struct stat link {};
    if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode))
        return path;
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr)
        return path;
    return resolved;
}

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool WriteAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

void AppendDouble(std::string& bytes, double value)
{
    std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
    for (int k = 0; k < 8; ++k) {
        bytes.push_back(static_cast<char>(bits & 0xFF));
        bits >>= 8;
    }
}

double DoubleAt(const std::string& bytes, std::size_t offset)
{
    std::uint64_t bits = 0;
    for (int k = 7; k >= 0; --k)
        bits = (bits << 8) | static_cast<unsigned char>(bytes[offset + static_cast<std::size_t>(k)]);
    return std::bit_cast<double>(bits);
}

std::FILE* OpenFileForReading(const std::string& path)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return nullptr;
    struct stat info {};
    if (::fstat(::fileno(f), &info) != 0 || S_ISDIR(info.st_mode)) {
        std::fclose(f);
        return nullptr;
    }
    return f;
}

bool FileCanBeOpened(const std::string& path)
{
    std::FILE* f = OpenFileForReading(path);
    if (!f)
        return false;
    std::fclose(f);
    return true;
}

bool ReadFileBytes(const std::string& path, std::string& bytes, std::size_t limit)
{
    bytes.clear();
    std::FILE* f = OpenFileForReading(path);
    if (!f)
        return false;
    char buffer[4096];
    while (bytes.size() < limit) {
        const std::size_t want = std::min(sizeof buffer, limit - bytes.size());
        const std::size_t got = std::fread(buffer, 1, want, f);
        bytes.append(buffer, got);
        if (got < want) {
            const bool failed = std::ferror(f) != 0;
            const int error = errno;
            std::fclose(f);
            if (failed)
                ThrowIoError(error != 0 ? error : EIO);
            return true;
        }
    }
    std::fclose(f);
    return true;
}

void WriteFileAtomically(const std::string& target, const std::string& bytes)
{
    const std::string path = ResolvedTarget(target);
    // An existing file is replaced only where it could have been overwritten in place.
    struct stat existing {};
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        ThrowCreateError(EISDIR);
    if (exists && ::access(path.c_str(), W_OK) != 0)
        ThrowCreateError(errno);

    std::string temp = FolderOf(path) + "/.drivecalc-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        ThrowCreateError(errno);

    // The new file takes the old one's permissions, or the usual ones for a new file.
    mode_t mode = 0;
    if (exists) {
        mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd, mode);

    if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) {
        const int error = errno;
        ::close(fd);
        ::unlink(temp.c_str());
        ThrowIoError(error);
    }
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        ThrowIoError(error);
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        ThrowCreateError(error);
    }
}

}  // namespace drive
