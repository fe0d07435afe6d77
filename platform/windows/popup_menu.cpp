#include "platform/windows/popup_menu.h"

#include <QMenu>
#include <utility>

namespace platform::windows {
namespace {

void execMenu(QMenu& menu, const QPoint& position) {
    menu.exec(position);
}

PopupMenuHandler& handler() {
    static PopupMenuHandler current = execMenu;
    return current;
}

}  // namespace

void PopupMenu(QMenu& menu, const QPoint& position) {
    handler()(menu, position);
}

PopupMenuHandler SetPopupMenuHandler(PopupMenuHandler replacement) {
    return std::exchange(handler(), replacement ? replacement : execMenu);
}

}  // namespace platform::windows
