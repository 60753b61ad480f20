// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Window flashing on Windows: one FlashWindowEx call per request. Needs no Qt.
#include "windowflash_platform.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#if !defined(_WIN64)
static_assert(sizeof(FLASHWINFO) == 20, "FLASHWINFO is 20 bytes on 32-bit Windows");
#endif
static_assert((FLASHW_CAPTION | FLASHW_TRAY | FLASHW_TIMER) == 7, "flash flags as WindowFlash::kFlash");
static_assert(FLASHW_STOP == 0, "stop flag as WindowFlash::kStop");

namespace rilo {
namespace widget {
namespace platform {

void flashWindow(const FlashRequest &request)
{
    FLASHWINFO info;
    info.cbSize = sizeof(FLASHWINFO);
    info.hwnd = reinterpret_cast<HWND>(request.window);
    info.dwFlags = request.flags;
    info.uCount = request.count;
    info.dwTimeout = request.timeout;
    // The return value only says whether the window was active before; nothing to act on.
    FlashWindowEx(&info);
}

} // namespace platform
} // namespace widget
} // namespace rilo
