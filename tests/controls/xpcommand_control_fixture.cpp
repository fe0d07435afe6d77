#include "xpcommand_control_fixture.h"

namespace xptest {

XPOnWindow::XPOnWindow(int width, int height, const platform::controlhost::PropertyBag* bag)
    : window(std::make_unique<QWidget>()) {
    window->resize(300, 120);
    control = new XPProbe(window.get());
    control->setObjectName(QStringLiteral("XPCommand1"));
    control->SetDisplayName(QStringLiteral("XPCommand1"));
    control->setGeometry(10, 10, width, height);
    if (bag != nullptr)
        control->Load(*bag);
    else
        control->InitNew();
    window->show();
}

}  // namespace xptest
