#pragma once
// Reading a data file whole into lines. No Qt types: the data layer uses this.
#include <string>
#include <string_view>
#include <vector>

namespace toolkit {

// Largest file we read; anything bigger is treated as unreadable rather than exhausting memory.
inline constexpr long long MaxTextFileSize = 64LL * 1024 * 1024;

// Splits bytes into lines: CR LF, lone CR and lone LF end a line; a NUL ends the text;
// a final line break adds no empty line. Bytes are kept as they are.
std::vector<std::string> SplitLines(std::string_view text);

// The same lines as SplitLines, as views into `text`, which must outlive them.
std::vector<std::string_view> SplitLineViews(std::string_view text);

// Reads a regular file of at most MaxTextFileSize bytes and splits it into lines.
// Returns false (and leaves `lines` empty) when the file cannot be opened or read,
// is not a regular file (directory, FIFO, device) or is too large. Never throws for I/O.
bool ReadTextFileLines(const std::string& path, std::vector<std::string>& lines);

// The size of a file in bytes, or 0 where there is none to be found. Never throws.
unsigned long long FileSize(const std::string& path);

// Reads like ReadTextFileLines without a copy per line: `bytes` receives the file and
// `lines` views into it, valid while `bytes` lives unchanged. On failure both are empty.
bool ReadTextFileLineViews(const std::string& path, std::string& bytes, std::vector<std::string_view>& lines);

} // namespace toolkit
