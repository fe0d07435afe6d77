#pragma once

#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QStringList>
#include <QWidget>
#include <functional>

// What the end-to-end tests need of the X display around the program.
namespace desktop {

// Runs the event loop until the condition holds; false when time ran out.
bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = 15000);

// Runs an X command line tool and returns what it printed.
QString Run(const QString& tool, const QStringList& arguments);

// Clicks a mouse button count times at a screen position.
void Click(const QPoint& where, int button, int count = 1);

// The tray host's panel window; 0 while there is none.
WId TrayPanel();
// True when the window lies inside the tray host's panel.
bool IsDocked(WId window);
// Where the window lies on the screen, as the X server has it.
QRect ScreenRect(WId window);
// True when the window is mapped and could be seen.
bool IsViewable(WId window);

// The tray host: trayer in the bottom right-hand corner. It is ended with the
// test program, however that ends.
class TrayHost {
public:
    ~TrayHost();
    // Starts it and waits until it owns the tray.
    bool Start();
    // Ends it and waits until the tray is gone.
    bool Stop();

private:
    QProcess process_;
};

}  // namespace desktop
