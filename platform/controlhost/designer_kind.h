#pragma once

#include <QString>

#include "platform/controlhost/property_bag.h"
#include "platform/controlhost/user_control.h"
#include "platform/forms/designer.h"

namespace platform::controlhost {

// Gives a user control its name, its place in the holder (twips of the
// designer data, as whole pixels) and its extender settings ("visible",
// "default", "cancel"), before its properties are loaded.
void PlaceFromSpec(UserControl& control, const designer::ControlSpec& spec);

// Registers a user control class as a designer-data kind: each instance is
// created, placed and loaded from its stored bag.
template <class Control>
void RegisterUserControlKind(const QString& kind) {
    designer::RegisterKind(kind, [](QWidget* parent, const designer::ControlSpec& spec) {
        auto* control = new Control(parent);
        PlaceFromSpec(*control, spec);
        control->Load(PropertyBag(spec.bag));
        return static_cast<QWidget*>(control);
    });
}

}  // namespace platform::controlhost
