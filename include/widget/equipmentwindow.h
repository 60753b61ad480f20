// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

/*!
 * \file equipmentwindow.h
 * An MDI sub-window that shows one piece of equipment.
 */
#pragma once

#include <widget/equipmentinfo.h>

#include <QMdiSubWindow>
#include <QSharedPointer>

#include <memory>

namespace rilo {
namespace widget {

class EquipmentWindowPrivate;

/*!
 * \brief An MDI sub-window for one piece of equipment that reports its closing.
 *
 * The window holds a strong reference to its EquipmentInfo from construction
 * to destruction; closing the window does not release it. Each close event is
 * accepted and reported through closed(); whether the window is then hidden or
 * deleted follows from its attributes, which the host sets (the window does
 * not set Qt::WA_DeleteOnClose itself). The content widget is the plug-in's or
 * the host's business (QMdiSubWindow::setWidget()).
 *
 * The signals' argument type QSharedPointer<EquipmentInfo> is not registered
 * with Qt's meta-type system by this library: connect receivers directly, in
 * the GUI thread, or register the type before making queued connections.
 */
class RILO_WIDGET_EXPORT EquipmentWindow : public QMdiSubWindow
{
    Q_OBJECT

public:
    /*!
     * Creates a window for \a equipment (a null pointer is stored as null).
     * Emits nothing, sets no widget attribute and no content widget.
     */
    explicit EquipmentWindow(const QSharedPointer<EquipmentInfo> &equipment, QWidget *parent = nullptr,
                             Qt::WindowFlags flags = Qt::WindowFlags());
    /*! Destroys the window and releases its reference to the equipment. */
    ~EquipmentWindow() override;

    /*! The equipment shown, as another strong reference; null if the window was made with null. */
    QSharedPointer<EquipmentInfo> equipment();

signals:
    /*! Emitted once for every close event, with the window's equipment. */
    void closed(const QSharedPointer<rilo::widget::EquipmentInfo> &);
    /*! Never emitted by this class: subclasses or the host emit it when the window has opened its equipment. */
    void opened(const QSharedPointer<rilo::widget::EquipmentInfo> &);

protected:
    /*! Accepts \a event and emits closed(); QMdiSubWindow's own handling is not called. */
    void closeEvent(QCloseEvent *event) override;

private:
    Q_DISABLE_COPY(EquipmentWindow)
    const std::unique_ptr<EquipmentWindowPrivate> d;
};

} // namespace widget
} // namespace rilo
