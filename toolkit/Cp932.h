#pragma once
// Code page 932 <-> QString, only where a text meets a widget.
#include <QString>
#include <string>

namespace toolkit {

// Every byte that forms no character shows as U+FFFD, so that damage can be seen.
QString FromCp932(const std::string& bytes);
// For showing a text that may be very long: at most ShownLength characters, the last of
// them "…" when cut. Decodes only as much as it shows, so a huge name costs nothing.
inline constexpr qsizetype ShownLength = 256;
QString FromCp932Shown(const std::string& bytes);
// Whether the bytes are whole, valid code page 932 characters, judged on this text alone.
bool IsCp932(const std::string& bytes);
// For texts our own source holds in UTF-8 and the data layer compares as code page 932.
std::string ToCp932(const QString& text);

} // namespace toolkit
