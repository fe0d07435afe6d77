#include "platform/forms/controls/command_button.h"

namespace platform {

CommandButton::CommandButton(QWidget* parent) : QPushButton(parent) {
    connect(this, &QPushButton::clicked, this, &CommandButton::Click);
}

}  // namespace platform
