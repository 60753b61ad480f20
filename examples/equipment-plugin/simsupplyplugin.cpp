// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

#include "simsupplyplugin.h"
#include "simsupplywindow.h"

using rilo::widget::EquipmentInfo;
using rilo::widget::EquipmentViewInfo;
using rilo::widget::EquipmentWindow;
using rilo::widget::ModelInfo;
using rilo::widget::UpdateInfo;

SimSupplyPlugin::SimSupplyPlugin(QObject *parent)
    : IEquipment(parent)
{
}

QList<ModelInfo> SimSupplyPlugin::models() const
{
    ModelInfo model(QStringLiteral("SPS-3005"),
                    {EquipmentViewInfo(QStringLiteral("front-panel"), tr("Front panel"), QString())});
    // Listed in the order they were written down; setUpdateInfos() puts the newest first.
    model.setUpdateInfos({
        UpdateInfo(QDate(2025, 3, 14), QStringLiteral("1.2"), {tr("Current limit settable in 1 mA steps")}),
        UpdateInfo(QDate(2026, 9, 1), QStringLiteral("1.10"),
                   {tr("Output state shown in the front panel"), tr("Faster readings (5 per second)")}),
        UpdateInfo(QDate(2024, 11, 20), QStringLiteral("1.0"), {tr("First release")}),
    });
    return {model};
}

EquipmentWindow *SimSupplyPlugin::createWindow(const QSharedPointer<EquipmentInfo> &equipment, QWidget *parent)
{
    if (!equipment)
        return nullptr;
    const QList<ModelInfo> known = models();
    for (const ModelInfo &model : known) {
        if (model.name() == equipment->model)
            return new SimSupplyWindow(equipment, parent);
    }
    return nullptr;
}
