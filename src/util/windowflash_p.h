// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Private record of WindowFlash.
#pragma once

#include <widget/windowflash.h>

#include <QPointer>
#include <QWidget>

namespace rilo {
namespace widget {

class WindowFlashPrivate
{
public:
    // Hands the prepared request to the backend or to the platform.
    void send();

    QPointer<QWidget> widget;                // not owned; null once the host deletes the window
    WindowFlash::Request flashInfo;          // prepared once, adjusted per operation
    WindowFlash::Backend *backend = nullptr; // not owned; null sends to the platform
};

} // namespace widget
} // namespace rilo
