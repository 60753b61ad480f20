// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Private record of EquipmentWindow.
#pragma once

#include <widget/equipmentinfo.h>

#include <QSharedPointer>

namespace rilo {
namespace widget {

class EquipmentWindow;

class EquipmentWindowPrivate
{
public:
    EquipmentWindowPrivate(EquipmentWindow *window, const QSharedPointer<EquipmentInfo> &info)
        : q(window)
        , equipment(info)
    {
    }

    EquipmentWindow *q;                      // the owning window
    QSharedPointer<EquipmentInfo> equipment; // held for the window's lifetime
};

} // namespace widget
} // namespace rilo
