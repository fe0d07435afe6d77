#include "platform/forms/modal_owner.h"

#include <QApplication>
#include <QWindow>

#include "platform/forms/form.h"
#include "platform/forms/forms_collection.h"

namespace platform::forms {
namespace {

Form* ownerOf(const Form& modal) {
    auto* active = qobject_cast<Form*>(QApplication::activeWindow());
    if (active != nullptr && active != &modal) return active;
    const QList<Form*>& loaded = Loaded();
    for (auto it = loaded.crbegin(); it != loaded.crend(); ++it)
        if (*it != &modal && (*it)->isVisible()) return *it;
    return nullptr;
}

}  // namespace

void TieToOwner(Form& modal) {
    Form* owner = ownerOf(modal);
    if (owner == nullptr) return;
    if (modal.windowType() != Qt::Dialog)
        modal.setWindowFlags((modal.windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
    modal.winId();  // the native window that takes the owner
    modal.windowHandle()->setTransientParent(owner->windowHandle());
}

}  // namespace platform::forms
