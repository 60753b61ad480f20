// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// The window of the example plug-in: the front panel of a simulated supply.
#pragma once

#include <widget/equipmentwindow.h>

#include <QRandomGenerator>
#include <QTimer>

class QDoubleSpinBox;

namespace rilo {
namespace widget {
class CCheckbox;
namespace measure {
class PowerSupplyLCD;
}
} // namespace widget
} // namespace rilo

class SimSupplyWindow : public rilo::widget::EquipmentWindow
{
    Q_OBJECT

public:
    explicit SimSupplyWindow(const QSharedPointer<rilo::widget::EquipmentInfo> &equipment, QWidget *parent = nullptr);

    // The readings the panel shows, for hosts and tests.
    double voltage() const;
    double current() const;
    bool isOutputOn() const;

protected:
    // The first time the window is shown it reports that its equipment is open.
    void showEvent(QShowEvent *event) override;

private:
    void measure();

    rilo::widget::measure::PowerSupplyLCD *m_display = nullptr;
    QDoubleSpinBox *m_setVoltage = nullptr;
    QDoubleSpinBox *m_setCurrent = nullptr;
    rilo::widget::CCheckbox *m_output = nullptr;
    QTimer m_timer;
    QRandomGenerator m_random{3005};
    double m_loadOhm = 6.0;
    double m_voltage = 0;
    double m_current = 0;
    bool m_opened = false;
};
