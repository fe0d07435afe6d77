#pragma once

#include <QObject>
#include <QPointer>

namespace platform::forms {

class Form;

// While it lives, the user's input to every other form of the program is
// dropped, as the platform's modal show disables the program's other windows;
// a press on one of them brings the modal form back to the front. Windows that
// are no forms go on taking input: the tray icons, whose messages reach the
// main window under a modal prompt, and popup menus.
class ModalBlock : public QObject {
public:
    explicit ModalBlock(Form& modal);
    ~ModalBlock() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool blocks(QObject* watched) const;

    QPointer<Form> modal_;
};

}  // namespace platform::forms
