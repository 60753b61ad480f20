// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Private record of ValueWidget.
#pragma once

#include <QAccessible>
#include <QPointer>
#include <QString>

#include <widget/statelabel.h>

namespace rilo {
namespace widget {

namespace measure {

class ValueWidget;

class ValueWidgetPrivate
{
public:
    // "12.000 V"; the value alone without a unit.
    static QString accessibleName(const QString &value, const QString &unit);
    // Tells a listening assistive technology that the name changed, unless
    // the host has named the widget itself.
    static void nameChanged(ValueWidget *q);
    // The measure family's accessible interfaces (see util/accessibletext_p.h):
    // answers for ValueWidget only; the panel is a box and speaks like one.
    // Installed by every ValueWidget's constructor.
    static QAccessibleInterface *accessibleInterface(const QString &className, QObject *object);
    // The name reads value and unit; the description is the state widgets'.
    static QString accessibleText(QWidget *widget, QAccessible::Text text);

    // Box widgets 0 and 1, owned by the box. Guarded: the host can delete them
    // or hand them to another box; see ValueWidget::valueWidget().
    QPointer<StateLabel> valueWidget;
    QPointer<StateLabel> unitWidget;
};

} // namespace measure
} // namespace widget
} // namespace rilo
