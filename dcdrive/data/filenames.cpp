#include "dcdrive/data/filenames.h"

namespace dcdrive {
namespace {

std::string UpperAscii(std::string text)
{
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

} // namespace

std::string FileExtension(const std::string& name)
{
    const std::size_t dot = name.find_last_of('.');
    if (dot == std::string::npos)
        return {};
    const std::size_t slash = name.find_last_of('/');
    if (slash != std::string::npos && slash > dot)
        return {};
    return name.substr(dot);
}

std::string WithExtension(const std::string& name, const std::string& extension)
{
    if (UpperAscii(FileExtension(name)) == UpperAscii(extension))
        return name;
    return name + extension;
}

} // namespace dcdrive
