// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Private record of PowerSupplyLCD.
#pragma once

#include <widget/statewidgetbox.h>

#include <QPointer>

namespace rilo {
namespace widget {

namespace measure {

class PowerSupplyLCDPrivate
{
public:
    // Panel widgets 0, 1 and 2, owned by the panel. Guarded: the host can
    // delete them or hand them to another box; see PowerSupplyLCD::header().
    QPointer<StateWidgetBox> header;
    QPointer<StateWidgetBox> measure;
    QPointer<StateWidgetBox> footer;
};

} // namespace measure
} // namespace widget
} // namespace rilo
