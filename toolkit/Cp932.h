#pragma once
// Code page 932 <-> QString, only where a text meets a widget.
#include "toolkit/Cp932Text.h"

#include <QString>
#include <string>

namespace toolkit {

// Every byte that forms no character shows as U+FFFD, so that damage can be seen.
QString FromCp932(const std::string& bytes);
// For showing a text that may be very long, cut as toolkit::Cp932Shown cuts it.
QString FromCp932Shown(const std::string& bytes);
// Whether the bytes are whole, valid code page 932 characters, judged on this text alone.
bool IsCp932(const std::string& bytes);
// For texts our own source holds in UTF-8 and the data layer compares as code page 932.
std::string ToCp932(const QString& text);

} // namespace toolkit
