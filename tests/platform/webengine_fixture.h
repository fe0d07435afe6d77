#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QVariant>
#include <QWebEnginePage>
#include <functional>

// Runs the event loop until done() holds or the time is up; true when it holds.
inline bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 30000) {
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

// The result of a script run in the page's own world.
inline QVariant Evaluate(QWebEnginePage* page, const QString& script) {
    QVariant result;
    bool finished = false;
    page->runJavaScript(script, [&](const QVariant& value) {
        result = value;
        finished = true;
    });
    WaitUntil([&] { return finished; });
    return result;
}

// Dispatches a cancelable context-menu event on the page's body from the
// page's own world; true when some listener cancelled it.
inline bool ContextMenuCancelled(QWebEnginePage* page) {
    return Evaluate(
               page,
               "(function () { var e = new MouseEvent('contextmenu', {bubbles: true, "
               "cancelable: true}); document.body.dispatchEvent(e); return e.defaultPrevented; "
               "})()")
        .toBool();
}
