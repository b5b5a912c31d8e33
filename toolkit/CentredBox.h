#pragma once
#include <QMessageBox>

#include <string>

namespace toolkit {
// Runs a message box modally, plain text, centred on the primary screen.
int ExecCentred(QMessageBox& box);

// The one-line message as the program shows it: no icon, one OK button, the application's
// name as title, centred. The application installs it as the message sink.
void ShowMessageBox(const std::string& text);
} // namespace toolkit
