// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Private record of ValueWidget.
#pragma once

#include <QString>

namespace rilo {
namespace widget {

class StateLabel;

namespace measure {

class ValueWidget;

class ValueWidgetPrivate
{
public:
    static QString accessibleName(const QString &value, const QString &unit);
    void updateAccessibleName(ValueWidget *q);

    StateLabel *valueWidget = nullptr; // box widget 0; owned by the box
    StateLabel *unitWidget = nullptr;  // box widget 1; owned by the box
    QString ourName;                   // the accessible name this widget gave itself last
};

} // namespace measure
} // namespace widget
} // namespace rilo
