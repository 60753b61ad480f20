// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

#include <widget/equipmentplugin.h>

#include "equipmentpluginprivate.h"

namespace rilo {
namespace widget {

IEquipment::IEquipment(QObject *parent)
    : QGenericPlugin(parent)
    , d(new IEquipmentPrivate)
{
}

IEquipment::~IEquipment() = default;

QObject *IEquipment::create(const QString &key, const QString &specification)
{
    Q_UNUSED(key)
    Q_UNUSED(specification)
    return nullptr;
}

} // namespace widget
} // namespace rilo
