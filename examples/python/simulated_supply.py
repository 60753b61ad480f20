# SPDX-FileCopyrightText: 2026 The librilo_widget authors
# SPDX-License-Identifier: MIT
"""A simulated two-channel bench power supply for the Python example.

Each channel has a voltage set point, a current limit and a resistive load
that drifts slowly. While the load draws less than the limit the channel
regulates the voltage (CV); otherwise it limits the current (CC) and the
voltage drops. The readings carry a little noise, from a fixed seed, so that
screenshots come out the same every time.
"""

import random


class Channel:
    def __init__(self, set_voltage, set_current, load_ohm):
        self.set_voltage = set_voltage
        self.set_current = set_current
        self.load_ohm = load_ohm
        self.voltage = 0.0
        self.current = 0.0
        self.output_on = True

    @property
    def current_limited(self):
        return self.output_on and self.set_voltage / self.load_ohm > self.set_current


class SimulatedSupply:
    """The supply's state; step() advances it by one reading."""

    def __init__(self, seed=20261206):
        self.channels = [Channel(5.0, 1.0, 12.0), Channel(12.0, 0.5, 20.0)]
        self.remote = False
        self.ticks = 0
        self._random = random.Random(seed)
        self.step()

    def set_output(self, channel, on):
        self.channels[channel].output_on = on
        self.step()

    def step(self):
        self.ticks += 1
        for index, ch in enumerate(self.channels):
            # The second channel's load creeps towards the point where it
            # needs more than the limit, and back.
            drift = 4.0 * ((self.ticks // 25 + index) % 2)
            ch.load_ohm = max(1.0, ch.load_ohm + self._random.uniform(-0.3, 0.3) - 0.1 * (ch.load_ohm - 18.0 - drift))
            if not ch.output_on:
                ch.voltage = ch.current = 0.0
            elif ch.current_limited:
                ch.current = ch.set_current + self._random.gauss(0.0, 0.0004)
                ch.voltage = ch.set_current * ch.load_ohm
            else:
                ch.voltage = ch.set_voltage + self._random.gauss(0.0, 0.0008)
                ch.current = ch.voltage / ch.load_ohm
