// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

#include <widget/valuewidget.h>

#include <widget/statelabel.h>

#include "valuewidgetprivate.h"
#include "state/standardstatewidgetprivate.h"

namespace rilo {
namespace widget {
namespace measure {

QString ValueWidgetPrivate::accessibleName(const QString &value, const QString &unit)
{
    return unit.isEmpty() ? value : value + QLatin1Char(' ') + unit;
}

void ValueWidgetPrivate::updateAccessibleName(ValueWidget *q)
{
    // The accessible name reads "12.000 V", unless the host has named the
    // widget itself (then its name differs from the one we gave it last).
    const QString current = q->accessibleName();
    if (!current.isEmpty() && current != ourName)
        return;
    ourName = accessibleName(q->value(), q->unit());
    q->setAccessibleName(ourName);
}

ValueWidget::ValueWidget(QWidget *parent, Qt::WindowFlags flags)
    : StateWidgetBox(QBoxLayout::LeftToRight, parent, flags)
    , d(new ValueWidgetPrivate)
{
    d->valueWidget = new StateLabel(QStringLiteral("0.000"), 9, Qt::AlignRight | Qt::AlignVCenter, nullptr,
                                    Qt::WindowFlags());
    d->unitWidget = new StateLabel(QStringLiteral("V"), 9, Qt::AlignLeft | Qt::AlignBottom, nullptr,
                                   Qt::WindowFlags());
    StandardStateWidgetPrivate::settle(d->valueWidget);
    StandardStateWidgetPrivate::settle(d->unitWidget);
    add(d->valueWidget);
    add(d->unitWidget);
    d->updateAccessibleName(this);
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
    label->setText(value);
    d->updateAccessibleName(this);
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
    label->setText(unit);
    d->updateAccessibleName(this);
}

} // namespace measure
} // namespace widget
} // namespace rilo
