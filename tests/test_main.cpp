#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>

#include "app/RegisterKinds.h"
#include "platform/forms/fonts.h"
#include "support/fake_pane.h"

namespace {

void setDefault(const char* name, const char* value) {
    if (!qEnvironmentVariableIsSet(name)) qputenv(name, value);
}

}  // namespace

int main(int argc, char** argv) {
    // ctest also runs the program to list its tests; it needs no display then.
    setDefault("QT_QPA_PLATFORM", "offscreen");
    setDefault("QTWEBENGINE_DISABLE_SANDBOX", "1");
    setDefault("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
    setDefault("MARLQUIN_BUILD_DIR", MARLQUIN_BUILD_DIR);
    setDefault("MARLQUIN_SOURCE_DIR", MARLQUIN_SOURCE_DIR);
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    platform::forms::InstallFontSubstitutions();
    RegisterAllKinds();
    // Windows get the fake pane unless a test asks for the real one.
    RegisterFakePaneKind();
    return RUN_ALL_TESTS();
}
