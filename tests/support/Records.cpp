#include "support/Records.h"

#include "support/TempDir.h"

#ifdef _WIN32
#include "toolkit/Cp932Windows.h"

#include <windows.h>
#elif defined(__EMSCRIPTEN__)
#include "toolkit/Cp932Bytes.h"
#include "toolkit/Cp932Text.h"
#else
#include "toolkit/Cp932.h"
#endif

#include <string_view>

namespace testsupport {

#ifdef __EMSCRIPTEN__
namespace {
// No Qt here: a character's bytes are the first sequence that the core's decoder turns into it.
std::string Cp932Of(char16_t c)
{
    for (int lead = 0x80; lead <= 0xFF; ++lead) {
        const auto first = static_cast<char>(lead);
        if (!toolkit::IsCp932LeadByte(static_cast<unsigned char>(lead))) {
            if (toolkit::Cp932ToUtf16(std::string(1, first)) == std::u16string(1, c))
                return std::string(1, first);
            continue;
        }
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const std::string pair{first, static_cast<char>(trail)};
            if (toolkit::IsCp932TrailByte(static_cast<unsigned char>(trail)) &&
                toolkit::Cp932ToUtf16(pair) == std::u16string(1, c))
                return pair;
        }
    }
    return "?";
}
} // namespace
#endif

std::string ShipLine(const std::string& name, const Columns& columns, const std::string& fill)
{
    std::vector<std::string> texts(30, fill);
    texts[0] = name;
    for (const auto& [column, text] : columns)
        texts.at(static_cast<std::size_t>(column)) = text;
    std::string line = texts[0];
    for (std::size_t c = 1; c < texts.size(); ++c)
        line.append(",").append(texts[c]);
    return line;
}

std::unique_ptr<CShipDataElement> MakeRecord(const std::string& line, const std::string* entries)
{
    if (entries == nullptr)
        return std::make_unique<CShipDataElement>(line, nullptr);
    const std::string_view view(*entries);
    return std::make_unique<CShipDataElement>(line, &view);
}

void WriteCatalogue(const TempDir& dir, const std::vector<std::string>& shipLines, const std::string& eol)
{
    std::string ships = "header" + eol, materials = "header" + eol;
    for (const auto& line : shipLines) {
        ships += line + eol;
        materials += line.substr(0, line.find(',')) + ",1/2/3" + eol;
    }
    dir.write("data/ship_varietion.csv", ships);
    dir.write("data/ship_material.csv", materials);
}

std::string Sjis(const char* utf8)
{
#ifdef _WIN32
    const std::string_view bytes(utf8);
    const int length = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::u16string text(static_cast<std::size_t>(length), u'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()),
                        reinterpret_cast<wchar_t*>(text.data()), length);
    return toolkit::EncodeCp932(text);
#elif defined(__EMSCRIPTEN__)
    std::string bytes;
    for (const char16_t c : toolkit::Utf8ToUtf16(utf8))
        bytes += c < 0x80 ? std::string(1, static_cast<char>(c)) : Cp932Of(c);
    return bytes;
#else
    return toolkit::ToCp932(QString::fromUtf8(utf8));
#endif
}

} // namespace testsupport
