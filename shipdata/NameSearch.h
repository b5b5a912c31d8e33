#pragma once
// Finds, for many names at once, the first line that contains each of them.
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace shipdata {

// For each name, the first of `lines` (in order) holding it at a place where a character
// starts by code page 932's lead-byte rule (0x81-0x9F and 0xE0-0xFC take the next byte
// with them), so that a name never matches the second half of a character. An empty
// name matches nothing. One pass over the lines for all names (Aho-Corasick), however
// many there are and however they overlap.
std::vector<std::optional<std::size_t>> FirstLinesContaining(const std::vector<std::string_view>& lines,
                                                             const std::vector<std::string_view>& names);

} // namespace shipdata
