#pragma once
// Code page 932 through the system's own conversion on Windows, where Qt often comes without
// ICU. Qt-free, so that its tests run without Qt.
#include <string>
#include <string_view>

namespace toolkit {

// Every byte that forms no code page 932 character becomes U+FFFD, as on Linux.
std::u16string DecodeCp932(std::string_view bytes);
// Whether every byte belongs to a code page 932 character.
bool IsValidCp932(std::string_view bytes);
// Characters that code page 932 lacks become "?".
std::string EncodeCp932(std::u16string_view text);

} // namespace toolkit
