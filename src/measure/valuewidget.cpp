// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

#include <widget/valuewidget.h>

#include <widget/statelabel.h>

#include "valuewidgetprivate.h"

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
    ourName = accessibleName(valueWidget->text(), unitWidget->text());
    q->setAccessibleName(ourName);
}

ValueWidget::ValueWidget(QWidget *parent, Qt::WindowFlags flags)
    : StateWidgetBox(QBoxLayout::LeftToRight, parent, flags)
    , d(new ValueWidgetPrivate)
{
    setBorderWidth(0);
    d->valueWidget = new StateLabel(QStringLiteral("0.000"), 9, Qt::AlignRight | Qt::AlignVCenter, nullptr,
                                    Qt::WindowFlags());
    d->unitWidget = new StateLabel(QStringLiteral("V"), 9, Qt::AlignLeft | Qt::AlignBottom, nullptr,
                                   Qt::WindowFlags());
    d->updateAccessibleName(this);
    add(d->valueWidget);
    add(d->unitWidget);
    setStretch(0, 5);
    setStretch(1, 1);
}

ValueWidget::~ValueWidget()
{
    delete d;
}

StateLabel *ValueWidget::valueWidget() const
{
    return d->valueWidget;
}

StateLabel *ValueWidget::unitWidget() const
{
    return d->unitWidget;
}

QString ValueWidget::value() const
{
    return d->valueWidget->text();
}

void ValueWidget::setValue(const QString &value)
{
    d->valueWidget->setText(value);
    d->updateAccessibleName(this);
}

QString ValueWidget::unit() const
{
    return d->unitWidget->text();
}

void ValueWidget::setUnit(const QString &unit)
{
    d->unitWidget->setText(unit);
    d->updateAccessibleName(this);
}

} // namespace measure
} // namespace widget
} // namespace rilo
