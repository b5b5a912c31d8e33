#pragma once
// The one-line message. No Qt here: the data layer reports through it, and whoever runs
// the data layer decides how a message reaches the user (the program: a message box).
#include <functional>
#include <string>

namespace toolkit {

// Hands `text` (code page 932 bytes) to the installed sink; without one, writes it to
// standard error as it is.
void ShowMessage(const std::string& text);

// Installs how messages are shown: the application puts in its message box, tests and
// command-line tools their own. Returns the previous sink.
using MessageSink = std::function<void(const std::string&)>;
MessageSink SetMessageSink(MessageSink sink);

} // namespace toolkit
