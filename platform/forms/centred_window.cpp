#include "platform/forms/centred_window.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace platform::forms {
namespace {

bool moveToCentre(QWidget* window, const QSize& frame) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return false;
    window->move(screen->availableGeometry().center() -
                 QPoint(frame.width() / 2, frame.height() / 2));
    return true;
}

// Waits for the first move or resize that comes with a known frame.
class FrameCentring : public QObject {
public:
    explicit FrameCentring(QWidget* window) : QObject(window), window_(window) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Move && event->type() != QEvent::Resize) return false;
        const QSize frame = window_->frameGeometry().size();
        if (frame == window_->size()) return false;
        window_->removeEventFilter(this);
        deleteLater();
        moveToCentre(window_, frame);
        return false;
    }

private:
    QWidget* window_;
};

}  // namespace

void CentreOnScreen(QWidget* window) {
    if (moveToCentre(window, window->frameGeometry().size())) new FrameCentring(window);
}

}  // namespace platform::forms
