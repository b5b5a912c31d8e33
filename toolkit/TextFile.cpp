#include "toolkit/TextFile.h"

#include "toolkit/HugePages.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <filesystem>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace toolkit {

namespace {

// Calls line(start, length) for each line of `text` by the rules in the header.
template <class Line>
void ForEachLine(std::string_view text, Line line)
{
    const auto nul = text.find('\0');
    if (nul != std::string_view::npos)
        text = text.substr(0, nul);
    if (text.empty())
        return;

    // The next CR and the next LF, each found with memchr and looked for again only once
    // passed: a byte loop would test every byte twice.
    const std::size_t n = text.size();
    const auto next = [&](char c, std::size_t from) {
        const void* at = std::memchr(text.data() + from, c, n - from);
        return at == nullptr ? n : static_cast<std::size_t>(static_cast<const char*>(at) - text.data());
    };
    std::size_t start = 0, cr = next('\r', 0), lf = next('\n', 0);
    while (start < n) {
        if (cr < start)
            cr = next('\r', start);
        if (lf < start)
            lf = next('\n', start);
        const std::size_t end = std::min(cr, lf);
        line(start, end - start);
        start = end < n && text[end] == '\r' && end + 1 < n && text[end + 1] == '\n' ? end + 2 : end + 1;
    }
}

} // namespace

std::vector<std::string> SplitLines(std::string_view text)
{
    std::vector<std::string> lines;
    ForEachLine(text, [&](std::size_t start, std::size_t length) { lines.emplace_back(text.substr(start, length)); });
    return lines;
}

std::vector<std::string_view> SplitLineViews(std::string_view text)
{
    std::vector<std::string_view> lines;
    ForEachLine(text, [&](std::size_t start, std::size_t length) { lines.push_back(text.substr(start, length)); });
    return lines;
}

namespace {

#ifdef _WIN32
bool ReadWholeFile(const std::string& path, std::string& out)
{
    // Read-only, and others may read but not write while we do: a file being written is
    // reported as unreadable rather than read half-written.
    std::wstring wide;
    try {
        wide = std::filesystem::path(path).wstring();
    } catch (const std::exception&) {
        return false; // not a path in the system's code page
    }
    const HANDLE file = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    struct HandleCloser {
        HANDLE handle;
        ~HandleCloser() { CloseHandle(handle); }
    } closer{file};

    LARGE_INTEGER size{};
    if (GetFileType(file) != FILE_TYPE_DISK || !GetFileSizeEx(file, &size) || size.QuadPart > MaxTextFileSize)
        return false;
    out.resize(static_cast<std::size_t>(size.QuadPart));
    std::size_t got = 0;
    while (got < out.size()) {
        DWORD read = 0;
        const auto want = static_cast<DWORD>(std::min<std::size_t>(out.size() - got, 1u << 30));
        if (!ReadFile(file, out.data() + got, want, &read, nullptr))
            return false;
        if (read == 0)
            break; // the file shrank while we read it: take what is there
        got += read;
    }
    out.resize(got);
    return true;
}
#else
bool ReadWholeFile(const std::string& path, std::string& out)
{
    // Non-blocking open so that a FIFO cannot stall us before we see what it is.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct FdCloser {
        int fd;
        ~FdCloser() { ::close(fd); }
    } closer{fd};

    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > MaxTextFileSize)
        return false;

    out.reserve(static_cast<std::size_t>(st.st_size));
    AdviseHugePages(out.data(), out.capacity());
    out.resize(static_cast<std::size_t>(st.st_size));
    std::size_t got = 0;
    while (got < out.size()) {
        const ssize_t r = ::read(fd, out.data() + got, out.size() - got);
        if (r < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (r == 0)
            break; // the file shrank while we read it: take what is there
        got += static_cast<std::size_t>(r);
    }
    out.resize(got);
    return true;
}
#endif

} // namespace

bool ReadTextFileLines(const std::string& path, std::vector<std::string>& lines)
{
    lines.clear();
    std::string bytes;
    if (!ReadWholeFile(path, bytes))
        return false;
    lines = SplitLines(bytes);
    return true;
}

unsigned long long FileSize(const std::string& path)
{
    try {
        std::error_code error;
        const std::uintmax_t size = std::filesystem::file_size(path, error);
        return error ? 0 : size;
    } catch (const std::exception&) {
        return 0; // not a path in the system's code page
    }
}

bool ReadTextFileLineViews(const std::string& path, std::string& bytes, std::vector<std::string_view>& lines)
{
    lines.clear();
    if (!ReadWholeFile(path, bytes)) {
        bytes.clear();
        return false;
    }
    lines = SplitLineViews(bytes);
    return true;
}

} // namespace toolkit
