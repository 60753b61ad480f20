// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Private record of IEquipment.
#pragma once

#include <widget/modelinfo.h>

#include <QList>

namespace rilo {
namespace widget {

class IEquipmentPrivate
{
public:
    QList<EquipmentViewInfo> views;
    ModelInfo model;
};

} // namespace widget
} // namespace rilo
