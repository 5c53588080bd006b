// Runs a fuzz target's entry on every file of the folders (or files) given: the seed corpus and
// the inputs that once found a fault, kept as regression cases.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void RunFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace

int main(int argc, char** argv)
{
    int runs = 0;
    for (int k = 1; k < argc; ++k) {
        const std::filesystem::path path(argv[k]);
        if (std::filesystem::is_directory(path)) {
            for (const auto& entry : std::filesystem::directory_iterator(path)) {
                if (entry.is_regular_file()) {
                    RunFile(entry.path());
                    ++runs;
                }
            }
        } else if (std::filesystem::exists(path)) {
            RunFile(path);
            ++runs;
        }
    }
    std::cout << "replayed " << runs << " inputs\n";
    return runs > 0 ? 0 : 1;
}
