// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Private record of EquipmentWindow.
#pragma once

#include <widget/equipmentinfo.h>

#include <QSharedPointer>

namespace rilo {
namespace widget {

class EquipmentWindowPrivate
{
public:
    explicit EquipmentWindowPrivate(const QSharedPointer<EquipmentInfo> &info)
        : equipment(info)
    {
    }

    QSharedPointer<EquipmentInfo> equipment; // held for the window's lifetime
};

} // namespace widget
} // namespace rilo
