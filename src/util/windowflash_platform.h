// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// The one platform operation behind WindowFlash: flash a native window or stop
// flashing it. Free of Qt, so that the Windows implementation can be compiled
// on its own (make check-windows).
#pragma once

#include <cstdint>

namespace rilo {
namespace widget {
namespace platform {

struct FlashRequest
{
    std::uintptr_t window; // native window handle (HWND on Windows)
    std::uint32_t flags;   // FLASHW_* flags: 7 to flash caption and task-bar button on a timer, 0 to stop
    std::uint32_t count;   // number of flashes; 0 until stopped
    std::uint32_t timeout; // milliseconds between flashes; 0 for the system's default
};

// Carries out the request. No result: a window that cannot flash stays as it is.
void flashWindow(const FlashRequest &request);

} // namespace platform
} // namespace widget
} // namespace rilo
