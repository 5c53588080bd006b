#pragma once

// Byte-level file access shared by the ".tah", ".mot" and ".dpt" files: plain sequences of
// little-endian IEEE 754 doubles without headers.

#include <cstddef>
#include <cstdio>
#include <string>

#include "common/errors.h"

namespace drive {

// The file cannot be created, or an existing file may not be replaced (it is write-protected
// or a folder).
class FileCreateError : public FileIoError {
public:
    using FileIoError::FileIoError;
};

// Appends a double as 8 little-endian bytes.
void AppendDouble(std::string& bytes, double value);

// The double stored at byte `offset` (8 bytes must be there).
double DoubleAt(const std::string& bytes, std::size_t offset);

// Opens a file for reading in binary mode; nullptr when it cannot be opened or is a folder.
std::FILE* OpenFileForReading(const std::string& path);

// Whether a file of this name exists and can be opened for reading (a folder cannot).
bool FileCanBeOpened(const std::string& path);

// Reads a whole file. Returns false when it cannot be opened; throws FileIoError when reading
// fails after opening. Reads at most `limit` bytes (the rest of a longer file is never used).
bool ReadFileBytes(const std::string& path, std::string& bytes, std::size_t limit);

// Writes a file as a whole: the bytes go to a temporary file in the same folder, which then
// replaces the target (through a symbolic link, the file it points to), so an existing file is
// never left half-written. Throws FileCreateError when the file cannot be created or an
// existing one is write-protected, FileIoError ("I/O error ...") when writing fails.
void WriteFileAtomically(const std::string& path, const std::string& bytes);

}  // namespace drive
