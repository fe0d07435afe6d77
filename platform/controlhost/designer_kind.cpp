#include "platform/controlhost/designer_kind.h"

#include "platform/controlhost/variant_values.h"

namespace platform::controlhost {
namespace {

QVariant Prop(const QVariantMap& props, const char* name) {
    for (auto it = props.begin(); it != props.end(); ++it)
        if (it.key().compare(QLatin1String(name), Qt::CaseInsensitive) == 0) return it.value();
    return {};
}

}  // namespace

void PlaceFromSpec(UserControl& control, const designer::ControlSpec& spec) {
    const QString name = spec.index >= 0 ? QStringLiteral("%1(%2)").arg(spec.name).arg(spec.index)
                                         : spec.name;
    control.setObjectName(spec.name);
    control.SetDisplayName(name);
    const QRect& twips = spec.twips;
    control.setGeometry(ToPixels(twips.x(), vbTwips), ToPixels(twips.y(), vbTwips),
                        ToPixels(twips.width(), vbTwips), ToPixels(twips.height(), vbTwips));
    if (const QVariant visible = Prop(spec.props, "visible"); visible.isValid())
        control.setVisible(ToBoolean(visible));
    if (const QVariant on = Prop(spec.props, "default"); on.isValid())
        control.SetDefault(ToBoolean(on));
    if (const QVariant on = Prop(spec.props, "cancel"); on.isValid())
        control.SetCancel(ToBoolean(on));
}

}  // namespace platform::controlhost
