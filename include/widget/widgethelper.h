// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

/*!
 * \file widgethelper.h
 * Searches in the host's object tree.
 */
#pragma once

#include <widget/widget_config.h>

#include <QList>
#include <QStringList>

class QLayout;
class QMainWindow;
class QObject;

namespace rilo {
namespace widget {

/*!
 * \brief Static functions that find widgets and objects by class.
 *
 * Class names are meta-object class names, as QMetaObject::className()
 * reports them: fully qualified with their namespaces ("QLineEdit",
 * "rilo::widget::CComboBox"). An object matches a list of names when its own
 * class name is in the list (case-sensitive) or it inherits one of the listed
 * classes; an empty list matches every object. An unqualified name never
 * matches a class that sits in a namespace.
 *
 * Nothing is taken over: the lists hold plain pointers into the host's tree
 * that stay valid as long as those objects live.
 */
class RILO_WIDGET_EXPORT WidgetHelper
{
public:
    WidgetHelper() = delete;

    /*!
     * The first top-level widget, in QApplication::topLevelWidgets() order,
     * that is a QMainWindow or derives from one; null when there is none.
     */
    static QMainWindow *getTopMainWindow();

    /*!
     * The children of \a object that match \a classNames. With \a recursive
     * the search goes on below every child, matching or not, and the result is
     * in depth-first pre-order: a child, then the matches among its own
     * descendants, then the next child. Every kind of QObject child takes part
     * (widgets, layouts, actions, timers). A null \a object gives an empty list.
     */
    static QList<QObject *> getChildren(QObject *object, const QStringList &classNames, bool recursive);

    /*!
     * The widgets managed by \a layout that match \a classNames, in item
     * order. With \a recursive, each widget is followed by its matching
     * descendants (as the object form finds them) and nested layouts are
     * searched in place; nested layouts themselves and spacers are never
     * listed. Without it only the widgets of the layout's own items count. A
     * null \a layout gives an empty list.
     */
    static QList<QObject *> getChildren(QLayout *layout, const QStringList &classNames, bool recursive);
};

} // namespace widget
} // namespace rilo
