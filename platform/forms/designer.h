#pragma once

#include <QHash>
#include <QRect>
#include <QString>
#include <QVariantMap>
#include <functional>

class QWidget;

namespace platform::forms {

// One control of a window's designer data (resources/designer/<Form>.json).
// Positions are twips (15 per pixel), relative to the container.
struct DesignEntry {
    QString name;
    QString kind;       // "Label", "TextBox", "XPCommand", ...
    int index = -1;     // position in a control array, -1 when not in one
    QString container;  // empty: the window itself
    QRect twips;        // left, top, width, height
    int tabIndex = -1;
    QVariantMap props;  // design-time settings of the control
    QVariantMap bag;    // stored property bag of a user control
};

// Creates the widget of one kind inside parent and applies its design-time settings.
using Factory = std::function<QWidget*(QWidget* parent, const DesignEntry& design)>;
void RegisterKind(const QString& kind, Factory factory);

}  // namespace platform::forms
