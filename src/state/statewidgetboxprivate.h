// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Private record of StateWidgetBox.
#pragma once

#include <QList>

class QBoxLayout;

namespace rilo {
namespace widget {

class AbstractStateWidget;

class StateWidgetBoxPrivate
{
public:
    QBoxLayout *boxLayout = nullptr;      // installed on the frame's content widget
    QList<AbstractStateWidget *> widgets; // list order; owned by the box
};

} // namespace widget
} // namespace rilo
