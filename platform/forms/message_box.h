#pragma once

#include <QString>
#include <functional>

namespace platform::forms {

// Message box styles of the forms runtime.
enum MsgBoxStyle { vbOKOnly = 0, vbCritical = 16, vbInformation = 64 };
enum MsgBoxResult { vbOK = 1 };

// Shows a message box and waits until it is closed.
int MsgBox(const QString& prompt, int style, const QString& title);

// Seam for tests: the handler receives every box instead of the screen.
using MsgBoxHandler = std::function<int(const QString& prompt, int style, const QString& title)>;
MsgBoxHandler SetMsgBoxHandler(MsgBoxHandler handler);

}  // namespace platform::forms
