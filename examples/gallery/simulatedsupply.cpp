// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

#include "simulatedsupply.h"

#include <QtMath>

SimulatedSupply::SimulatedSupply(QObject *parent)
    : QObject(parent)
    , m_channels{{12.0, 1.5, 10.0}, {5.0, 0.8, 4.0}}
{
    step();
    m_timer.setInterval(150); // several readings a second, like a real instrument's display
    connect(&m_timer, &QTimer::timeout, this, &SimulatedSupply::step);
    m_timer.start();
}

double SimulatedSupply::voltage(int channel) const
{
    return m_channels[channel].voltage;
}
double SimulatedSupply::current(int channel) const
{
    return m_channels[channel].current;
}
double SimulatedSupply::setVoltage(int channel) const
{
    return m_channels[channel].setVoltage;
}
double SimulatedSupply::setCurrent(int channel) const
{
    return m_channels[channel].setCurrent;
}
bool SimulatedSupply::isOutputOn(int channel) const
{
    return m_channels[channel].on;
}
int SimulatedSupply::tick() const
{
    return m_tick;
}

bool SimulatedSupply::isCurrentLimited(int channel) const
{
    const Channel &c = m_channels[channel];
    return c.on && c.setVoltage / c.loadOhm > c.setCurrent;
}

void SimulatedSupply::setOutputOn(int channel, bool on)
{
    m_channels[channel].on = on;
    step();
}

void SimulatedSupply::step()
{
    ++m_tick;
    for (int i = 0; i < kChannels; ++i) {
        Channel &c = m_channels[i];
        // The load drifts slowly, so the readings visibly move.
        c.loadOhm *= 1.0 + (m_random.generateDouble() - 0.5) * 0.02;
        c.loadOhm = qBound(2.0, c.loadOhm, 20.0);
        const double noise = (m_random.generateDouble() - 0.5) * 0.004;
        if (!c.on) {
            c.voltage = 0;
            c.current = 0;
        } else if (isCurrentLimited(i)) {
            c.current = c.setCurrent + noise * 0.1;
            c.voltage = c.setCurrent * c.loadOhm + noise;
        } else {
            c.voltage = c.setVoltage + noise;
            c.current = c.voltage / c.loadOhm;
        }
    }
    emit updated();
}
