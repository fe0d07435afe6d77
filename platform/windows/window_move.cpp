#include "platform/windows/window_move.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace platform::windows {
namespace {

// Moves the window with the pointer until a button that began the move is
// released: pressing and releasing another one on the way changes nothing.
// Without a known button (a press that did not come from the window system)
// any release ends it.
class ManualMove : public QObject {
public:
    ManualMove(QWidget* window, Qt::MouseButtons buttons)
        : window_(window),
          buttons_(buttons == Qt::NoButton ? Qt::AllButtons : buttons),
          grabOffset_(QCursor::pos() - window->frameGeometry().topLeft()) {
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
            if (static_cast<QMouseEvent*>(event)->button() & buttons_) finish();
        }
        return false;
    }

private:
    void finish() {
        qApp->removeEventFilter(this);
        deleteLater();
    }

    QPointer<QWidget> window_;
    Qt::MouseButtons buttons_;
    QPoint grabOffset_;
};

}  // namespace

void BeginWindowMove(QWidget* window) {
    if (window == nullptr) return;
    const Qt::MouseButtons held = QGuiApplication::mouseButtons();
    QWidget* top = window->window();
    // The window manager's move ends with the release of the left button only
    // (Qt asks it for button 1), so other buttons move the window here.
    QWindow* handle = top->windowHandle();
    if (held == Qt::LeftButton && handle != nullptr && handle->startSystemMove()) return;
    new ManualMove(top, held);
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
