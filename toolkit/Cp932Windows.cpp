#include "toolkit/Cp932Windows.h"

#include "toolkit/Cp932Bytes.h"

#include <windows.h>

#include <limits>

namespace toolkit {

namespace {

constexpr UINT CodePage = 932;

// One character (one or two bytes) decoded strictly; false when the bytes are no character.
bool DecodeOne(const char* bytes, int length, std::u16string& out)
{
    wchar_t units[2];
    const int n = MultiByteToWideChar(CodePage, MB_ERR_INVALID_CHARS, bytes, length, units, 2);
    if (n <= 0)
        return false;
    out.append(units, units + n);
    return true;
}

} // namespace

std::u16string DecodeCp932(std::string_view bytes)
{
    // Character by character, every byte that forms no character as U+FFFD, as on Linux: the
    // system would otherwise replace them by characters of its own choosing, or drop them.
    std::u16string text;
    text.reserve(bytes.size());
    ForEachCp932Character(
        bytes,
        [&](std::size_t i, std::size_t length) {
            const auto b = static_cast<unsigned char>(bytes[i]);
            if (length == 1 && b < 0x80)
                text.push_back(static_cast<char16_t>(b));
            else if (!DecodeOne(bytes.data() + i, static_cast<int>(length), text))
                text.push_back(u'\xFFFD');
        },
        [&](std::size_t) { text.push_back(u'\xFFFD'); });
    return text;
}

bool IsValidCp932(std::string_view bytes)
{
    if (bytes.empty())
        return true;
    if (bytes.size() > static_cast<std::size_t>(std::numeric_limits<int>::max()))
        return false;
    return MultiByteToWideChar(CodePage, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), nullptr,
                               0) > 0;
}

std::string EncodeCp932(std::u16string_view text)
{
    if (text.empty() || text.size() > static_cast<std::size_t>(std::numeric_limits<int>::max() / 2))
        return {};
    const auto* units = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    const int size = WideCharToMultiByte(CodePage, 0, units, length, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    if (size > 0)
        WideCharToMultiByte(CodePage, 0, units, length, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

} // namespace toolkit
