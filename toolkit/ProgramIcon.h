#pragma once
#include <QIcon>

namespace toolkit {
// The program's icon in every size rendered from its drawing at build time, for the title bar,
// the task bar and the window switcher. Each top-level window of the program sets it.
QIcon ProgramIcon();
} // namespace toolkit
