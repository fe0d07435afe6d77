#include "platform/controlhost/designer_kind.h"

#include "platform/controlhost/variant_values.h"
#include "platform/forms/designer_loader.h"

namespace platform::controlhost {
namespace {

QVariant Prop(const QVariantMap& props, const char* name) {
    for (auto it = props.begin(); it != props.end(); ++it)
        if (it.key().compare(QLatin1String(name), Qt::CaseInsensitive) == 0) return it.value();
    return {};
}

}  // namespace

void PlaceFromSpec(UserControl& control, const designer::ControlSpec& spec) {
    const QString name =
        spec.index >= 0 ? QStringLiteral("%1(%2)").arg(spec.name).arg(spec.index) : spec.name;
    control.setObjectName(spec.name);
    control.SetDisplayName(name);
    control.setGeometry(designer::PixelsOf(spec.twips));
    if (const QVariant visible = Prop(spec.props, "visible"); visible.isValid())
        control.setVisible(ToBoolean(visible));
    if (const QVariant on = Prop(spec.props, "default"); on.isValid())
        control.SetDefault(ToBoolean(on));
    if (const QVariant on = Prop(spec.props, "cancel"); on.isValid())
        control.SetCancel(ToBoolean(on));
}

void ReportBadInstance(const designer::ControlSpec& spec, const RuntimeError& error) {
    qWarning("%s", qPrintable(QStringLiteral("控件 %1 的属性无法读取：%2（错误 %3）")
                                  .arg(spec.name, error.description())
                                  .arg(error.number())));
}

}  // namespace platform::controlhost
