// Runs a fuzz target once over each file named, or each file in the folders named, for the
// builds without libFuzzer: the committed seeds then run as an ordinary test.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

namespace {

void RunFile(const std::filesystem::path &path)
{
    std::ifstream file(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size());
}

} // namespace

int main(int argc, char **argv)
{
    int files = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path path(argv[i]);
        if (!std::filesystem::is_directory(path)) {
            RunFile(path);
            ++files;
            continue;
        }
        std::vector<std::filesystem::path> entries;
        for (const auto &entry : std::filesystem::directory_iterator(path))
            if (entry.is_regular_file())
                entries.push_back(entry.path());
        std::sort(entries.begin(), entries.end());
        for (const auto &entry : entries) {
            RunFile(entry);
            ++files;
        }
    }
    if (files == 0) {
        std::cerr << "no inputs\n";
        return 1;
    }
    std::cout << files << " inputs ran\n";
    return 0;
}
