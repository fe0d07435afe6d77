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

void PlaceFromEntry(UserControl& control, const forms::DesignEntry& design) {
    const QString name = design.index >= 0
                             ? QStringLiteral("%1(%2)").arg(design.name).arg(design.index)
                             : design.name;
    control.setObjectName(design.name);
    control.SetDisplayName(name);
    control.setGeometry(forms::PixelsOf(design.twips));
    if (const QVariant visible = Prop(design.props, "visible"); visible.isValid())
        control.setVisible(ToBoolean(visible));
    if (const QVariant on = Prop(design.props, "default"); on.isValid())
        control.SetDefault(ToBoolean(on));
    if (const QVariant on = Prop(design.props, "cancel"); on.isValid())
        control.SetCancel(ToBoolean(on));
}

void ReportBadInstance(const forms::DesignEntry& design, const basic::RuntimeError& error) {
    qWarning("%s", qPrintable(QStringLiteral("控件 %1 的属性无法读取：%2（错误 %3）")
                                  .arg(design.name, error.description())
                                  .arg(error.number())));
}

}  // namespace platform::controlhost
