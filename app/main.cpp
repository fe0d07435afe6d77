#include <QApplication>

#include "app/mData/mData.h"
#include "controls/register_kinds.h"
#include "platform/browser/register_browser.h"
#include "platform/forms/fonts.h"
#include "platform/forms/forms_collection.h"
#include "platform/listview/register_list_view.h"
#include "platform/tabstrip/register_tab_strip.h"

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    // The main window hides in the tray; only the unload of the last form quits.
    app.setQuitOnLastWindowClosed(false);
    platform::InstallFontSubstitutions();
    platform::browser::RegisterWebBrowserKind();
    platform::RegisterTabStripKind();
    platform::RegisterListViewKind();
    controls::RegisterKinds();
    mData::Main();
    if (platform::forms::Count() == 0) return 0;
    return app.exec();
}
