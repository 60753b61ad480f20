// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

#include <widget/equipmentwindow.h>

#include "equipmentwindowprivate.h"

#include <QCloseEvent>

namespace rilo {
namespace widget {

EquipmentWindow::EquipmentWindow(const QSharedPointer<EquipmentInfo> &equipment, QWidget *parent, Qt::WindowFlags flags)
    : QMdiSubWindow(parent, flags)
    , d(new EquipmentWindowPrivate(equipment))
{
}

EquipmentWindow::~EquipmentWindow() = default;

QSharedPointer<EquipmentInfo> EquipmentWindow::equipment()
{
    return d->equipment;
}

void EquipmentWindow::closeEvent(QCloseEvent *event)
{
    // QMdiSubWindow::closeEvent would also close the content widget and apply
    // its own attribute handling; the host decides what a closed window does.
    event->accept();
    emit closed(d->equipment);
}

} // namespace widget
} // namespace rilo
