#pragma once
#include "toolkit/MessageBox.h"

#include <QMessageBox>

#include <string>

namespace toolkit {
// Runs a message box modally, plain text, centred on the primary screen.
int ExecCentred(QMessageBox& box);

// The one-line message as the program shows it: no icon, one OK button, the application's
// name as title, centred.
void ShowMessageBox(const std::string& text);

// While it lives, the one-line messages of code without widgets appear as message boxes,
// unless a sink is installed already (a test or a tool that watches them).
class MessageBoxScope {
public:
    MessageBoxScope();
    ~MessageBoxScope();
    MessageBoxScope(const MessageBoxScope&) = delete;
    MessageBoxScope& operator=(const MessageBoxScope&) = delete;

private:
    MessageSink Previous;
};
} // namespace toolkit
