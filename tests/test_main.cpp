#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>

#include "controls/register_kinds.h"

int main(int argc, char** argv) {
    // ctest also runs the program to list its tests; it needs no display then.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    // The button controls are known to the designer data, as in the program.
    controls::RegisterKinds();
    return RUN_ALL_TESTS();
}
