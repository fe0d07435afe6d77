#include "platform/forms/form.h"

#include <QCloseEvent>

#include "platform/forms/forms_collection.h"

namespace platform::forms {

Form::Form(QWidget* parent) : QWidget(parent) {}

Form::~Form() {
    forms::Remove(this);
}

void Form::Load() {
    if (loaded_ || unloaded_) return;
    loaded_ = true;
    forms::Add(this);
    Form_Load();
}

void Form::Show(ShowStyle style) {
    Load();
    if (unloaded_) return;  // the load procedure may unload the form again
    if (style == Modal) {
        forms::RunModal(*this);
        return;
    }
    show();
    raise();
    activateWindow();
}

void Form::Unload() {
    if (!loaded_ || unloaded_) return;
    unloaded_ = true;
    Form_Unload();
    hide();
    forms::Remove(this);
    emit unloaded();
    deleteLater();
}

void Form::closeEvent(QCloseEvent* event) {
    // The window's close box unloads it; the widget itself goes with the unload.
    event->ignore();
    Unload();
}

}  // namespace platform::forms
