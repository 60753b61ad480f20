// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Private record of PowerSupplyLCD.
#pragma once

namespace rilo {
namespace widget {

class StateWidgetBox;

namespace measure {

class PowerSupplyLCDPrivate
{
public:
    StateWidgetBox *header = nullptr;  // panel widget 0; owned by the panel
    StateWidgetBox *measure = nullptr; // panel widget 1
    StateWidgetBox *footer = nullptr;  // panel widget 2
};

} // namespace measure
} // namespace widget
} // namespace rilo
