// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

#include <widget/abstractstatewidget.h>

#include <widget/statelabel.h>
#include <widget/statewidgetbox.h>

#include "abstractstatewidgetprivate.h"
#include "util/accessibletext_p.h"

#include <QPointer>

#include <utility>

namespace rilo {
namespace widget {

int AbstractStateWidgetPrivate::colorSlot(AbstractStateWidget::State state, bool on)
{
    return (state == AbstractStateWidget::kEnabled ? 2 : 0) + (on ? 1 : 0);
}

std::pair<QColor, QColor> AbstractStateWidgetPrivate::defaultColor(AbstractStateWidget::State state, bool on)
{
    const QColor darkGrey(0x35, 0x35, 0x38);
    const QColor white(0xff, 0xff, 0xff);
    const QColor orange(0xff, 0x7a, 0x00);
    return {state == AbstractStateWidget::kActive && on ? orange : darkGrey, white};
}

std::pair<QColor, QColor> AbstractStateWidgetPrivate::color(AbstractStateWidget::State state, bool on) const
{
    return colors ? colors->at(colorSlot(state, on)) : defaultColor(state, on);
}

AbstractStateWidget::AbstractStateWidget(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
    , d(new AbstractStateWidgetPrivate)
{
    AccessibleText::install(&AbstractStateWidgetPrivate::accessibleInterface);
}

AbstractStateWidget::~AbstractStateWidget() = default;

AbstractStateWidget::States AbstractStateWidget::states() const
{
    return d->states;
}

void AbstractStateWidget::setStates(States states)
{
    if (!d->beginCall({AbstractStateWidgetPrivate::Call::SetStates, states, kNone, false, {}}))
        return;
    const QPointer<AbstractStateWidget> self(this);
    if (states != d->states) {
        d->storeStates(this, states);
        render();
    }
    if (self)
        d->endCall(this);
}

void AbstractStateWidget::setState(State state, bool on)
{
    if (!d->beginCall({AbstractStateWidgetPrivate::Call::SetState, {}, state, on, {}}))
        return;
    const QPointer<AbstractStateWidget> self(this);
    d->applyState(this, state, on);
    if (self)
        d->endCall(this);
}

void AbstractStateWidget::setColor(State state, const std::pair<QColor, QColor> &color, bool on)
{
    if (!d->beginCall({AbstractStateWidgetPrivate::Call::SetColor, {}, state, on, color}))
        return;
    const QPointer<AbstractStateWidget> self(this);
    d->applyColor(this, state, color, on);
    if (self)
        d->endCall(this);
}

bool AbstractStateWidgetPrivate::beginCall(const Call &call)
{
    if (callDepth > 0) {
        if (kept.size() >= kMaxKept)
            ++dropped;
        else if (!kept.contains(call))
            kept.append(call);
        return false;
    }
    ++callDepth;
    return true;
}

void AbstractStateWidgetPrivate::endCall(AbstractStateWidget *q)
{
    --callDepth;
    if (callDepth > 0 || draining || (kept.isEmpty() && dropped == 0))
        return;
    // The kept calls are made through the virtual functions, so that a box
    // passes them on as usual. Each may keep further calls for the next round;
    // a render() that changes the flags every time would otherwise never stop.
    const QPointer<AbstractStateWidget> self(q);
    draining = true;
    for (int round = 0; round < kMaxRounds && !kept.isEmpty(); ++round) {
        const QList<Call> calls = std::exchange(kept, {});
        for (const Call &call : calls) {
            switch (call.kind) {
            case Call::SetStates:
                q->setStates(call.states);
                break;
            case Call::SetState:
                q->setState(call.state, call.on);
                break;
            case Call::SetColor:
                q->setColor(call.state, call.color, call.on);
                break;
            case Call::Render:
                q->render();
                break;
            }
            if (!self)
                return; // deleted by a render(); so is this record
        }
    }
    if (!kept.isEmpty() || dropped > 0) {
        qWarning("rilo::widget: %d state change(s) made from render() dropped after %d rounds; "
                 "does a render() change the flags every time?",
                 int(kept.size()) + dropped, kMaxRounds);
        kept.clear();
        dropped = 0;
    }
    draining = false;
}

void AbstractStateWidgetPrivate::applyState(AbstractStateWidget *q, AbstractStateWidget::State state, bool on)
{
    AbstractStateWidget::States next = states;
    if (on)
        next |= state;
    else
        next &= ~AbstractStateWidget::States(state);
    if (next == states)
        return;
    storeStates(q, next);
    q->render();
}

void AbstractStateWidgetPrivate::applyColor(AbstractStateWidget *q, AbstractStateWidget::State state,
                                            const std::pair<QColor, QColor> &color, bool on)
{
    const bool active = state == AbstractStateWidget::kActive || state == AbstractStateWidget::kAll;
    const bool enabled = state == AbstractStateWidget::kEnabled || state == AbstractStateWidget::kAll;
    if ((active || enabled) && !colors) {
        colors = std::make_unique<std::array<std::pair<QColor, QColor>, 4>>();
        for (const AbstractStateWidget::State flag : {AbstractStateWidget::kActive, AbstractStateWidget::kEnabled}) {
            for (const bool setting : {false, true})
                (*colors)[colorSlot(flag, setting)] = defaultColor(flag, setting);
        }
    }
    if (active)
        (*colors)[colorSlot(AbstractStateWidget::kActive, on)] = color;
    if (enabled)
        (*colors)[colorSlot(AbstractStateWidget::kEnabled, on)] = color;
    q->render();
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

void AbstractStateWidgetPrivate::storeStates(AbstractStateWidget *q, AbstractStateWidget::States next)
{
    // Colour alone tells a screen reader nothing: the accessible description
    // follows the flags (accessibleText()), unless the host has given the
    // widget a description of its own. A listener hears of the change.
    const bool wordsChange = !described || (next & AbstractStateWidget::kAll) != (states & AbstractStateWidget::kAll);
    described = true;
    states = next;
    if (wordsChange && q->accessibleDescription().isEmpty())
        AccessibleText::notify(q, QAccessible::DescriptionChanged);
}

QAccessibleInterface *AbstractStateWidgetPrivate::accessibleInterface(const QString &className, QObject *object)
{
    // Only the exact class names: a host's subclass with a meta-object of its
    // own is asked for first, under its own name, so a factory the host
    // installed for it wins.
    if (className != QLatin1String(StateLabel::staticMetaObject.className())
        && className != QLatin1String(StandardStateWidget::staticMetaObject.className())
        && className != QLatin1String(StateWidgetBox::staticMetaObject.className())
        && className != QLatin1String(AbstractStateWidget::staticMetaObject.className()))
        return nullptr;
    auto *widget = qobject_cast<AbstractStateWidget *>(object);
    return widget ? new AccessibleText(widget, QAccessible::Client, &accessibleText) : nullptr;
}

QString AbstractStateWidgetPrivate::accessibleText(QWidget *widget, QAccessible::Text text)
{
    if (text == QAccessible::Name) {
        const auto *label = qobject_cast<StateLabel *>(widget);
        return label ? label->text() : QString();
    }
    auto *stateWidget = qobject_cast<AbstractStateWidget *>(widget);
    if (text != QAccessible::Description || !stateWidget || !stateWidget->d->described)
        return QString();
    return AbstractStateWidget::describeStates(stateWidget->d->states);
}

std::pair<QColor, QColor> AbstractStateWidget::color(State state, bool on) const
{
    switch (state) {
    case kActive:
    case kEnabled:
        return d->color(state, on);
    case kNone:
    case kAll:
        return {palette().color(QPalette::Window), palette().color(QPalette::WindowText)};
    }
    return {QColor(), QColor()};
}

} // namespace widget
} // namespace rilo
