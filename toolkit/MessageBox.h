#pragma once
// The one-line message box. No Qt types here, so the data layer can report through it.
#include <functional>
#include <string>

namespace toolkit {

// Shows `text` (code page 932 bytes) in a modal box with one OK button, no icon,
// the application's name as title, centred on the screen. Without a QApplication
// the text goes to standard error instead.
void ShowMessage(const std::string& text);

// Lets tests watch messages without a modal box: while a sink is set, ShowMessage
// hands the text to it and shows nothing. Returns the previous sink.
using MessageSink = std::function<void(const std::string&)>;
MessageSink SetMessageSink(MessageSink sink);

} // namespace toolkit
