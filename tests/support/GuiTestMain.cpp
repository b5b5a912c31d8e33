// main() for the GUI tests: the program's application object (a plain QApplication with
// SHIPPLANNER_PLAIN_APPLICATION, as a tool that embeds the window has), on the offscreen
// platform on Linux and on the platform a user runs on Windows.
#include "toolkit/Application.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    // Test discovery runs this binary without the test's environment.
#ifndef _WIN32
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    testing::InitGoogleTest(&argc, argv);
#ifdef SHIPPLANNER_PLAIN_APPLICATION
    QApplication app(argc, argv);
#else
    toolkit::TApplication app(argc, argv);
#endif
    return RUN_ALL_TESTS();
}
