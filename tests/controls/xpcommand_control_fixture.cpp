#include "xpcommand_control_fixture.h"

namespace xptest {

XPOnWindow::XPOnWindow(int width, int height, const platform::controlhost::PropertyBag* bag)
    : window(std::make_unique<QWidget>()) {
    window->resize(300, 120);
    control = new XPProbe(window.get());
    buttontest::Place(*control, QStringLiteral("XPCommand1"), QRect(10, 10, width, height), bag);
    window->show();
}

}  // namespace xptest
