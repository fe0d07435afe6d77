#pragma once

#include <cstdint>

#include "platform/shell/tray_record.h"

namespace platform::shell {

// The notification area as the program sees it: icons added, changed and
// removed by record. Tests put their own in its place to watch the calls.
class TrayShell {
public:
    virtual ~TrayShell() = default;
    virtual bool NotifyIcon(std::uint32_t message, const NotifyIconDataA& data) = 0;
    // True while a tray host is there to show the icons.
    virtual bool HostPresent() = 0;
};

// Adds (NIM_ADD), changes (NIM_MODIFY) or removes (NIM_DELETE) the icon that
// the record's hWnd and uID name; true when the shell took the call.
bool Shell_NotifyIconA(std::uint32_t message, const NotifyIconDataA& data);

// True when the desktop has a tray host now, so that a window hidden behind
// its tray icon can be brought back; asked anew at each call, since hosts
// come and go.
bool TrayHostPresent();

// Seam for tests: replaces the shell; nullptr puts the desktop's tray back.
// Returns the one in place before.
TrayShell* SetTrayShell(TrayShell* shell);

}  // namespace platform::shell
