#include "platform/windows/window_state.h"

#include <QWidget>

namespace platform::windows {

void KeepReportedStateOnShow(QWidget* window) {
    QWidget* top = window->window();
    const Qt::WindowStates reported = top->windowState();
    if (top->isVisible() || reported.testFlag(Qt::WindowMinimized)) return;
    // Only a change of state reaches the window system, so the window passes
    // through minimised on its way back to the state it reports.
    top->setWindowState(reported | Qt::WindowMinimized);
    top->setWindowState(reported);
}

}  // namespace platform::windows
