// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

#include <widget/powersupplylcd.h>

#include <widget/statelabel.h>
#include <widget/valuewidget.h>

#include "powersupplylcdprivate.h"
#include "state/standardstatewidgetprivate.h"

namespace rilo {
namespace widget {
namespace measure {

namespace {

// The most captions or rows a panel makes; far beyond any instrument's panel,
// and small enough that a wild count cannot exhaust the machine.
constexpr int kMaxCount = 1000;

// A header or footer row: \a count empty, centred captions.
StateWidgetBox *makeCaptionRow(int count)
{
    auto *box = new StateWidgetBox(QBoxLayout::LeftToRight, nullptr, Qt::WindowFlags());
    StandardStateWidgetPrivate::settle(box);
    count = qMin(count, kMaxCount);
    for (int i = 0; i < count; ++i) {
        auto *caption = new StateLabel(QString(), 9, Qt::AlignCenter, nullptr, Qt::WindowFlags());
        StandardStateWidgetPrivate::settle(caption);
        box->add(caption);
    }
    return box;
}

// \a box if it is still one of \a panel's own widgets, else null.
StateWidgetBox *ownBox(const PowerSupplyLCD *panel, StateWidgetBox *box)
{
    return box && box->parentWidget() == panel->content() ? box : nullptr;
}

int countOf(const StateWidgetBox *box)
{
    return box ? box->count() : 0;
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
    StandardStateWidgetPrivate::settle(d->measure);
    measureCount = qMin(measureCount, kMaxCount);
    for (int i = 0; i < measureCount; ++i) {
        auto *row = new ValueWidget(nullptr, Qt::WindowFlags());
        StandardStateWidgetPrivate::settle(row);
        d->measure->add(row);
    }
    add(d->measure);

    d->footer = makeCaptionRow(footerCount);
    add(d->footer);
}

PowerSupplyLCD::PowerSupplyLCD(QWidget *parent, Qt::WindowFlags flags)
    : PowerSupplyLCD(0, 1, 0, parent, flags)
{
}

PowerSupplyLCD::~PowerSupplyLCD() = default;

StateWidgetBox *PowerSupplyLCD::header() const
{
    return ownBox(this, d->header);
}

StateWidgetBox *PowerSupplyLCD::measure() const
{
    return ownBox(this, d->measure);
}

StateWidgetBox *PowerSupplyLCD::footer() const
{
    return ownBox(this, d->footer);
}

int PowerSupplyLCD::headerWidgetCount() const
{
    return countOf(header());
}

int PowerSupplyLCD::measureWidgetCount() const
{
    return countOf(measure());
}

int PowerSupplyLCD::footerWidgetCount() const
{
    return countOf(footer());
}

StateLabel *PowerSupplyLCD::headerWidget(int index) const
{
    StateWidgetBox *box = header();
    return box ? qobject_cast<StateLabel *>(box->widget(index)) : nullptr;
}

StateLabel *PowerSupplyLCD::footerWidget(int index) const
{
    StateWidgetBox *box = footer();
    return box ? qobject_cast<StateLabel *>(box->widget(index)) : nullptr;
}

ValueWidget *PowerSupplyLCD::measureWidget(int index) const
{
    StateWidgetBox *box = measure();
    return box ? qobject_cast<ValueWidget *>(box->widget(index)) : nullptr;
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
