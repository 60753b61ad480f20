// Private record of ValueWidget.
#pragma once

namespace rilo {
namespace widget {

class StateLabel;

namespace measure {

class ValueWidgetPrivate
{
public:
    StateLabel *valueWidget = nullptr; // box widget 0; owned by the box
    StateLabel *unitWidget = nullptr;  // box widget 1; owned by the box
};

} // namespace measure
} // namespace widget
} // namespace rilo
