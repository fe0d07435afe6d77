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
    const bool visible = top->isVisible();
    top->setWindowFlags(flags);
    // Changing the flags hides a shown window; bring it back as it was.
    if (visible) top->show();
}

}  // namespace platform::windows
