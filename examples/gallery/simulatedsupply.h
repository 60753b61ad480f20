// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// A simulated two-channel power supply that the gallery's pages read from.
#pragma once

#include <QObject>
#include <QRandomGenerator>
#include <QTimer>

class SimulatedSupply : public QObject
{
    Q_OBJECT

public:
    static constexpr int kChannels = 2;

    explicit SimulatedSupply(QObject *parent = nullptr);

    double voltage(int channel) const;    // measured output voltage in V
    double current(int channel) const;    // measured output current in A
    double setVoltage(int channel) const; // voltage set point in V
    double setCurrent(int channel) const; // current limit in A
    bool isOutputOn(int channel) const;
    bool isCurrentLimited(int channel) const; // CC mode: the load wants more than the limit
    int tick() const;                         // number of updates so far

    void setOutputOn(int channel, bool on);

signals:
    void updated();

private:
    void step();

    struct Channel
    {
        double setVoltage;
        double setCurrent;
        double loadOhm;
        double voltage = 0;
        double current = 0;
        bool on = true;
    };
    Channel m_channels[kChannels];
    QRandomGenerator m_random{20261206};
    QTimer m_timer;
    int m_tick = 0;
};
