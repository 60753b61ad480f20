// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

#include <widget/statewidgetbox.h>

#include "abstractstatewidgetprivate.h"
#include "standardstatewidgetprivate.h"
#include "statewidgetboxprivate.h"

#include <QChildEvent>

#include <algorithm>

namespace rilo {
namespace widget {

void StateWidgetBoxPrivate::sync(StateWidgetBox *q)
{
    QWidget *content = q->content();
    if (content && content == listContent)
        return;
    widgets.clear();
    listContent = content;
    // Watch the content for children that leave it (deleted or re-parented by
    // the host, or taken by another box), so that the list never holds a
    // widget the box does not own.
    if (content)
        content->installEventFilter(q);
}

QBoxLayout *StateWidgetBoxPrivate::layout(StateWidgetBox *q)
{
    sync(q);
    QWidget *content = q->content();
    if (!content)
        return nullptr;
    // Looked up each time rather than kept: a content the host gave the box
    // may come with a box layout of its own, which is then the one used.
    if (QLayout *existing = content->layout())
        return qobject_cast<QBoxLayout *>(existing);
    auto *boxLayout = new QBoxLayout(direction);
    boxLayout->setContentsMargins(margin, margin, margin, margin);
    boxLayout->setSpacing(spacing);
    content->setLayout(boxLayout);
    return boxLayout;
}

bool StateWidgetBoxPrivate::holds(const StateWidgetBox *q, const AbstractStateWidget *widget)
{
    return widget && widget->parentWidget() == q->content();
}

template <typename Call>
bool StateWidgetBoxPrivate::forEach(StateWidgetBox *q, Call call)
{
    sync(q);
    const QPointer<StateWidgetBox> self(q);
    const QVector<QPointer<AbstractStateWidget>> snapshot = widgets;
    for (const QPointer<AbstractStateWidget> &widget : snapshot) {
        if (!self)
            return false;
        if (holds(q, widget))
            call(widget.data());
    }
    return !self.isNull();
}

StateWidgetBox::StateWidgetBox(QBoxLayout::Direction direction, QWidget *parent, Qt::WindowFlags flags)
    : StandardStateWidget(nullptr, parent, flags)
    , d(new StateWidgetBoxPrivate)
{
    d->direction = direction;
    d->layout(this);
}

StateWidgetBox::StateWidgetBox(QWidget *parent)
    : StateWidgetBox(QBoxLayout::LeftToRight, parent, Qt::WindowFlags())
{
}

StateWidgetBox::~StateWidgetBox()
{
    d->sync(this);
    // Front first. A widget's destructor may delete others of the list; they
    // are skipped once their turn comes.
    d->destroying = true;
    while (!d->widgets.isEmpty()) {
        const QPointer<AbstractStateWidget> widget = d->widgets.takeFirst();
        if (StateWidgetBoxPrivate::holds(this, widget))
            delete widget.data();
    }
    if (QWidget *current = content())
        delete qobject_cast<QBoxLayout *>(current->layout());
}

int StateWidgetBox::count() const
{
    d->sync(const_cast<StateWidgetBox *>(this));
    return d->widgets.size();
}

AbstractStateWidget *StateWidgetBox::widget(int index) const
{
    d->sync(const_cast<StateWidgetBox *>(this));
    AbstractStateWidget *widget = d->widgets.value(index).data();
    return StateWidgetBoxPrivate::holds(this, widget) ? widget : nullptr;
}

void StateWidgetBox::add(AbstractStateWidget *widget)
{
    insert(-1, widget);
}

void StateWidgetBox::insert(int index, AbstractStateWidget *widget)
{
    if (!widget)
        return;
    d->sync(this);
    QWidget *content = this->content();
    // The box itself, one of its ancestors or its own content would make the
    // object tree a cycle.
    if (content && StandardStateWidgetPrivate::isSelfOrAncestor(widget, content)) {
        qWarning("rilo::widget::StateWidgetBox: a box cannot hold itself, its content or one of its ancestors; "
                 "ignored");
        return;
    }
    if (d->widgets.contains(widget))
        return;
    QBoxLayout *layout = d->layout(this);
    if (!layout)
        return;
    // Taking the widget into the layout re-parents it; a box that held it
    // before sees it leave through its event filter.
    if (index < 0 || index > d->widgets.size()) {
        d->widgets.append(widget);
        layout->addWidget(widget, 0, Qt::Alignment());
    } else {
        d->widgets.insert(index, widget);
        layout->insertWidget(qMin(index, layout->count()), widget, 0, Qt::Alignment());
    }
}

void StateWidgetBox::setState(State state, bool on)
{
    AbstractStateWidgetPrivate *base = AbstractStateWidgetPrivate::get(this);
    if (!base->beginCall({AbstractStateWidgetPrivate::Call::SetState, {}, state, on, {}}))
        return;
    const QPointer<StateWidgetBox> self(this);
    base->applyState(this, state, on);
    if (self && d->forEach(this, [state, on](AbstractStateWidget *widget) { widget->setState(state, on); }))
        base->endCall(this);
}

void StateWidgetBox::setColor(State state, const std::pair<QColor, QColor> &color, bool on)
{
    AbstractStateWidgetPrivate *base = AbstractStateWidgetPrivate::get(this);
    if (!base->beginCall({AbstractStateWidgetPrivate::Call::SetColor, {}, state, on, color}))
        return;
    const QPointer<StateWidgetBox> self(this);
    base->applyColor(this, state, color, on);
    if (self && d->forEach(this, [&](AbstractStateWidget *widget) { widget->setColor(state, color, on); }))
        base->endCall(this);
}

void StateWidgetBox::render()
{
    // A widget below that renders the box again gets nothing: the outer
    // render() is on its way through the list.
    if (d->rendering)
        return;
    const QPointer<StateWidgetBox> self(this);
    d->rendering = true;
    StandardStateWidget::render();
    if (self && d->forEach(this, [](AbstractStateWidget *widget) { widget->render(); }))
        d->rendering = false;
}

void StateWidgetBox::setDirection(QBoxLayout::Direction direction)
{
    d->direction = direction;
    if (QBoxLayout *layout = d->layout(this))
        layout->setDirection(direction);
}

void StateWidgetBox::setMargin(int margin)
{
    margin = qBound(0, margin, StandardStateWidgetPrivate::kMaxExtent);
    d->margin = margin;
    if (QBoxLayout *layout = d->layout(this))
        layout->setContentsMargins(margin, margin, margin, margin);
}

void StateWidgetBox::setSpacing(int spacing)
{
    spacing = qBound(-1, spacing, StandardStateWidgetPrivate::kMaxExtent);
    d->spacing = spacing;
    if (QBoxLayout *layout = d->layout(this))
        layout->setSpacing(spacing);
}

void StateWidgetBox::addStretch(int stretch)
{
    if (QBoxLayout *layout = d->layout(this))
        layout->addStretch(qBound(0, stretch, StateWidgetBoxPrivate::kMaxStretch));
}

void StateWidgetBox::insertStretch(int index, int stretch)
{
    QBoxLayout *layout = d->layout(this);
    if (!layout)
        return;
    // QBoxLayout appends for a negative index but not for one past the end.
    if (index > layout->count())
        index = -1;
    layout->insertStretch(index, qBound(0, stretch, StateWidgetBoxPrivate::kMaxStretch));
}

void StateWidgetBox::setStretch(int index, int stretch)
{
    if (QBoxLayout *layout = d->layout(this))
        layout->setStretch(index, qBound(0, stretch, StateWidgetBoxPrivate::kMaxStretch));
}

bool StateWidgetBox::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ChildRemoved && watched == d->listContent && !d->destroying) {
        // A child that is being deleted has already cleared its guards, so
        // the entries that went null leave the list too.
        const QObject *child = static_cast<QChildEvent *>(event)->child();
        d->widgets.erase(std::remove_if(d->widgets.begin(), d->widgets.end(),
                                        [child](const QPointer<AbstractStateWidget> &widget) {
                                            return widget.isNull() || widget.data() == child;
                                        }),
                         d->widgets.end());
    }
    return StandardStateWidget::eventFilter(watched, event);
}

} // namespace widget
} // namespace rilo
