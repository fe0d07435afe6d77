#include "app/RegisterKinds.h"

#include "controls/register_kinds.h"
#include "platform/browser/register_browser.h"
#include "platform/listview/register_list_view.h"
#include "platform/tabstrip/register_tab_strip.h"

void RegisterAllKinds() {
    controls::RegisterKinds();
    platform::browser::RegisterWebBrowserKind();
    platform::tabstrip::RegisterTabStripKind();
    platform::listview::RegisterListViewKind();
}
