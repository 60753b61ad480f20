// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

#include <widget/valuewidget.h>

#include <widget/statelabel.h>

#include "valuewidgetprivate.h"
#include "state/abstractstatewidgetprivate.h"
#include "state/standardstatewidgetprivate.h"
#include "util/accessibletext_p.h"

namespace rilo {
namespace widget {
namespace measure {

QString ValueWidgetPrivate::accessibleName(const QString &value, const QString &unit)
{
    return unit.isEmpty() ? value : value + QLatin1Char(' ') + unit;
}

void ValueWidgetPrivate::nameChanged(ValueWidget *q)
{
    if (q->accessibleName().isEmpty())
        AccessibleText::notify(q, QAccessible::NameChanged);
}

QAccessibleInterface *ValueWidgetPrivate::accessibleInterface(const QString &className, QObject *object)
{
    if (className != QLatin1String(ValueWidget::staticMetaObject.className()))
        return nullptr;
    auto *widget = qobject_cast<ValueWidget *>(object);
    return widget ? new AccessibleText(widget, QAccessible::Client, &accessibleText) : nullptr;
}

QString ValueWidgetPrivate::accessibleText(QWidget *widget, QAccessible::Text text)
{
    const auto *valueWidget = qobject_cast<ValueWidget *>(widget);
    if (text == QAccessible::Name && valueWidget)
        return accessibleName(valueWidget->value(), valueWidget->unit());
    return AbstractStateWidgetPrivate::accessibleText(widget, text);
}

ValueWidget::ValueWidget(QWidget *parent, Qt::WindowFlags flags)
    : StateWidgetBox(QBoxLayout::LeftToRight, parent, flags)
    , d(new ValueWidgetPrivate)
{
    AccessibleText::install(&ValueWidgetPrivate::accessibleInterface);
    d->valueWidget =
        new StateLabel(QStringLiteral("0.000"), 9, Qt::AlignRight | Qt::AlignVCenter, nullptr, Qt::WindowFlags());
    d->unitWidget = new StateLabel(QStringLiteral("V"), 9, Qt::AlignLeft | Qt::AlignBottom, nullptr, Qt::WindowFlags());
    StandardStateWidgetPrivate::settle(d->valueWidget);
    StandardStateWidgetPrivate::settle(d->unitWidget);
    add(d->valueWidget);
    add(d->unitWidget);
    setStretch(0, 5);
    setStretch(1, 1);
}

ValueWidget::~ValueWidget() = default;

StateLabel *ValueWidget::valueWidget() const
{
    StateLabel *label = d->valueWidget.data();
    return label && label->parentWidget() == content() ? label : nullptr;
}

StateLabel *ValueWidget::unitWidget() const
{
    StateLabel *label = d->unitWidget.data();
    return label && label->parentWidget() == content() ? label : nullptr;
}

QString ValueWidget::value() const
{
    const StateLabel *label = valueWidget();
    return label ? label->text() : QString();
}

void ValueWidget::setValue(const QString &value)
{
    StateLabel *label = valueWidget();
    if (!label)
        return;
    const bool changed = label->text() != value;
    label->setText(value);
    if (changed)
        ValueWidgetPrivate::nameChanged(this);
}

QString ValueWidget::unit() const
{
    const StateLabel *label = unitWidget();
    return label ? label->text() : QString();
}

void ValueWidget::setUnit(const QString &unit)
{
    StateLabel *label = unitWidget();
    if (!label)
        return;
    const bool changed = label->text() != unit;
    label->setText(unit);
    if (changed)
        ValueWidgetPrivate::nameChanged(this);
}

} // namespace measure
} // namespace widget
} // namespace rilo
