#include "common/filebytes.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/errors.h"

namespace drive {
namespace {

[[noreturn]] void ThrowIoError(int error)
{
    throw FileIoError("I/O error " + std::to_string(error) + " (" + std::strerror(error) + ")");
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

bool FileCanBeOpened(const std::string& path)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return false;
    std::fclose(f);
    return true;
}

bool ReadFileBytes(const std::string& path, std::string& bytes, std::size_t limit)
{
    bytes.clear();
    std::FILE* f = std::fopen(path.c_str(), "rb");
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

void WriteFileAtomically(const std::string& path, const std::string& bytes)
{
    std::string temp = FolderOf(path) + "/.drivecalc-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        ThrowIoError(errno);

    // The new file takes the old one's permissions, or the usual ones for a new file.
    struct stat existing {};
    mode_t mode = 0;
    if (::stat(path.c_str(), &existing) == 0) {
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
    if (::close(fd) != 0 || std::rename(temp.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        ThrowIoError(error);
    }
}

}  // namespace drive
