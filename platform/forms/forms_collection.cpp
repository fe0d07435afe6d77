#include "platform/forms/forms_collection.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include "platform/forms/form.h"
#include "platform/forms/modal_block.h"
#include "platform/forms/modal_owner.h"

namespace platform::forms {
namespace {

QList<Form*>& loaded() {
    static QList<Form*> list;
    return list;
}

QuitHandler& quitHandler() {
    static QuitHandler handler = [] {
        // Queued, so that the unload that emptied the collection finishes
        // first; a window shown right after it (the login leading to the main
        // window) keeps the program running.
        QTimer::singleShot(0, qApp, [] {
            if (loaded().isEmpty()) QCoreApplication::quit();
        });
    };
    return handler;
}

void runModalLoop(Form& form) {
    QEventLoop loop;
    QObject::connect(&form, &Form::unloaded, &loop, &QEventLoop::quit);
    // Not Qt's application modality: that would block the tray icons too.
    const ModalBlock block(form);
    TieToOwner(form);
    form.show();
    loop.exec();
}

ModalRunner& modalRunner() {
    static ModalRunner runner = runModalLoop;
    return runner;
}

}  // namespace

const QList<Form*>& Loaded() {
    return loaded();
}

int Count() {
    return static_cast<int>(loaded().size());
}

QuitHandler SetQuitHandler(QuitHandler handler) {
    return std::exchange(quitHandler(), handler);
}

ModalRunner SetModalRunner(ModalRunner runner) {
    return std::exchange(modalRunner(), runner);
}

void Add(Form* form) {
    if (!loaded().contains(form)) loaded().append(form);
}

void Remove(Form* form) {
    if (loaded().removeOne(form) && loaded().isEmpty() && quitHandler()) quitHandler()();
}

void RunModal(Form& form) {
    modalRunner()(form);
}

}  // namespace platform::forms
