#include "tests/fuzz/fuzzsupport.h"

#include <cstdio>
#include <unistd.h>

namespace fuzz {

std::string WriteScratchFile(const std::uint8_t* data, std::size_t size, const char* suffix)
{
    const std::string name = "/tmp/drivecalc-fuzz-" + std::to_string(::getpid()) + suffix;
    std::FILE* f = std::fopen(name.c_str(), "wb");
    if (f) {
        if (size > 0)
            std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    return name;
}

std::deque<std::string> AnswerLines(const std::uint8_t* data, std::size_t size)
{
    std::deque<std::string> lines;
    std::string line;
    for (std::size_t k = 0; k < size; ++k) {
        const char c = static_cast<char>(data[k]);
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line.push_back(c);
        }
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

}  // namespace fuzz
