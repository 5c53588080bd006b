#pragma once

#include <string>

namespace dcdrive {

// The extension of a file name: from its last full stop after the last folder separator, or
// empty.
std::string FileExtension(const std::string& name);

// The name unchanged when its extension, upper-cased, is `extension` upper-cased; otherwise
// the name with `extension` appended ("motor.Dpt" stays, "motor.txt" becomes "motor.txt.dpt").
std::string WithExtension(const std::string& name, const std::string& extension);

} // namespace dcdrive
