#include <gtest/gtest.h>

#include <QApplication>
#include <iostream>

#include "app/RegisterKinds.h"
#include "platform/forms/fonts.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::cerr << "no X display: run this through tests/e2e/run_on_display.sh\n";
        return 1;
    }
    // These tests are about the real display, whatever the shell says.
    qputenv("QT_QPA_PLATFORM", "xcb");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    // As in the program: hidden in the tray is not closed.
    app.setQuitOnLastWindowClosed(false);
    platform::forms::InstallFontSubstitutions();
    RegisterAllKinds();
    return RUN_ALL_TESTS();
}
