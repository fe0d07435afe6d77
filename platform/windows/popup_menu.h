#pragma once

#include <QPoint>
#include <functional>

class QMenu;

namespace platform::windows {

// Pops the menu up at a screen position and returns when it closes, after the
// chosen item's action has run. The items answer either mouse button.
void PopupMenu(QMenu& menu, const QPoint& position);

// Seam for tests: the handler receives every popup instead of the screen.
using PopupMenuHandler = std::function<void(QMenu& menu, const QPoint& position)>;
PopupMenuHandler SetPopupMenuHandler(PopupMenuHandler handler);

}  // namespace platform::windows
