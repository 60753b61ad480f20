// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Private record of AbstractStateWidget.
#pragma once

#include <widget/abstractstatewidget.h>

#include <QString>

namespace rilo {
namespace widget {

class AbstractStateWidgetPrivate
{
public:
    AbstractStateWidgetPrivate();

    AbstractStateWidget::States states = AbstractStateWidget::kNone;
    std::pair<QColor, QColor> activeOnColor;
    std::pair<QColor, QColor> activeOffColor;
    std::pair<QColor, QColor> enabledOnColor;
    std::pair<QColor, QColor> enabledOffColor;
    // The accessible description this widget gave itself last; shares its
    // text with the widget's description, so it costs no copy.
    QString ourDescription;
};

} // namespace widget
} // namespace rilo
