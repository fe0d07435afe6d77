#include "platform/windows/window_move.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace platform::windows {
namespace {

// Moves the window with the pointer until any button is released.
class ManualMove : public QObject {
public:
    explicit ManualMove(QWidget* window)
        : window_(window), grabOffset_(QCursor::pos() - window->frameGeometry().topLeft()) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (window_ == nullptr) {
            finish();
            return false;
        }
        if (event->type() == QEvent::MouseMove) {
            window_->move(QCursor::pos() - grabOffset_);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            finish();
        }
        return false;
    }

private:
    void finish() {
        qApp->removeEventFilter(this);
        deleteLater();
    }

    QPointer<QWidget> window_;
    QPoint grabOffset_;
};

}  // namespace

void BeginWindowMove(QWidget* window) {
    if (window == nullptr) return;
    QWidget* top = window->window();
    QWindow* handle = top->windowHandle();
    if (handle != nullptr && handle->startSystemMove()) return;
    new ManualMove(top);
}

void AddAppWindowStyles(QWidget* window) {
    QWidget* top = window->window();
    Qt::WindowFlags flags = top->windowFlags();
    flags &= ~(Qt::Tool | Qt::SplashScreen);
    flags |= Qt::Window | Qt::WindowMinimizeButtonHint;
    if (flags == top->windowFlags()) return;
    QWindow* native = top->windowHandle();
    if (native == nullptr) {
        top->setWindowFlags(flags);
        return;
    }
    // setWindowFlags would destroy and re-create a native window that exists,
    // and a shown one would be unmapped while the window manager maps it;
    // the new flags go to the window in place instead.
    top->overrideWindowFlags(flags);
    native->setFlags(flags);
}

}  // namespace platform::windows
