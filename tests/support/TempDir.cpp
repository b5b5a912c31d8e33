#include "support/TempDir.h"

#include <atomic>
#include <fstream>
#include <random>
#include <stdexcept>
#include <system_error>

TempDir::TempDir()
{
    static std::atomic<unsigned> counter{0};
    std::random_device rd;
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto candidate = std::filesystem::temp_directory_path() /
                         ("shipplanner-test-" + std::to_string(rd()) + "-" + std::to_string(counter++));
        std::error_code ec;
        if (std::filesystem::create_directory(candidate, ec)) {
            Root = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::permissions(Root, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(Root, ec);
}

std::string TempDir::write(const std::string& relative, std::string_view bytes) const
{
    const auto full = Root / relative;
    std::filesystem::create_directories(full.parent_path());
    std::ofstream out(full, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + full.string());
    return full.string();
}

WorkingDirectory::WorkingDirectory(const std::filesystem::path& dir)
    : Previous(std::filesystem::current_path())
{
    std::filesystem::current_path(dir);
}

WorkingDirectory::~WorkingDirectory()
{
    std::error_code ec;
    std::filesystem::current_path(Previous, ec);
}
