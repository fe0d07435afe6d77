#include "platform/windows/window_handles.h"

#include <QHash>
#include <QPointer>
#include <QWidget>
#include <map>

#include "platform/windows/window_proc.h"

namespace platform::windows {
namespace {

struct Window {
    QPointer<QWidget> widget;
    const QWidget* key;
    WndProc proc;
};

struct Registry {
    std::map<Hwnd, Window> windows;
    QHash<const QWidget*, Hwnd> handles;
    Hwnd last = 0;
};

Registry& registry() {
    static Registry instance;
    return instance;
}

void forget(Hwnd hWnd) {
    Registry& r = registry();
    const auto it = r.windows.find(hWnd);
    if (it == r.windows.end()) return;
    r.handles.remove(it->second.key);
    r.windows.erase(it);
}

}  // namespace

Hwnd HandleOf(QWidget* widget) {
    if (widget == nullptr) return 0;
    Registry& r = registry();
    if (const auto it = r.handles.constFind(widget); it != r.handles.cend()) return *it;
    const Hwnd hWnd = ++r.last;
    r.windows.emplace(hWnd, Window{widget, widget, DefaultWindowProc});
    r.handles.insert(widget, hWnd);
    QObject::connect(widget, &QObject::destroyed, [hWnd] { forget(hWnd); });
    return hWnd;
}

QWidget* WidgetOf(Hwnd hWnd) {
    const auto& windows = registry().windows;
    const auto it = windows.find(hWnd);
    return it == windows.end() ? nullptr : it->second.widget.data();
}

QList<Hwnd> TopLevelHandles() {
    QList<Hwnd> result;
    for (const auto& [hWnd, window] : registry().windows)
        if (window.widget != nullptr && window.widget->isWindow()) result.append(hWnd);
    return result;
}

WndProc* ProcedureSlot(Hwnd hWnd) {
    auto& windows = registry().windows;
    const auto it = windows.find(hWnd);
    if (it == windows.end() || it->second.widget == nullptr) return nullptr;
    return &it->second.proc;
}

}  // namespace platform::windows
