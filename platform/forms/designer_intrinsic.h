#pragma once

#include "platform/forms/designer.h"

class QTimer;

namespace platform::forms {

// Factories of the forms runtime's own controls (label, text box, check box,
// command button, picture box, line); nullptr for another kind.
QWidget* CreateIntrinsic(QWidget* parent, const DesignEntry& design);
QTimer* CreateTimer(QWidget* form, const DesignEntry& design);

Factory FactoryOf(const QString& kind);

}  // namespace platform::forms
