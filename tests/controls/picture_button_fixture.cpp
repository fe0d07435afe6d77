#include "picture_button_fixture.h"

#include <QTest>

#include "controls/register_kinds.h"
#include "platform/forms/designer_intrinsic.h"
#include "platform/forms/designer_loader.h"

namespace buttontest {

void Place(platform::controlhost::UserControl& control, const QString& name, const QRect& geometry,
           const platform::controlhost::PropertyBag* bag) {
    control.setObjectName(name);
    control.SetDisplayName(name);
    control.setGeometry(geometry);
    if (bag != nullptr)
        control.Load(*bag);
    else
        control.InitNew();
}

Designed::Designed(const QString& kind, const QString& name, int index, const QRect& twips,
                   const QVariantMap& bag) {
    controls::RegisterKinds();
    window.resize(400, 200);
    design.name = name;
    design.kind = kind;
    design.index = index;
    design.twips = twips;
    design.bag = bag;
    const platform::forms::Factory factory = platform::forms::FactoryOf(kind);
    if (factory) made = factory(&window, design);
    window.show();
}

Clicks::Clicks(QWidget* button) : button_(button) {
    connected_ = platform::forms::OnClick(button, [count = count_] { ++*count; });
}

int Clicks::At(QPoint at) {
    QTest::mouseClick(button_, Qt::LeftButton, {}, at);
    return *count_;
}

}  // namespace buttontest
