// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

/*!
 * \file modelinfo.h
 * Value records that describe an equipment model: its views and its update
 * history.
 */
#pragma once

#include <widget/widget_config.h>

#include <QDate>
#include <QList>
#include <QString>

namespace rilo {
namespace widget {

/*!
 * \brief One entry of an equipment model's update history.
 *
 * A plain copyable value; the members are Qt's implicitly shared types, so
 * copies are cheap and independent. The history is ordered by \c date, then
 * by \c version (compared as text, code unit by code unit: "1.2" is greater
 * than "1.10"). The library never reads \c notes.
 */
class RILO_WIDGET_EXPORT UpdateInfo
{
public:
    /*! Creates an entry with a null date, an empty version and no notes. */
    UpdateInfo();
    /*! Creates an entry from the three values, copied as given. */
    UpdateInfo(const QDate &date, const QString &version, const QList<QString> &notes = QList<QString>());

    QDate date;           //!< day of the update; a null date counts as older than every valid date
    QString version;      //!< version text, compared with QString's operator<
    QList<QString> notes; //!< free texts, such as release notes

    /*! True when all three members are equal. */
    bool operator==(const UpdateInfo &other) const;
    /*! True when any member differs. */
    bool operator!=(const UpdateInfo &other) const;
};

/*!
 * \brief One view that a plug-in offers for an equipment model.
 *
 * A view is a window or panel the plug-in can open for equipment of the
 * model, for example a front panel or a data logger. The library stores,
 * copies and destroys the three strings and never reads them; their meaning
 * is agreed between the host and its plug-ins as documented here.
 */
class RILO_WIDGET_EXPORT EquipmentViewInfo
{
public:
    /*! Creates a record with three empty strings. */
    EquipmentViewInfo();
    /*! Creates a record from the three strings, copied as given. */
    EquipmentViewInfo(const QString &key, const QString &title, const QString &iconPath);

    QString key;      //!< identifier of the view, unique within the plug-in and not translated
    QString title;    //!< caption shown to the user, already translated by the plug-in
    QString iconPath; //!< file or resource path of the view's icon; empty for none

    /*! True when all three strings are equal. */
    bool operator==(const EquipmentViewInfo &other) const;
    /*! True when any string differs. */
    bool operator!=(const EquipmentViewInfo &other) const;
};

/*!
 * \brief An equipment model: its name, its views and its update history.
 *
 * A plain copyable value. The update history is kept newest first by
 * setUpdateInfos() and addUpdateInfo(), so that latestUpdate() finds the
 * newest entry without a search. The constructor keeps the history in the
 * order given and does not sort it.
 */
class RILO_WIDGET_EXPORT ModelInfo
{
public:
    /*! Creates a model with an empty name and no views or updates. */
    ModelInfo();
    /*!
     * Creates a model from the three values, copied as given. The update list
     * is stored unsorted; call setUpdateInfos() to have it ordered.
     */
    ModelInfo(const QString &name, const QList<EquipmentViewInfo> &viewInfos,
              const QList<UpdateInfo> &updateInfos = QList<UpdateInfo>());

    /*! Name of the model. */
    QString name() const;
    /*! Sets the name of the model. */
    void setName(const QString &name);

    /*! The model's views, in the order given. */
    QList<EquipmentViewInfo> viewInfos() const;
    /*! Replaces the model's views. */
    void setViewInfos(const QList<EquipmentViewInfo> &viewInfos);

    /*! The update history; newest first once set or extended through the functions below. */
    QList<UpdateInfo> updateInfos() const;

    /*!
     * The first entry of the update history, or a null pointer when it is
     * empty. Nothing is copied: the pointer refers into this model and stays
     * valid until the update history or the model itself next changes.
     */
    const UpdateInfo *latestUpdate() const;

    /*!
     * Replaces the update history by \a updateInfos and sorts it by date,
     * newest first; entries with a null date go last. Entries of the same date
     * end in no particular order. The caller's list is not changed.
     */
    void setUpdateInfos(const QList<UpdateInfo> &updateInfos);

    /*!
     * Appends \a info and sorts the whole history by date, then by version
     * text, newest first; entries with a null date go last. There is no
     * duplicate check: adding an entry twice keeps both.
     */
    void addUpdateInfo(const UpdateInfo &info);

private:
    QString m_name;
    QList<EquipmentViewInfo> m_viewInfos;
    QList<UpdateInfo> m_updateInfos;
};

} // namespace widget
} // namespace rilo
