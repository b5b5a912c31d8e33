// Runs every file of the given folders (or the given files) through the fuzz target once,
// so the target builds and replays its corpus without libFuzzer. A missing path, or nothing
// to replay at all, is a failure: a mistyped corpus folder must not pass.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

static void runFile(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

int main(int argc, char** argv)
{
    int count = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path arg(argv[i]);
        std::error_code ec;
        if (std::filesystem::is_directory(arg, ec)) {
            for (const auto& e : std::filesystem::recursive_directory_iterator(arg))
                if (e.is_regular_file()) { runFile(e.path()); ++count; }
        } else if (std::filesystem::is_regular_file(arg, ec)) {
            runFile(arg);
            ++count;
        } else {
            std::cerr << "replay: no such file or folder: " << arg.string() << "\n";
            return 1;
        }
    }
    std::cout << "replayed " << count << " inputs\n";
    if (count == 0) {
        std::cerr << "replay: nothing to replay\n";
        return 1;
    }
    return 0;
}
