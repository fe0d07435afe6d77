#include "platform/forms/controls/check_box.h"

namespace platform::forms::controls {

CheckBox::CheckBox(QWidget* parent) : QCheckBox(parent) {
    connect(this, &QCheckBox::toggled, this, &CheckBox::Click);
}

}  // namespace platform::forms::controls
