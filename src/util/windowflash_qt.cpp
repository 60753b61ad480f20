// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Window flashing where there is no FlashWindowEx: the window's urgency hint
// through QWindow::alert(), which the window manager shows as a flashing or
// highlighted task-bar entry.
#include "windowflash_platform.h"

#include <QGuiApplication>
#include <QWindow>

#include <limits>

namespace rilo {
namespace widget {
namespace platform {

void flashWindow(const FlashRequest &request)
{
    // Qt has no call that withdraws an alert: it ends when the user activates
    // the window or when its duration is over.
    if (request.flags == 0 || request.window == 0)
        return;
    const QWindowList windows = QGuiApplication::allWindows();
    for (QWindow *window : windows) {
        // handle() first: winId() would create a platform window for one that has none.
        if (!window->handle() || window->winId() != request.window)
            continue;
        // count x interval as the duration; 0 keeps the hint until the window is activated.
        const quint64 duration = quint64(request.count) * request.timeout;
        window->alert(int(qMin<quint64>(duration, std::numeric_limits<int>::max())));
        return;
    }
}

} // namespace platform
} // namespace widget
} // namespace rilo
