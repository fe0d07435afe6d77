#include "platform/forms/modal_block.h"

#include <QCoreApplication>
#include <QList>
#include <QWindow>

#include "platform/forms/form.h"
#include "platform/forms/forms_collection.h"

namespace platform::forms {
namespace {

// Only the innermost of nested modal forms takes input.
QList<ModalBlock*>& blocksInForce() {
    static QList<ModalBlock*> list;
    return list;
}

bool isUserInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::Enter:
        case QEvent::HoverEnter:
        case QEvent::HoverMove:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            return true;
        default:
            return false;
    }
}

// The form whose window the object is or lies in: a widget of it, or the
// window that the window system talks to (which gets the close box first).
const Form* formOf(QObject* watched) {
    if (watched->isWidgetType())
        return qobject_cast<const Form*>(static_cast<QWidget*>(watched)->window());
    if (!watched->isWindowType()) return nullptr;
    for (const Form* form : forms::Loaded())
        if (form->windowHandle() == watched) return form;
    return nullptr;
}

}  // namespace

ModalBlock::ModalBlock(Form& modal) : modal_(&modal) {
    blocksInForce().append(this);
    QCoreApplication::instance()->installEventFilter(this);
}

ModalBlock::~ModalBlock() {
    blocksInForce().removeOne(this);
}

bool ModalBlock::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    // The window manager's close box of a blocked form does nothing either.
    const bool closing = type == QEvent::Close && event->spontaneous();
    if (!(isUserInput(type) || closing) || !blocks(watched)) return false;
    if (closing) event->ignore();
    if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) && modal_) {
        modal_->raise();
        modal_->activateWindow();
    }
    return true;
}

bool ModalBlock::blocks(QObject* watched) const {
    if (blocksInForce().last() != this) return false;
    const Form* form = formOf(watched);
    return form != nullptr && form != modal_;
}

}  // namespace platform::forms
