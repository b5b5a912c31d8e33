#include "mainwindow/MainWindow.h"
#include "toolkit/Application.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

int main(int argc, char** argv)
{
#if defined(__linux__)
    // Without a desktop Qt would abort with a toolkit trace; say plainly what is needed.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") == nullptr &&
        std::getenv("WAYLAND_DISPLAY") == nullptr) {
        std::fputs("shipplanner needs a desktop (an X11 or Wayland display) to show its window.\n"
                   "Without one, scripts/screenshot.sh shows it on a virtual display and saves a picture.\n",
                   stderr);
        return 1;
    }
#endif
    toolkit::TApplication app(argc, argv);
    try {
        auto form = std::make_unique<TMainForm>();
        MainForm = form.get();
        form->show();
        toolkit::TApplication::exec();
        MainForm = nullptr;
    } catch (const std::exception& e) {
        MainForm = nullptr;
        toolkit::TApplication::ShowException(e);
    }
    return 0;
}
