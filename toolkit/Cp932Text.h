#pragma once
// Code page 932 to Unicode without Qt, for the core's own texts (copies of builds, the page).
// It gives what the widgets show: on Windows through the system's conversion, elsewhere from a
// table made with the Linux program's decoder (a test holds the two equal over every sequence).
#include <cstddef>
#include <string>
#include <string_view>

namespace toolkit {

// Every byte that forms no character becomes U+FFFD, so that damage can be seen.
std::u16string Cp932ToUtf16(std::string_view bytes);
std::string Cp932ToUtf8(std::string_view bytes);

std::string Utf16ToUtf8(std::u16string_view text);
// A byte that is no part of a UTF-8 character becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);

// A text cut to at most `most` UTF-16 units, the last of them "…" when cut; never half a
// character.
std::u16string CutText(std::u16string text, std::size_t most);

// How a very long name is shown: one of more than 4 x ShownLength bytes is cut to ShownLength
// characters. Decodes only as much as it shows, so a huge name costs nothing.
inline constexpr std::size_t ShownLength = 256;
std::u16string Cp932Shown(std::string_view bytes);

} // namespace toolkit
