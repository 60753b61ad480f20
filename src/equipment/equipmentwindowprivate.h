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
    EquipmentWindowPrivate(EquipmentWindow *q, const QSharedPointer<EquipmentInfo> &equipment)
        : q(q)
        , equipment(equipment)
    {
    }

    EquipmentWindow *q;                      // the owning window
    QSharedPointer<EquipmentInfo> equipment; // held for the window's lifetime
};

} // namespace widget
} // namespace rilo
