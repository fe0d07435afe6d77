#pragma once

#include <QList>
#include <functional>

namespace platform::forms {

class Form;

// The runtime's collection of loaded forms, in load order.

const QList<Form*>& Loaded();
int Count();

// Called when the last form has been unloaded; by default it quits the event
// loop. Tests replace it to observe the end of the program.
using QuitHandler = std::function<void()>;
QuitHandler SetQuitHandler(QuitHandler handler);

// Runs a modal form until it is unloaded; tests replace it to drive the form.
using ModalRunner = std::function<void(Form&)>;
ModalRunner SetModalRunner(ModalRunner runner);

void Add(Form* form);
void Remove(Form* form);
void RunModal(Form& form);

}  // namespace platform::forms
