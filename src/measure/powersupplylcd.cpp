// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

#include <widget/powersupplylcd.h>

#include <widget/statelabel.h>
#include <widget/valuewidget.h>

#include "powersupplylcdprivate.h"

namespace rilo {
namespace widget {
namespace measure {

namespace {

// A header or footer row: \a count empty, centred captions.
StateWidgetBox *makeCaptionRow(int count)
{
    auto *box = new StateWidgetBox(QBoxLayout::LeftToRight, nullptr, Qt::WindowFlags());
    for (int i = 0; i < count; ++i)
        box->add(new StateLabel(QString(), 9, Qt::AlignCenter, nullptr, Qt::WindowFlags()));
    return box;
}

} // namespace

PowerSupplyLCD::PowerSupplyLCD(int headerCount, int measureCount, int footerCount, QWidget *parent,
                               Qt::WindowFlags flags)
    : StateWidgetBox(QBoxLayout::TopToBottom, parent, flags)
    , d(new PowerSupplyLCDPrivate)
{
    setBorderWidth(3);

    d->header = makeCaptionRow(headerCount);
    add(d->header);

    d->measure = new StateWidgetBox(QBoxLayout::TopToBottom, nullptr, Qt::WindowFlags());
    for (int i = 0; i < measureCount; ++i)
        d->measure->add(new ValueWidget(nullptr, Qt::WindowFlags()));
    add(d->measure);

    d->footer = makeCaptionRow(footerCount);
    add(d->footer);
}

PowerSupplyLCD::PowerSupplyLCD(QWidget *parent, Qt::WindowFlags flags)
    : PowerSupplyLCD(0, 1, 0, parent, flags)
{
}

PowerSupplyLCD::~PowerSupplyLCD()
{
    delete d;
}

StateWidgetBox *PowerSupplyLCD::header() const
{
    return d->header;
}

StateWidgetBox *PowerSupplyLCD::measure() const
{
    return d->measure;
}

StateWidgetBox *PowerSupplyLCD::footer() const
{
    return d->footer;
}

int PowerSupplyLCD::headerWidgetCount() const
{
    return d->header->count();
}

int PowerSupplyLCD::measureWidgetCount() const
{
    return d->measure->count();
}

int PowerSupplyLCD::footerWidgetCount() const
{
    return d->footer->count();
}

StateLabel *PowerSupplyLCD::headerWidget(int index) const
{
    return qobject_cast<StateLabel *>(d->header->widget(index));
}

StateLabel *PowerSupplyLCD::footerWidget(int index) const
{
    return qobject_cast<StateLabel *>(d->footer->widget(index));
}

ValueWidget *PowerSupplyLCD::measureWidget(int index) const
{
    return qobject_cast<ValueWidget *>(d->measure->widget(index));
}

void PowerSupplyLCD::setValue(int index, const QString &value)
{
    if (ValueWidget *widget = measureWidget(index))
        widget->setValue(value);
}

void PowerSupplyLCD::setUnit(int index, const QString &unit)
{
    if (ValueWidget *widget = measureWidget(index))
        widget->setUnit(unit);
}

} // namespace measure
} // namespace widget
} // namespace rilo
