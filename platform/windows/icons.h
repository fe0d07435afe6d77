#pragma once

#include <QIcon>

#include "platform/windows/win_types.h"

namespace platform::windows {

// An icon object of one pixel size cut from an icon; the same icon and size
// give the same handle, so asking again and again creates nothing new.
Hicon IconHandle(const QIcon& icon, int size);

// The icon object of a handle; a null icon for 0 or an unknown handle.
QIcon IconFromHandle(Hicon hIcon);

}  // namespace platform::windows
