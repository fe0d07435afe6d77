#include <QApplication>

#include "app/RegisterKinds.h"
#include "app/mData/mData.h"
#include "platform/forms/fonts.h"
#include "platform/forms/forms_collection.h"

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    // The main window hides in the tray; only the unload of the last form quits.
    app.setQuitOnLastWindowClosed(false);
    platform::forms::InstallFontSubstitutions();
    RegisterAllKinds();
    mData::Main();
    const int status = platform::forms::Count() == 0 ? 0 : app.exec();
    mData::CloseConnection();
    return status;
}
