// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

#include <widget/statewidgetbox.h>

#include "statewidgetboxprivate.h"

#include <QChildEvent>

namespace rilo {
namespace widget {

StateWidgetBox::StateWidgetBox(QBoxLayout::Direction direction, QWidget *parent, Qt::WindowFlags flags)
    : StandardStateWidget(nullptr, parent, flags)
    , d(new StateWidgetBoxPrivate)
{
    d->boxLayout = new QBoxLayout(direction);
    setBorderWidth(0);
    d->boxLayout->setContentsMargins(3, 3, 3, 3);
    d->boxLayout->setSpacing(3);
    content()->setLayout(d->boxLayout);
    // Watch the content for children that leave it (deleted or re-parented by
    // the host), so that the list never holds a pointer the box does not own.
    content()->installEventFilter(this);
}

StateWidgetBox::StateWidgetBox(QWidget *parent)
    : StateWidgetBox(QBoxLayout::LeftToRight, parent, Qt::WindowFlags())
{
}

StateWidgetBox::~StateWidgetBox()
{
    while (!d->widgets.isEmpty())
        delete d->widgets.takeFirst();
    delete d->boxLayout;
    d->boxLayout = nullptr;
    delete d;
    d = nullptr;
}

int StateWidgetBox::count() const
{
    return d->widgets.size();
}

AbstractStateWidget *StateWidgetBox::widget(int index) const
{
    return d->widgets.value(index, nullptr);
}

void StateWidgetBox::add(AbstractStateWidget *widget)
{
    insert(-1, widget);
}

void StateWidgetBox::insert(int index, AbstractStateWidget *widget)
{
    if (!widget || widget == this || d->widgets.contains(widget))
        return;
    // A widget that belongs to another box moves out of it first, so that no
    // two boxes ever own the same widget.
    if (QWidget *holder = widget->parentWidget()) {
        if (auto *other = qobject_cast<StateWidgetBox *>(holder->parentWidget())) {
            if (other != this && other->content() == holder)
                other->d->widgets.removeOne(widget);
        }
    }
    if (index < 0 || index > d->widgets.size()) {
        d->widgets.append(widget);
        d->boxLayout->addWidget(widget, 0, Qt::Alignment());
    } else {
        d->widgets.insert(index, widget);
        d->boxLayout->insertWidget(qMin(index, d->boxLayout->count()), widget, 0, Qt::Alignment());
    }
}

void StateWidgetBox::setState(State state, bool on)
{
    AbstractStateWidget::setState(state, on);
    for (AbstractStateWidget *widget : qAsConst(d->widgets))
        widget->setState(state, on);
}

void StateWidgetBox::setColor(State state, const std::pair<QColor, QColor> &color, bool on)
{
    AbstractStateWidget::setColor(state, color, on);
    for (AbstractStateWidget *widget : qAsConst(d->widgets))
        widget->setColor(state, color, on);
}

void StateWidgetBox::render()
{
    StandardStateWidget::render();
    for (AbstractStateWidget *widget : qAsConst(d->widgets))
        widget->render();
}

void StateWidgetBox::setDirection(QBoxLayout::Direction direction)
{
    d->boxLayout->setDirection(direction);
}

void StateWidgetBox::setMargin(int margin)
{
    d->boxLayout->setContentsMargins(margin, margin, margin, margin);
}

void StateWidgetBox::setSpacing(int spacing)
{
    d->boxLayout->setSpacing(spacing);
}

void StateWidgetBox::addStretch(int stretch)
{
    d->boxLayout->addStretch(stretch);
}

void StateWidgetBox::insertStretch(int index, int stretch)
{
    // QBoxLayout appends for a negative index but not for one past the end.
    if (index > d->boxLayout->count())
        index = -1;
    d->boxLayout->insertStretch(index, stretch);
}

void StateWidgetBox::setStretch(int index, int stretch)
{
    d->boxLayout->setStretch(index, stretch);
}

bool StateWidgetBox::eventFilter(QObject *watched, QEvent *event)
{
    if (d && event->type() == QEvent::ChildRemoved && watched == content()) {
        // Compared as QObject pointers: the child may already be half destroyed.
        const QObject *child = static_cast<QChildEvent *>(event)->child();
        for (int i = 0; i < d->widgets.size(); ++i) {
            if (static_cast<QObject *>(d->widgets.at(i)) == child) {
                d->widgets.removeAt(i);
                break;
            }
        }
    }
    return StandardStateWidget::eventFilter(watched, event);
}

} // namespace widget
} // namespace rilo
