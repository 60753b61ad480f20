// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

/*!
 * \file equipmentplugin.h
 * The base class of equipment plug-ins.
 */
#pragma once

#include <widget/equipmentinfo.h>
#include <widget/modelinfo.h>

#include <QGenericPlugin>
#include <QList>
#include <QSharedPointer>

#include <memory>

/*!
 * Interface identifier of equipment plug-ins. A plug-in names it in its
 * metadata, so that hosts can tell equipment plug-ins from other Qt plug-ins
 * before they load them:
 * \code
 * class MySupplyPlugin : public rilo::widget::IEquipment
 * {
 *     Q_OBJECT
 *     Q_PLUGIN_METADATA(IID RILO_WIDGET_EQUIPMENT_IID FILE "mysupply.json")
 *     ...
 * };
 * \endcode
 * The host checks QPluginLoader::metaData().value("IID") and then casts
 * QPluginLoader::instance() with qobject_cast<rilo::widget::IEquipment *>().
 * The version after the slash changes when the pure virtual operations do.
 */
#define RILO_WIDGET_EQUIPMENT_IID "org.rilo.widget.IEquipment/1.0"

namespace rilo {
namespace widget {

class EquipmentWindow;
class IEquipmentPrivate;

/*!
 * \brief Abstract base of the main object of an equipment plug-in.
 *
 * A plug-in that supports one or more equipment models derives from this
 * class, declares Q_PLUGIN_METADATA with RILO_WIDGET_EQUIPMENT_IID and
 * implements models() and createWindow(). The host loads it with
 * QPluginLoader, asks models() which equipment it serves and calls
 * createWindow() for each piece of equipment it wants to show. The plug-in
 * object is owned by QPluginLoader; the windows it creates belong to the
 * parent passed to createWindow() (or to the caller for a null parent), and
 * must be deleted before the plug-in is unloaded.
 */
class RILO_WIDGET_EXPORT IEquipment : public QGenericPlugin
{
    Q_OBJECT

public:
    /*! Creates the plug-in object with \a parent. */
    explicit IEquipment(QObject *parent = nullptr);
    /*! Destroys the plug-in object. */
    ~IEquipment() override;

    /*!
     * Qt's generic plug-in factory. Returns a null pointer for every \a key
     * and \a specification: equipment is opened through createWindow().
     * Plug-ins that also serve Qt's generic plug-in mechanism override it.
     */
    QObject *create(const QString &key, const QString &specification) override;

    /*!
     * The equipment models this plug-in supports, each with its views and its
     * update history. The host matches EquipmentInfo::model against
     * ModelInfo::name() to pick the plug-in for a piece of equipment.
     */
    virtual QList<ModelInfo> models() const = 0;

    /*!
     * Creates a window that shows \a equipment, with \a parent as its parent
     * (usually null: the host adds the window to its QMdiArea with
     * QMdiArea::addSubWindow(), which re-parents it). The caller owns a window
     * made without parent. Returns a null pointer when the plug-in cannot show
     * this equipment, for instance for a null pointer or a model it does not
     * know.
     */
    virtual EquipmentWindow *createWindow(const QSharedPointer<EquipmentInfo> &equipment,
                                          QWidget *parent = nullptr) = 0;

private:
    Q_DISABLE_COPY(IEquipment)
    const std::unique_ptr<IEquipmentPrivate> d;
};

} // namespace widget
} // namespace rilo
