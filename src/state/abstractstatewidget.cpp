// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

#include <widget/abstractstatewidget.h>

#include "abstractstatewidgetprivate.h"

namespace rilo {
namespace widget {

namespace {

QColor namedColor(const char *name)
{
    QColor color;
    color.setNamedColor(QLatin1String(name));
    return color;
}

} // namespace

AbstractStateWidgetPrivate::AbstractStateWidgetPrivate()
{
    const QColor darkGrey = namedColor("#353538");
    const QColor white = namedColor("#ffffff");
    const QColor orange = namedColor("#FF7A00");
    activeOnColor = {orange, white};
    activeOffColor = {darkGrey, white};
    enabledOnColor = {darkGrey, white};
    enabledOffColor = {darkGrey, white};
}

AbstractStateWidget::AbstractStateWidget(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
    , d(new AbstractStateWidgetPrivate)
{
}

AbstractStateWidget::~AbstractStateWidget()
{
    delete d;
}

AbstractStateWidget::States AbstractStateWidget::states() const
{
    return d->states;
}

void AbstractStateWidget::setStates(States states)
{
    if (states == d->states)
        return;
    storeStates(states);
    render();
}

void AbstractStateWidget::setState(State state, bool on)
{
    States next = d->states;
    if (on)
        next |= state;
    else
        next &= ~States(state);
    if (next == d->states)
        return;
    storeStates(next);
    render();
}

QString AbstractStateWidget::describeStates(States states)
{
    // Whole phrases, so a translator sees them as they are read, and one
    // lookup per change instead of two lookups and a join.
    switch (int(states & kAll)) {
    case kActive:
        return tr("active, not enabled");
    case kEnabled:
        return tr("inactive, enabled");
    case kAll:
        return tr("active, enabled");
    default:
        return tr("inactive, not enabled");
    }
}

void AbstractStateWidget::storeStates(States states)
{
    // Colour alone tells a screen reader nothing: the accessible description
    // follows the flags, unless the host has given the widget one of its own.
    // A description that differs from the one we set last is the host's.
    const QString description = accessibleDescription();
    if (description.isEmpty() || description == d->ourDescription) {
        d->ourDescription = describeStates(states);
        setAccessibleDescription(d->ourDescription);
    }
    d->states = states;
}

std::pair<QColor, QColor> AbstractStateWidget::color(State state, bool on) const
{
    switch (state) {
    case kActive:
        return on ? d->activeOnColor : d->activeOffColor;
    case kEnabled:
        return on ? d->enabledOnColor : d->enabledOffColor;
    case kNone:
    case kAll:
        return {palette().color(QPalette::Window), palette().color(QPalette::WindowText)};
    }
    return {QColor(), QColor()};
}

void AbstractStateWidget::setColor(State state, const std::pair<QColor, QColor> &color, bool on)
{
    if (state == kActive || state == kAll)
        (on ? d->activeOnColor : d->activeOffColor) = color;
    if (state == kEnabled || state == kAll)
        (on ? d->enabledOnColor : d->enabledOffColor) = color;
    render();
}

} // namespace widget
} // namespace rilo
