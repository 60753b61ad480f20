// Private record of AbstractStateWidget.
#pragma once

#include <widget/abstractstatewidget.h>

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
};

} // namespace widget
} // namespace rilo
