// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

#include "simsupplywindow.h"

#include <widget/ccheckbox.h>
#include <widget/powersupplylcd.h>
#include <widget/statelabel.h>
#include <widget/valuewidget.h>

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QShowEvent>
#include <QVBoxLayout>

using rilo::widget::AbstractStateWidget;
using rilo::widget::CCheckbox;
using rilo::widget::EquipmentInfo;
using rilo::widget::measure::PowerSupplyLCD;

SimSupplyWindow::SimSupplyWindow(const QSharedPointer<EquipmentInfo> &equipment, QWidget *parent)
    : EquipmentWindow(equipment, parent)
{
    setWindowTitle(tr("%1 — %2").arg(equipment->model, equipment->serialNumber));
    // Every unit has its own load, so that several windows show different readings.
    m_loadOhm = 4.0 + 0.9 * (qHash(equipment->serialNumber) % 8);

    auto *panel = new QWidget;
    auto *layout = new QVBoxLayout(panel);

    // Header: channel and regulation mode; two rows: voltage and current; footer: output state.
    m_display = new PowerSupplyLCD(2, 2, 1, panel);
    m_display->headerWidget(0)->setText(tr("CH1"));
    m_display->setUnit(0, QStringLiteral("V"));
    m_display->setUnit(1, QStringLiteral("A"));
    for (int i = 0; i < 2; ++i)
        m_display->measureWidget(i)->valueWidget()->setPointSize(18);
    m_display->setState(AbstractStateWidget::kActive, true);
    m_display->render();
    layout->addWidget(m_display, 1);

    auto *form = new QFormLayout;
    m_setVoltage = new QDoubleSpinBox(panel);
    m_setVoltage->setRange(0, 30);
    m_setVoltage->setDecimals(3);
    m_setVoltage->setSuffix(QStringLiteral(" V"));
    m_setVoltage->setValue(12);
    m_setCurrent = new QDoubleSpinBox(panel);
    m_setCurrent->setRange(0, 5);
    m_setCurrent->setDecimals(3);
    m_setCurrent->setSuffix(QStringLiteral(" A"));
    m_setCurrent->setValue(2.0);
    m_output = new CCheckbox(panel);
    m_output->setChecked(true); // the simulated unit comes up with its output on
    form->addRow(tr("Voltage"), m_setVoltage);
    form->addRow(tr("Current limit"), m_setCurrent);
    form->addRow(tr("Output"), m_output);
    layout->addLayout(form);

    auto *identity =
        new QLabel(tr("%1 %2, firmware %3\n%4")
                       .arg(equipment->manufacturer, equipment->model, equipment->firmware, equipment->resource),
                   panel);
    identity->setForegroundRole(QPalette::Dark);
    layout->addWidget(identity);
    setWidget(panel);

    connect(m_output, &CCheckbox::toggled, this, &SimSupplyWindow::measure);
    connect(m_setVoltage, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this, &SimSupplyWindow::measure);
    connect(m_setCurrent, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this, &SimSupplyWindow::measure);
    connect(&m_timer, &QTimer::timeout, this, &SimSupplyWindow::measure);
    m_timer.start(200);
    measure();
}

double SimSupplyWindow::voltage() const
{
    return m_voltage;
}

double SimSupplyWindow::current() const
{
    return m_current;
}

bool SimSupplyWindow::isOutputOn() const
{
    return m_output->isChecked();
}

void SimSupplyWindow::showEvent(QShowEvent *event)
{
    EquipmentWindow::showEvent(event);
    if (!m_opened) {
        m_opened = true;
        emit opened(equipment());
    }
}

void SimSupplyWindow::measure()
{
    // A resistive load that drifts a little, so that the readings move.
    m_loadOhm = qBound(3.0, m_loadOhm * (1.0 + (m_random.generateDouble() - 0.5) * 0.02), 12.0);
    const double noise = (m_random.generateDouble() - 0.5) * 0.004;
    const bool on = m_output->isChecked();
    const double setVoltage = m_setVoltage->value();
    const double limit = m_setCurrent->value();
    const bool limited = on && setVoltage / m_loadOhm > limit;
    if (!on) {
        m_voltage = 0;
        m_current = 0;
    } else if (limited) {
        m_current = limit;
        m_voltage = limit * m_loadOhm + noise;
    } else {
        m_voltage = setVoltage + noise;
        m_current = m_voltage / m_loadOhm;
    }
    m_display->setValue(0, QString::number(qMax(0.0, m_voltage), 'f', 3));
    m_display->setValue(1, QString::number(qMax(0.0, m_current), 'f', 3));
    m_display->headerWidget(1)->setText(!on ? QString() : limited ? tr("CC") : tr("CV"));
    m_display->footerWidget(0)->setText(on ? tr("OUTPUT ON") : tr("OUTPUT OFF"));
    for (int i = 0; i < 2; ++i)
        m_display->measureWidget(i)->setState(AbstractStateWidget::kEnabled, on);
}
