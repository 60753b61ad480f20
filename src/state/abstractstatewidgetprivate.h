// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Private record of AbstractStateWidget.
#pragma once

#include <widget/abstractstatewidget.h>

#include <QAccessible>
#include <QList>
#include <QString>

#include <array>
#include <memory>

namespace rilo {
namespace widget {

class AbstractStateWidgetPrivate
{
public:
    static AbstractStateWidgetPrivate *get(AbstractStateWidget *widget) { return widget->d.get(); }

    // One state or colour call, as it is kept while the widget is busy with
    // another one (see beginCall()).
    struct Call
    {
        enum Kind { SetStates, SetState, SetColor, Render };
        Kind kind;
        AbstractStateWidget::States states;
        AbstractStateWidget::State state;
        bool on;
        std::pair<QColor, QColor> color;

        bool operator==(const Call &other) const
        {
            return kind == other.kind && states == other.states && state == other.state && on == other.on
                && color == other.color;
        }
    };

    // Entered by every setStates(), setState() and setColor(), the boxes'
    // overrides included. Returns false when the widget is already handling
    // such a call further up the stack (a render() or a widget below it called
    // back): the call is then kept and made after the outer one. Returns true
    // otherwise; the caller does its work and then calls endCall(). A call
    // equal to one already kept is not kept twice, and at most kMaxKept calls
    // are kept for one round, so that each round costs a bounded number of
    // propagations however often a render() calls back.
    bool beginCall(const Call &call);
    // Leaves a call begun with beginCall(). The outermost call then makes the
    // kept calls, in order, in at most kMaxRounds rounds (calls kept while one
    // round runs make the next round); what is still kept after that is
    // dropped with a warning. Must not be called once the widget is deleted.
    void endCall(AbstractStateWidget *q);

    // The part of setState() that is not passed on: stores the flags and
    // renders when they change.
    void applyState(AbstractStateWidget *q, AbstractStateWidget::State state, bool on);
    // The part of setColor() that is not passed on: stores and renders.
    void applyColor(AbstractStateWidget *q, AbstractStateWidget::State state, const std::pair<QColor, QColor> &color,
                    bool on);
    void storeStates(AbstractStateWidget *q, AbstractStateWidget::States states);

    // The state family's accessible interfaces (see util/accessibletext_p.h):
    // answers for the state widgets' own class names, nothing else. Installed
    // by every state widget's constructor.
    static QAccessibleInterface *accessibleInterface(const QString &className, QObject *object);
    // What a state widget says when asked: a StateLabel's name is its text;
    // the description of any state widget describes its flags once they have
    // changed (describeStates()), in the language of the moment.
    static QString accessibleText(QWidget *widget, QAccessible::Text text);

    static constexpr int kMaxRounds = 8;
    static constexpr int kMaxKept = 16;

    // The colour pair for one flag and setting: the host's, once it has set
    // any, else the default pair.
    std::pair<QColor, QColor> color(AbstractStateWidget::State state, bool on) const;
    static std::pair<QColor, QColor> defaultColor(AbstractStateWidget::State state, bool on);
    // Index into `colors` of kActive / kEnabled, off / on.
    static int colorSlot(AbstractStateWidget::State state, bool on);

    AbstractStateWidget::States states = AbstractStateWidget::kNone;
    // The four colour pairs, made from the defaults on the first setColor().
    // Most widgets keep the defaults all their life; a panel of many rows
    // then holds no copies of them.
    std::unique_ptr<std::array<std::pair<QColor, QColor>, 4>> colors;
    // The flags have changed once: from then on the widget describes them.
    bool described = false;

    int callDepth = 0;     // state and colour calls on the stack
    bool draining = false; // the outermost call is making the kept calls
    QList<Call> kept;      // calls that came in while the widget was busy
    int dropped = 0;       // calls not kept since the list was full
};

} // namespace widget
} // namespace rilo
