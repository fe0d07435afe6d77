#include "platform/forms/controls/check_box.h"

namespace platform {

CheckBox::CheckBox(QWidget* parent) : QCheckBox(parent) {
    connect(this, &QCheckBox::toggled, this, &CheckBox::Click);
}

}  // namespace platform
