#include "toolkit/Cp932Text.h"

#include "toolkit/Cp932Bytes.h"

#ifdef _WIN32
#include "toolkit/Cp932Windows.h"
#endif

#include <cstdint>

namespace toolkit {

#ifdef _WIN32
std::u16string Cp932ToUtf16(std::string_view bytes)
{
    return DecodeCp932(bytes);
}
#else
namespace {
// What each single byte and each lead and trail pair decode to (U+FFFD for none).
#include "toolkit/Cp932Table.inc"

constexpr int LeadIndex(unsigned char b)
{
    return b <= 0x9F ? b - 0x81 : b - 0xE0 + (0x9F - 0x81 + 1);
}
} // namespace

std::u16string Cp932ToUtf16(std::string_view bytes)
{
    std::u16string text;
    text.reserve(bytes.size());
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    ForEachCp932Character(
        bytes,
        [&](std::size_t i, std::size_t length) {
            text.push_back(length == 1 ? Cp932Singles[byte(i)] : Cp932Pairs[LeadIndex(byte(i))][byte(i + 1) - Cp932FirstTrail]);
        },
        [&](std::size_t) { text.push_back(u'\xFFFD'); });
    return text;
}
#endif

std::string Cp932ToUtf8(std::string_view bytes)
{
    return Utf16ToUtf8(Cp932ToUtf16(bytes));
}

std::string Utf16ToUtf8(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        uint32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00u);
        else if (c >= 0xD800 && c <= 0xDFFF)
            c = 0xFFFD; // half a pair
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

std::u16string Utf8ToUtf16(std::string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        const int extra = b < 0x80 ? 0 : b >= 0xC2 && b <= 0xDF ? 1 : b >= 0xE0 && b <= 0xEF ? 2 : b >= 0xF0 && b <= 0xF4 ? 3 : -1;
        uint32_t c = extra == 0 ? b : extra == 1 ? b & 0x1F : extra == 2 ? b & 0x0F : b & 0x07;
        int taken = 0;
        while (extra > 0 && taken < extra && i + 1 + taken < text.size()
               && (static_cast<unsigned char>(text[i + 1 + taken]) & 0xC0) == 0x80) {
            c = (c << 6) | (static_cast<unsigned char>(text[i + 1 + taken]) & 0x3F);
            ++taken;
        }
        const uint32_t least = extra == 1 ? 0x80 : extra == 2 ? 0x800 : 0x10000;
        if (extra < 0 || taken < extra || (extra > 0 && c < least) || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
            out.push_back(u'\xFFFD');
            i += extra < 0 ? 1 : 1 + taken;
            continue;
        }
        if (c >= 0x10000) {
            out.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(c));
        }
        i += 1 + taken;
    }
    return out;
}

std::u16string CutText(std::u16string text, std::size_t most)
{
    if (text.size() <= most || most < 2)
        return text;
    std::size_t keep = most - 1;
    if (text[keep - 1] >= 0xD800 && text[keep - 1] <= 0xDBFF)
        --keep; // never half a character
    text.resize(keep);
    return text + u'\x2026';
}

std::u16string Cp932Shown(std::string_view bytes)
{
    // Every byte pair decodes to at least one character, so this many bytes hold more than
    // ShownLength characters whenever the text is longer; a text no longer shows whole.
    constexpr std::size_t enough = 4 * ShownLength;
    if (bytes.size() <= enough)
        return Cp932ToUtf16(bytes);
    return CutText(Cp932ToUtf16(bytes.substr(0, enough)), ShownLength);
}

} // namespace toolkit
