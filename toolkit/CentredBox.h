#pragma once
#include <QMessageBox>

namespace toolkit {
// Runs a message box modally, plain text, centred on the primary screen.
int ExecCentred(QMessageBox& box);
} // namespace toolkit
