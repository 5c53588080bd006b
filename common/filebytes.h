#pragma once

// Byte-level file access shared by the ".tah", ".mot" and ".dpt" files: plain sequences of
// little-endian IEEE 754 doubles without headers.

#include <cstddef>
#include <string>
#include <vector>

namespace drive {

// Appends a double as 8 little-endian bytes.
void AppendDouble(std::string& bytes, double value);

// The double stored at byte `offset` (8 bytes must be there).
double DoubleAt(const std::string& bytes, std::size_t offset);

// Whether a file of this name exists and can be opened for reading.
bool FileCanBeOpened(const std::string& path);

// Reads a whole file. Returns false when it cannot be opened; throws FileIoError when reading
// fails after opening. Reads at most `limit` bytes (the rest of a longer file is never used).
bool ReadFileBytes(const std::string& path, std::string& bytes, std::size_t limit);

// Writes a file as a whole: the bytes go to a temporary file in the same folder, which then
// replaces the target, so an existing file is never left half-written. Throws FileIoError
// ("I/O error ...") when the file cannot be created or written.
void WriteFileAtomically(const std::string& path, const std::string& bytes);

}  // namespace drive
