// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// The main object of the example equipment plug-in: it serves one model, a
// simulated 30 V / 5 A single-channel power supply.
#pragma once

#include <widget/equipmentplugin.h>

class SimSupplyPlugin : public rilo::widget::IEquipment
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID RILO_WIDGET_EQUIPMENT_IID FILE "simsupply.json")

public:
    explicit SimSupplyPlugin(QObject *parent = nullptr);

    QList<rilo::widget::ModelInfo> models() const override;
    rilo::widget::EquipmentWindow *createWindow(const QSharedPointer<rilo::widget::EquipmentInfo> &equipment,
                                                QWidget *parent = nullptr) override;
};
