#pragma once

#include <QString>
#include <QWidget>

#include "platform/basic/runtime_error.h"
#include "platform/controlhost/property_bag.h"
#include "platform/controlhost/user_control.h"
#include "platform/forms/designer.h"

namespace platform::controlhost {

// Gives a user control its name, its place in the holder and its extender
// settings ("visible", "default", "cancel"), before its properties are
// loaded.
void PlaceFromEntry(UserControl& control, const forms::DesignEntry& design);

// Reports a stored instance that could not be loaded; the window opens
// without it.
void ReportBadInstance(const forms::DesignEntry& design, const basic::RuntimeError& error);

// Registers a user control class as a designer-data kind: each instance is
// created, placed and loaded from its stored bag.
template <class Control>
void RegisterUserControlKind(const QString& kind) {
    forms::RegisterKind(kind, [](QWidget* parent, const forms::DesignEntry& design) {
        auto* control = new Control(parent);
        try {
            PlaceFromEntry(*control, design);
            control->Load(PropertyBag(design.bag));
        } catch (const basic::RuntimeError& error) {
            ReportBadInstance(design, error);
            delete control;
            return static_cast<QWidget*>(nullptr);
        }
        return static_cast<QWidget*>(control);
    });
}

}  // namespace platform::controlhost
