#include "platform/controlhost/window_handles.h"

#include <QApplication>
#include <QCursor>
#include <QHash>
#include <QPointer>
#include <QWidget>

namespace platform::controlhost {
namespace {

const char* const kHandleProperty = "marlquin_hwnd";

struct HandleTable {
    HWND next = 0x10010;
    QHash<HWND, QPointer<QWidget>> widgets;
};

HandleTable& Table() {
    static HandleTable table;
    return table;
}

HWND& Captured() {
    static HWND hwnd = 0;
    return hwnd;
}

}  // namespace

HWND HandleOf(QWidget* widget) {
    if (widget == nullptr) return 0;
    const QVariant stored = widget->property(kHandleProperty);
    if (stored.isValid()) return stored.toInt();
    HandleTable& table = Table();
    const HWND hwnd = table.next;
    table.next += 4;
    table.widgets.insert(hwnd, widget);
    widget->setProperty(kHandleProperty, hwnd);
    QObject::connect(widget, &QObject::destroyed, [hwnd] { Table().widgets.remove(hwnd); });
    return hwnd;
}

QWidget* WidgetOf(HWND hwnd) {
    return Table().widgets.value(hwnd);
}

QPoint GetCursorPos() {
    return QCursor::pos();
}

HWND WindowFromPoint(QPoint screen) {
    return HandleOf(QApplication::widgetAt(screen));
}

HWND SetCapture(HWND hwnd) {
    const HWND previous = GetCapture();
    Captured() = WidgetOf(hwnd) != nullptr ? hwnd : 0;
    return previous;
}

bool ReleaseCapture() {
    Captured() = 0;
    return true;
}

HWND GetCapture() {
    if (WidgetOf(Captured()) == nullptr) Captured() = 0;
    return Captured();
}

}  // namespace platform::controlhost
