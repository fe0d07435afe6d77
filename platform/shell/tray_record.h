#pragma once

#include <QString>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "platform/basic/ansi.h"
#include "platform/windows/win_types.h"

namespace platform::shell {

inline constexpr std::uint32_t NIM_ADD = 0;
inline constexpr std::uint32_t NIM_MODIFY = 1;
inline constexpr std::uint32_t NIM_DELETE = 2;

inline constexpr std::uint32_t NIF_MESSAGE = 1;
inline constexpr std::uint32_t NIF_ICON = 2;
inline constexpr std::uint32_t NIF_TIP = 4;

// The tray icon record in its ANSI form, every field 32-bit or a byte array.
// Zero-initialised by NotifyIconDataA{}.
struct NotifyIconDataA {
    std::uint32_t cbSize;
    windows::Hwnd hWnd;
    std::uint32_t uID;
    std::uint32_t uFlags;
    std::uint32_t uCallbackMessage;
    windows::Hicon hIcon;
    char szTip[128];
    std::uint32_t dwState;
    std::uint32_t dwStateMask;
    char szInfo[256];
    std::uint32_t uTimeout;
    char szInfoTitle[64];
    std::uint32_t dwInfoFlags;
    std::uint8_t guidItem[16];
};

static_assert(sizeof(NotifyIconDataA) == 504);
static_assert(offsetof(NotifyIconDataA, szTip) == 24);
static_assert(offsetof(NotifyIconDataA, szInfo) == 160);
static_assert(offsetof(NotifyIconDataA, guidItem) == 488);

// Assigns text to a fixed-length string field: the text in the ANSI code page,
// cut to the field's length or padded with blanks to it.
template <std::size_t N>
void AssignFixedString(char (&field)[N], const QString& text) {
    const QByteArray bytes = basic::ToAnsi(text);
    const std::size_t used = std::min<std::size_t>(N, static_cast<std::size_t>(bytes.size()));
    std::memcpy(field, bytes.constData(), used);
    std::memset(field + used, ' ', N - used);
}

}  // namespace platform::shell
