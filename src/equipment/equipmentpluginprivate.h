// Private record of IEquipment.
#pragma once

#include <widget/modelinfo.h>

#include <QList>

namespace rilo {
namespace widget {

class IEquipmentPrivate
{
public:
    QList<EquipmentViewInfo> views;
    ModelInfo model;
};

} // namespace widget
} // namespace rilo
