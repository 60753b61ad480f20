// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Autotest of the state-indicator widgets: the flag model, the frame, the state label and the box.
#include "testsupport.h"

#include <widget/flagpanel.h>
#include <widget/standardstatewidget.h>
#include <widget/statelabel.h>
#include <widget/statewidgetbox.h>
#include <widget/valuewidget.h>

#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

using namespace rilo::widget;
using W = AbstractStateWidget;
using States = W::States;
using rilotest::rows;
using Pair = std::pair<QColor, QColor>;

// A state widget that counts and logs its renders and setState() calls and runs a hook after each render.
template <typename Base>
class Spy : public Base
{
public:
    using Base::Base;
    void render() override
    {
        ++renders;
        log ? log->append(this->objectName()) : void();
        Base::render();
        if (const auto h = hook) // a copy: the hook may delete this widget
            h(this);
    }

    void setState(W::State state, bool on) override
    {
        log ? log->append(QStringLiteral("setState:") + this->objectName()) : void();
        Base::setState(state, on);
    }
    QStringList *log = nullptr;
    int renders = 0;
    std::function<void(Spy *)> hook;
};
using Frame = Spy<StandardStateWidget>;
using Box = Spy<StateWidgetBox>;
using Label = Spy<StateLabel>;
// A host's class and the factory the host installs for it before ours, which must leave the class alone.
class HostFrame : public StandardStateWidget
{
    Q_OBJECT
};
// What a host does to (a frame or box, a widget in it, another box); a render() hook to (itself, its box, its sibling).
using HostAction = std::function<void(StandardStateWidget *frame, QWidget *target, StateWidgetBox *other)>;
using Hook = std::function<void(Label *self, StateWidgetBox *box, Label *sibling)>;
Q_DECLARE_METATYPE(HostAction)
Q_DECLARE_METATYPE(Hook)
#define HOST(name, ...)                                                                                                \
    QTest::newRow(name) << HostAction([]([[maybe_unused]] StandardStateWidget *frame,                                  \
                                         [[maybe_unused]] QWidget *target,                                             \
                                         [[maybe_unused]] StateWidgetBox *other) { __VA_ARGS__; })
#define HOOK(name, ...)                                                                                                \
    QTest::newRow(name) << Hook([]([[maybe_unused]] Label *self, [[maybe_unused]] StateWidgetBox *box,                 \
                                   [[maybe_unused]] Label *sibling) { __VA_ARGS__; })

static const QColor kOrange(0xFF, 0x7A, 0x00), kDarkGrey(0x35, 0x35, 0x38), kWhite(Qt::white), kBlue(0, 0, 200);
static const QPalette::ColorGroup kGroups[] = {QPalette::Active, QPalette::Inactive, QPalette::Disabled};
// Four distinct pairs, so that every cell of the colour table is told apart.
static const Pair kActiveOn{QColor(200, 0, 0), QColor(10, 10, 10)}, kActiveOff{QColor(0, 200, 0), QColor(20, 20, 20)};
static const Pair kEnabledOn{QColor(0, 0, 200), QColor(30, 30, 30)},
    kEnabledOff{QColor(200, 200, 0), QColor(40, 40, 40)};

static Pair paletteColors(const QWidget *w, QPalette::ColorGroup group = QPalette::Active)
{
    return {w->palette().color(group, QPalette::Window), w->palette().color(group, QPalette::WindowText)};
}

static void useDistinctColors(W *w)
{
    w->setColor(W::kActive, kActiveOn, true);
    w->setColor(W::kActive, kActiveOff, false);
    w->setColor(W::kEnabled, kEnabledOn, true);
    w->setColor(W::kEnabled, kEnabledOff, false);
}

static QBoxLayout *boxLayoutOf(StateWidgetBox *box)
{
    return qobject_cast<QBoxLayout *>(box->content()->layout());
}

static QList<int> ints(const QString &row)
{
    QList<int> out;
    for (const QString &n : row.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        out << n.toInt();
    return out;
}

// The frame shows the pair its active flag selects, the content that of its enabled flag, in every group, solid.
static void verifyShowsFlags(StandardStateWidget *w)
{
    for (auto group : kGroups) {
        QCOMPARE(paletteColors(w, group), w->color(W::kActive, w->states().testFlag(W::kActive)));
        QCOMPARE(w->palette().brush(group, QPalette::Window).style(), Qt::SolidPattern);
        if (w->content())
            QCOMPARE(paletteColors(w->content(), group), w->color(W::kEnabled, w->states().testFlag(W::kEnabled)));
    }
}

static QList<std::pair<QObject *, QAccessible::Event>> heardEvents;

class TestState : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        rilotest::useTestFont();
        QAccessible::installFactory([](const QString &name, QObject *o) -> QAccessibleInterface * {
            return name == "HostFrame" ? new QAccessibleWidget(static_cast<QWidget *>(o), QAccessible::Graphic)
                                       : nullptr;
        });
    }
    void cleanup() { RILO_CHECK_NO_TOPLEVELS(); }

    void interfaceFacts()
    {
        const auto label = [](StateLabel *l) {
            const QLabel *q = l->label();
            return QString::asprintf("%dpt%s m%d a%x '%s'", q->font().pointSize(), q->font().bold() ? " bold" : "",
                                     q->margin(), int(q->alignment()), qPrintable(l->text()));
        };
        const auto box = [](StateWidgetBox *b) {
            const QBoxLayout *l = boxLayoutOf(b);
            return QString::asprintf("dir%d m%d s%d n%d", l->direction(), l->contentsMargins().top(), l->spacing(),
                                     b->count());
        };
        StandardStateWidget w;
        QString pairs;
        for (auto [state, on] :
             {std::pair(W::kActive, true), {W::kActive, false}, {W::kEnabled, true}, {W::kEnabled, false}})
            pairs += w.color(state, on).first.name(QColor::HexArgb) + '/' + w.color(state, on).second.name() + ' ';
        QCOMPARE(pairs + QString::number(w.states()),
                 "#ffff7a00/#ffffff #ff353538/#ffffff #ff353538/#ffffff #ff353538/#ffffff 0"); // defaults
        HostFrame host; // the host's factory for its class wins
        QCOMPARE(QAccessible::queryAccessibleInterface(&host)->role(), QAccessible::Graphic);
        QCOMPARE(QString::asprintf("%s %d%d s%d", w.content()->metaObject()->className(), w.autoFillBackground(),
                                   w.content()->autoFillBackground(), w.layout()->spacing()),
                 "QWidget 11 s0"); // null content
        QCOMPARE(W::describeStates(W::kNone) + '|' + W::describeStates(W::kActive) + '|'
                     + W::describeStates(W::kEnabled) + '|' + W::describeStates(States(7)), // unknown bits too
                 "inactive, not enabled|active, not enabled|inactive, enabled|active, enabled");
        StateLabel made(QStringLiteral("0.000"), 11, Qt::AlignRight);
        QWidget parent;
        QCOMPARE(label(&made), "11pt m2 a2 '0.000'"); // as given
        QFont bold = made.label()->font();
        bold.setBold(true);
        made.label()->setFont(bold);
        made.setPointSize(16);
        QCOMPARE(label(&made), "16pt bold m2 a2 '0.000'");         // the point size changes the size alone
        QCOMPARE(label(new StateLabel(&parent)), "9pt m2 a81 ''"); // for forms
        StateWidgetBox column(QBoxLayout::TopToBottom);
        QVERIFY(box(&column) == "dir2 m3 s3 n0" && box(new StateWidgetBox(&parent)) == "dir0 m3 s3 n0");
    }

    void flagAndColorCallsRender_data()
    {
        // Flags: "flags before, call, flags after, renders"; +n: setState(n, true), -n: setState(n, false), =n:
        // setStates(n). Colours: "c state on, which of active on/off and enabled on/off change".
        rows({"0 +1 1 1",   "1 +1 1 0",   "0 -1 0 0",   "2 +2 2 0",   "1 +2 3 1",   "3 -2 1 1",
              "1 +3 3 1",   "2 -3 0 1",   "3 +3 3 0",   "1 +0 1 0",   "3 -0 3 0",   "0 =0 0 0",
              "3 =3 3 0",   "1 =2 2 1",   "0 =5 5 1",   "c 1 1 1000", "c 1 0 0100", "c 2 1 0010",
              "c 2 0 0001", "c 3 1 1010", "c 3 0 0101", "c 0 1 0000", "c 7 1 0000", "c -1 0 0000"});
    }

    void flagAndColorCallsRender()
    {
        QFETCH(QString, row);
        const QStringList r = row.split(QLatin1Char(' '));
        Frame w;
        if (r[0] == QLatin1String("c")) {
            const auto table = [&w] {
                return QVector<Pair>{w.color(W::kActive, true), w.color(W::kActive, false), w.color(W::kEnabled, true),
                                     w.color(W::kEnabled, false)};
            };
            const QVector<Pair> before = table();
            const Pair pink{QColor(255, 0, 255), QColor(1, 2, 3)};
            for (int renders = 1; renders <= 2; ++renders) { // the same pair again still renders
                w.setColor(W::State(r[1].toInt()), pink, r[2] == QLatin1String("1"));
                QCOMPARE(w.renders, renders);
            }
            for (int i = 0; i < 4; ++i)
                QCOMPARE(table().at(i), r[3].at(i) == QLatin1Char('1') ? pink : before.at(i));
            return;
        }
        const int initial = r[0].toInt(), arg = r[1].mid(1).toInt();
        const QColor ordinary = QWidget().palette().color(QPalette::Window);
        w.setStates(States(initial));
        if (!initial) // not rendered yet: the ordinary palette
            QVERIFY(w.palette().color(QPalette::Window) == ordinary
                    && w.content()->palette().color(QPalette::Window) == ordinary);
        useDistinctColors(&w);
        w.renders = 0;
        r[1][0] == QLatin1Char('=') ? w.setStates(States(arg)) : w.setState(W::State(arg), r[1][0] == QLatin1Char('+'));
        QVERIFY(int(w.states()) == r[2].toInt() && w.renders == r[3].toInt());
        verifyShowsFlags(&w);
        // kNone and kAll read what the frame shows; states out of range read nothing.
        QVERIFY(w.color(W::kNone, true) == paletteColors(&w) && w.color(W::kAll, false) == paletteColors(&w));
        QVERIFY(!w.color(W::State(4), true).first.isValid() && !w.color(W::State(-1), false).second.isValid());
        // Colour alone tells a screen reader nothing: the description follows the flags.
        QCOMPARE(rilotest::spoken(&w, QAccessible::Description),
                 initial || w.renders ? W::describeStates(w.states()) : QString());
    }

    void renderOwnsColorsAGroupLeftToTheParent()
    {
        // The host leaves one colour group (Qt 6 tells them apart) or the text in every group (3) to a parent showing
        // the same: a render makes them the frame's own, or a later change of the parent shows there.
        for (int inherited = 0; inherited < 4; ++inherited) { // a QPalette::ColorGroup, or 3
            QWidget parent;
            auto *w = new StandardStateWidget(nullptr, &parent);
            w->render();
            const Pair frame = paletteColors(w);
            QPalette shared = parent.palette(), own;
            for (auto group : kGroups) {
                const bool text = group == inherited || inherited == 3;
                shared.setBrush(group, QPalette::Window, group == inherited ? frame.first : Qt::red);
                shared.setBrush(group, QPalette::WindowText, text ? frame.second : Qt::red);
                group == inherited ? void() : own.setBrush(group, QPalette::Window, frame.first);
                text ? void() : own.setBrush(group, QPalette::WindowText, frame.second);
            }
            parent.setPalette(shared);
            w->setPalette(own);
            w->render();
            parent.setPalette(QPalette(Qt::red)); // red window, black text
            for (auto group : kGroups)
                QCOMPARE(paletteColors(w, group), frame);
        }
    }

    void setContentReplacesAdoptsAndDeletesLater()
    {
        Frame w;
        useDistinctColors(&w);
        w.setState(W::kEnabled, true);
        QPointer<QWidget> first = w.content();
        w.renders = 0;
        w.setContent(first); // the current one: nothing happens
        QCOMPARE(w.renders, 0);
        QPointer<QLabel> second = new QLabel;
        w.setContent(second); // adopted, laid out and rendered at once; the old one goes later
        QVERIFY(w.renders == 1 && w.content() == second && w.layout()->itemAt(0)->widget() == second && first);
        QVERIFY(second->autoFillBackground() && paletteColors(second) == kEnabledOn && w.layout()->count() == 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first);
        w.setContent(nullptr); // leaves the frame empty and renders nothing
        QVERIFY(w.renders == 1 && !w.content() && w.layout()->count() == 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!second);
        w.setState(W::kActive, true);
        QCOMPARE(paletteColors(&w, QPalette::Disabled), kActiveOn);
        // The host deletes the frame's layout: the next call that needs one makes it anew, with the ring kept.
        w.setBorderWidth(3);
        delete w.layout();
        w.setContent(new QLabel);
        QVERIFY(w.layout()->indexOf(w.content()) == 0 && w.layout()->contentsMargins() == QMargins(3, 3, 3, 3));
        delete w.layout(); // made anew by a ring change too, holding the content
        w.setBorderWidth(4);
        QVERIFY(w.layout()->indexOf(w.content()) == 0);
        // The host installs a layout of its own: a new content is the frame's, laid out by nobody.
        delete w.layout();
        auto *own = new QHBoxLayout(&w);
        auto *third = new QLabel;
        w.show();
        w.setContent(third);
        w.setBorderWidth(2); // the host's layout keeps its own margins
        QVERIFY(w.content() == third && third->isVisible() && own->count() == 0 && own->contentsMargins().left() != 2);
        delete third; // a content the host deletes is no longer the frame's
        QCOMPARE(w.content(), nullptr);
        w.setState(W::kActive, false);
        QCOMPARE(paletteColors(&w), kActiveOff);
    }

    // Name and description changes reach a listener (switched on as a screen reader does) for texts the host left.
    void accessibilityChangesReachAListenerOnly()
    {
        heardEvents.clear();
        const auto previous = QAccessible::installUpdateHandler([](QAccessibleEvent *e) {
            heardEvents.append({e->object(), e->type()});
        });
        StateLabel named(QStringLiteral("CH1"));
        StandardStateWidget frame;
        measure::ValueWidget value;
        FlagPanelState lamps;
        lamps.setFlag(true, 0);
        QWidget *lamp = lamps.findChildren<QWidget *>().last();
        QList<int> heard; // while nobody listens, while a listener is active, for the host's texts
        const auto count = [&] {
            int n = 0;
            for (auto event : {std::pair<QObject *, QAccessible::Event>(&named, QAccessible::NameChanged),
                               {&frame, QAccessible::DescriptionChanged},
                               {&value, QAccessible::NameChanged},
                               {lamp, QAccessible::NameChanged},
                               {&lamps, QAccessible::DescriptionChanged},
                               {&lamps, QAccessible::NameChanged}})
                n += heardEvents.contains(event);
            heard << n;
        };
        const auto change = [&](const QString &text, W::State state) {
            named.setText(text);
            frame.setState(state, !frame.states().testFlag(state));
            value.setValue(text);
            lamps.setFlag(text.endsWith('3'), 0);
            lamps.setTitle(text);
        };
        QCOMPARE(rilotest::spoken(&frame, QAccessible::Description), QString()); // no flag has changed yet
        change(QStringLiteral("CH2"), W::kActive);
        count();
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        change(QStringLiteral("CH3"), W::kEnabled);
        count();
        QCOMPARE(rilotest::spoken(&frame, QAccessible::Help), QString()); // the flags describe, nothing else
        // The lamps cleared, cleared again, shown again, set again; the unit changed on every other step; a text
        // flag's label announces its own new text, once.
        FlagPanelText texts;
        texts.setFlag(QStringLiteral("-"), 0);
        auto *textFlag = texts.findChild<QLabel *>();
        for (int step = 0; step < 4; ++step) {
            heardEvents.clear();
            step < 2 ? lamps.clearFlags() : lamps.setFlag(true, 0);
            value.setUnit(QString::number(step / 2));
            texts.setFlag(QString::number(step), 0);
            heard << heardEvents.contains({&lamps, QAccessible::DescriptionChanged})
                         + 2 * heardEvents.contains({&value, QAccessible::NameChanged})
                         + 4 * int(heardEvents.count({textFlag, QAccessible::NameChanged}));
        }
        for (QWidget *w : std::initializer_list<QWidget *>{&named, &value, lamp, &lamps}) // the host's texts stay
            w->setAccessibleName(QStringLiteral("Channel"));
        frame.setAccessibleDescription(QStringLiteral("Relay"));
        lamps.setAccessibleDescription(QStringLiteral("Relays"));
        heardEvents.clear();
        change(QStringLiteral("CH4"), W::kActive);
        count();
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
        QAccessible::installUpdateHandler(previous);
        QCOMPARE(heard, QList<int>({0, 6, 7, 4, 7, 4, 0}));
    }

    void insertKeepsListAndLayoutInStep_data()
    {
        // "script = list|layout"; x: add(x); x@i: insert(i, x); 0: null; _: addStretch(); _@i: insertStretch(i).
        // An index past the end or negative appends; a repeat or null is ignored; a stretch in front shifts the layout.
        rows({"a b c = abc|abc", "a b c@0 = cab|cab", "a b c@7 = abc|abc", "a b c@-2 = abc|abc",
              "_@0 a b c@1 = acb|_cab", "a _ b c@2 = abc|a_cb", "a b a@0 b = ab|ab", "0 a 0@0 = a|a",
              "a _@99 b = ab|a_b"});
    }

    void insertKeepsListAndLayoutInStep()
    {
        QFETCH(QString, row);
        const QString items = row.section(QLatin1String(" = "), 1);
        auto *box = new StateWidgetBox;
        QMap<QString, StateLabel *> made;
        for (const QString &step : row.section(QLatin1String(" = "), 0, 0).split(QLatin1Char(' '))) {
            const QString name = step.section(QLatin1Char('@'), 0, 0);
            const int at = step.section(QLatin1Char('@'), 1).toInt();
            if (name == QLatin1String("_")) {
                step.contains(QLatin1Char('@')) ? box->insertStretch(at, 1) : box->addStretch(1);
                continue;
            }
            if (name != QLatin1String("0") && !made.contains(name)) {
                made[name] = new StateLabel;
                made[name]->setObjectName(name);
            }
            step.contains(QLatin1Char('@')) ? box->insert(at, made.value(name)) : box->add(made.value(name));
        }
        QString out; // the widgets by name in list order, then the layout's items (stretches as "_")
        for (int i = 0; i < box->count(); ++i)
            out += box->widget(i)->objectName();
        out += QLatin1Char('|');
        for (int i = 0; QLayoutItem *item = boxLayoutOf(box)->itemAt(i); ++i)
            out += item->widget() ? item->widget()->objectName() : QStringLiteral("_");
        QCOMPARE(out, items);
        delete box;
    }

    void destructorsDeleteWhileStillThemselves()
    {
        // The box deletes its widgets, depth first, and layout while a box; its frame part the content and grid.
        auto *box = new StateWidgetBox, *inner = new StateWidgetBox;
        auto *nested = new StateLabel, *a = new StateLabel, *b = new StateLabel;
        inner->add(nested);
        box->add(a);
        box->add(b);
        box->insert(0, inner);
        const QObjectList objects{a, b, inner, nested, box->content()->layout(), box->content(), box->layout()};
        const char *const names[] = {"a", "b", "inner", "nested", "layout", "content", "grid"};
        QStringList order;
        for (int i = 0; i < objects.size(); ++i)
            connect(objects[i], &QObject::destroyed, this, [&order, box, name = names[i]] {
                order << QString(name) + ' ' + static_cast<QObject *>(box)->metaObject()->className();
            });
        delete box;
        QCOMPARE(order.join(QLatin1Char(',')).remove(QStringLiteral("rilo::widget::")),
                 QStringLiteral("nested StateWidgetBox,inner StateWidgetBox,a StateWidgetBox,b StateWidgetBox,"
                                "layout StateWidgetBox,content StandardStateWidget,grid StandardStateWidget"));
    }

    void boxPropagatesDepthFirst_data()
    {
        // "call (0 setState, 1 setStates, 2 setColor, 3 render), active flag before, states of outer inner a b c: log".
        // outer { inner { a, b }, c }: a changed box renders itself and all below, then hands the call on, depth first.
        rows({"0 0 11111: setState:outer outer inner a b c setState:inner inner a b setState:a a setState:b b "
              "setState:c c",
              "0 1 11111: setState:outer setState:inner setState:a setState:b setState:c",
              "1 0 10000: outer inner a b c", "2 0 00000: outer inner a b c inner a b a b c",
              "3 1 11111: outer inner a b c"});
    }

    void boxPropagatesDepthFirst()
    {
        QFETCH(QString, row);
        const QList<int> r = ints(row.section(QLatin1Char(':'), 0, 0));
        QStringList log;
        const auto spy = [&log](auto *w, const char *name) {
            w->setObjectName(QLatin1String(name));
            w->log = &log;
            return w;
        };
        Box outer;
        spy(&outer, "outer");
        auto *inner = spy(new Box, "inner");
        auto *a = spy(new Frame, "a"), *b = spy(new Frame, "b"), *c = spy(new Frame, "c");
        inner->add(a);
        inner->add(b);
        outer.add(inner);
        outer.add(c);
        outer.setState(W::kActive, r[1]);
        useDistinctColors(&outer);
        log.clear();
        const Pair red{Qt::red, Qt::black};
        const std::function<void()> calls[] = {[&] { outer.setState(W::kActive, true); },
                                               [&] { outer.setStates(W::kActive); },
                                               [&] { outer.setColor(W::kAll, red, false); }, [&] { outer.render(); }};
        calls[r[0]]();
        QCOMPARE(log.join(QLatin1Char(' ')), row.section(QLatin1String(": "), 1));
        QString states;
        for (StandardStateWidget *w : std::initializer_list<StandardStateWidget *>{&outer, inner, a, b, c}) {
            states += QString::number(int(w->states()));
            verifyShowsFlags(w);
            if (r[0] == 2)
                QVERIFY(w->color(W::kActive, false) == red && w->color(W::kEnabled, false) == red
                        && w->color(W::kActive, true) == kActiveOn);
        }
        QCOMPARE(states, row.section(QLatin1Char(' '), 2, 2).chopped(1));
    }

    void hostileHostsAreSurvived_data()
    {
        // The host takes "target" from a box (rows "box: ...") or the label from a state label.
        QTest::addColumn<HostAction>("take");
        QTest::addColumn<bool>("survives"); // the target outlives its first owner
        HOST("box: widget deleted", delete target) << false;
        HOST("box: widget re-parented", target->setParent(other)) << true;
        HOST("box: widget moved to another box", other->add(static_cast<W *>(target))) << true;
        HOST("label: deleted", delete target) << false;
        HOST("label: replaced by a plain widget", frame->setContent(new QWidget)) << false;
        HOST("label: removed", frame->setContent(nullptr)) << false;
        HOST("label: taken by another frame", other->setContent(target)) << true;
        HOST("label: replaced by a new label", frame->setContent(new QLabel)) << false;
    }

    void hostileHostsAreSurvived()
    {
        QFETCH(HostAction, take);
        const bool fromBox = QByteArray(QTest::currentDataTag()).startsWith("box");
        StateWidgetBox other;
        auto box = std::make_unique<StateWidgetBox>();
        auto *b = new StateLabel;
        auto label = std::make_unique<StateLabel>(QStringLiteral("first"));
        QPointer<QWidget> target = fromBox ? static_cast<QWidget *>(new StateLabel) : label->label();
        box->add(static_cast<W *>(fromBox ? target.data() : nullptr));
        box->add(b);
        take(fromBox ? static_cast<StandardStateWidget *>(box.get()) : label.get(), target, &other);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        box->setState(W::kAll, true); // reaches neither the box's lost widget nor the label's
        label->setState(W::kAll, true);
        QVERIFY(box->count() == 1 && box->widget(0) == b && b->states() == W::kAll);
        label->setText(QStringLiteral("later"));
        label->setPointSize(20);
        label->setMargin(4);
        label->setAlignment(Qt::AlignRight);
        if (auto *gone = qobject_cast<QLabel *>(target))
            QCOMPARE(gone->text(), QStringLiteral("first")); // not ours to change
        QLabel *now = label->label();                        // looked up each time: the label left, or a new one
        QCOMPARE(label->text(), now ? QStringLiteral("later") : QString());
        if (now)
            QVERIFY(now->margin() == 4 && now->font().pointSize() == 20 && now->alignment() == Qt::AlignRight
                    && paletteColors(now) == Pair(kDarkGrey, kWhite));
        box.reset();
        label.reset();
        QTEST(!target.isNull(), "survives");
    }

    void boxFollowsReplacedContent_data() { rows({"0 plain widget", "1 box layout", "2 grid layout", "3 no content"}); }

    void boxFollowsReplacedContent()
    {
        const int kind = QTest::currentDataTag()[0] - '0'; // the new content
        const bool takesWidgets = kind < 2;
        StateWidgetBox box;
        QPointer<StateLabel> old = new StateLabel;
        box.add(old);
        box.setMargin(5);
        box.setDirection(QBoxLayout::BottomToTop);
        QCOMPARE(boxLayoutOf(&box)->direction(), QBoxLayout::BottomToTop);
        QWidget *content = kind == 3 ? nullptr : new QWidget;
        QPointer<QBoxLayout> hostLayout = kind == 1 ? new QVBoxLayout(content) : nullptr;
        kind == 2 ? void(new QGridLayout(content)) : void();
        box.setContent(content);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!old && box.count() == 0); // went with the old content
        box.setState(W::kActive, true);
        auto fresh = std::make_unique<StateLabel>();
        box.add(fresh.get());
        box.setSpacing(7);
        QCOMPARE(box.widget(0), takesWidgets ? fresh.get() : nullptr);
        if (!takesWidgets) {
            QCOMPARE(fresh->parentWidget(), nullptr); // still the caller's
            return;
        }
        auto *layout = qobject_cast<QBoxLayout *>(fresh.release()->parentWidget()->layout());
        QVERIFY(layout->indexOf(box.widget(0)) == 0 && layout->spacing() == 7 && content->layout() == layout);
        QVERIFY(kind == 1 ? layout == hostLayout
                          : layout->contentsMargins() == QMargins(5, 5, 5, 5)
                                && layout->direction() == QBoxLayout::BottomToTop);
        box.setState(W::kEnabled, true);
        QCOMPARE(box.widget(0)->states(), States(W::kEnabled));
    }

    void callsFromRenderAreSafeAndBounded_data()
    {
        // "the hook runs once (or at every render), the box's count (-1: deleted), the box's states, the changes
        // dropped as the warning counts them, renders of the hooked label (-2: deleted)"
        QTest::addColumn<Hook>("hook");
        QTest::addColumn<QString>("row");
        HOOK("toggles its own flag", self->setState(W::kEnabled, !self->states().testFlag(W::kEnabled)))
            << "0 2 1 2 19";
        HOOK("toggles the box's flag", box->setState(W::kEnabled, !box->states().testFlag(W::kEnabled)))
            << "0 2 1 1 18";
        HOOK("sets the box's colour", box->setColor(W::kActive, {Qt::red, Qt::black}, true)) << "0 2 1 1 18";
        HOOK("replaces its content", self->setContent(new QLabel)) << "0 2 1 2 35";
        HOOK("repeats the change", box->setState(W::kActive, true)) << "0 2 1 0 2";
        HOOK("renders the box", box->render()) << "0 2 1 0 3";
        HOOK("sets the box's flags", box->setStates(W::kEnabled)) << "1 2 2 0 3";
        HOOK("repeats one call 20 times", for (int i = 0; i < 20; ++i) box->setState(W::kEnabled, true)) << "1 2 3 0 4";
        HOOK("keeps 16 of 20 calls",
             for (int i = 0; i < 20; ++i) box->setColor(W::kEnabled, {QColor(i, 0, 0), Qt::black}, true))
            << "1 2 1 4 34";
        HOOK("adds to the box", box->insert(0, new StateLabel)) << "1 3 1 0 2";
        HOOK("replaces the box's content, takes its sibling", box->setContent(new QWidget); box->add(sibling))
            << "1 1 1 0 1";
        HOOK("deletes its sibling", delete sibling) << "1 1 1 0 2";
        HOOK("moves its sibling away", sibling->setParent(box)) << "1 1 1 0 2";
        HOOK("deletes itself", delete self) << "0 1 1 0 -2";
        HOOK("deletes the box", delete box) << "0 -1 0 0 -2";
    }

    void callsFromRenderAreSafeAndBounded()
    {
        QFETCH(Hook, hook);
        QFETCH(QString, row);
        const bool once = row.startsWith(QLatin1Char('1'));
        QPointer<StateWidgetBox> box = new StateWidgetBox;
        QPointer<Label> hooked = new Label, sibling = new Label;
        box->add(hooked);
        box->add(sibling);
        hooked->hook = [hook, once, box = box.data(), sibling = sibling.data()](Label *self) {
            if (once)
                self->hook = nullptr;
            hook(self, box, sibling);
        };
        static int dropped;
        static QtMessageHandler previous;
        dropped = 0;
        previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &text) {
            const auto match = QRegularExpression(QStringLiteral("^rilo::widget: (\\d+) state change\\(s\\) made from "
                                                                 "render\\(\\) dropped after 8 rounds"))
                                   .match(text);
            const QString n = match.captured(1); // a warning that drops nothing counts 100
            match.hasMatch() ? void(dropped += n == QLatin1String("0") ? 100 : n.toInt())
                             : previous(type, context, text);
        });
        box->setState(W::kActive, true);
        qInstallMessageHandler(previous);
        const QList<int> seen{once, box ? box->count() : -1, box ? int(box->states()) : 0, dropped,
                              hooked ? hooked->renders : -2};
        QCOMPARE(seen, ints(row));
        for (int i = 0; box && i < box->count(); ++i) // whatever the hook did, every widget listed got the change
            QVERIFY(box->widget(i)->states().testFlag(W::kActive));
        hooked ? void(hooked->hook = nullptr) : void();
        delete sibling.data();
        delete box.data();
    }

    void cyclesAreRefused_data()
    {
        // On: the top box (frame), a label three boxes down (target), the box holding it (other).
        QTest::addColumn<HostAction>("attempt");
        HOST("box into itself", static_cast<StateWidgetBox *>(frame)->add(static_cast<W *>(frame)));
        HOST("box into the box it sits in", other->insert(0, static_cast<W *>(other->parentWidget()->parentWidget())));
        HOST("box into a box two levels down", other->add(static_cast<W *>(frame)));
        HOST("frame as its own content", static_cast<StateLabel *>(target)->setContent(target));
        HOST("frame's parent as its content", static_cast<StateLabel *>(target)->setContent(other->content()));
        HOST("frame's grandparent as its content", static_cast<StateLabel *>(target)->setContent(other));
        HOST("box's own content into the box", auto *box = new StateWidgetBox; other->add(box);
             auto *inner = new StateLabel; box->setContent(inner);
             box->add(inner)); // a box may frame a state widget, but not hold it as well
        HOST("parent as content at construction", new StandardStateWidget(other, other));
    }

    void cyclesAreRefused()
    {
        QFETCH(HostAction, attempt);
        StateWidgetBox top;
        auto *middle = new StateWidgetBox, *bottom = new StateWidgetBox;
        top.add(middle);
        middle->add(bottom);
        auto *label = new StateLabel;
        bottom->add(label);
        if (!QByteArray(QTest::currentDataTag()).endsWith("construction"))
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot hold")));
        attempt(&top, label, bottom);
        for (QWidget *w : top.findChildren<QWidget *>()) { // no widget became its own ancestor or holds its own frame
            int depth = 0;
            for (QWidget *p = w; p; p = p->parentWidget())
                QVERIFY2(++depth < 50, "cycle in the object tree");
            if (auto *box = qobject_cast<StateWidgetBox *>(w))
                QVERIFY(box == middle || box == bottom || box->count() == 0);
            if (auto *frame = qobject_cast<StandardStateWidget *>(w))
                QVERIFY(frame->content() && frame->content()->parentWidget() == frame);
        }
        QVERIFY(top.count() == 1 && bottom->widget(0) == label);
    }

    void outOfRangeValuesAreClamped_data()
    {
        // "value given; the frame ring, box and label margins, spacing (-1: the style's), stretches, point size taken"
        rows({"2147483647 1000 1000 1000 1000 1000", "1001 1000 1000 1000 1000 1000", "6 6 6 6 6 6", "0 0 0 0 0 9",
              "-1 0 0 -1 0 9", "-2147483648 0 0 -1 0 9"});
    }

    void outOfRangeValuesAreClamped()
    {
        QFETCH(QString, row);
        const QList<int> r = ints(row);
        const int value = r[0], border = r[1], margin = r[2];
        StateWidgetBox box;
        auto *label = new StateLabel;
        box.add(label);
        box.addStretch(1);
        box.insertStretch(0, value);
        box.setBorderWidth(value);
        box.setMargin(value);
        box.setSpacing(value);
        box.setStretch(2, value);
        label->setMargin(value);
        label->setPointSize(value);
        QWidget plain;
        auto *styled = new QHBoxLayout(&plain); // the style's spacing
        QCOMPARE(box.layout()->contentsMargins(), QMargins(border, border, border, border));
        QCOMPARE(boxLayoutOf(&box)->contentsMargins(), QMargins(margin, margin, margin, margin));
        QCOMPARE(boxLayoutOf(&box)->spacing(), r[3] < 0 ? styled->spacing() : r[3]);
        QVERIFY(boxLayoutOf(&box)->stretch(0) == r[4] && boxLayoutOf(&box)->stretch(2) == r[4]);
        QVERIFY(label->label()->font().pointSize() == r[5] && label->label()->margin() == margin);
        box.resize(3000, 3000);
        box.layout()->activate(); // the geometry stays computable
        QCOMPARE(box.content()->pos(), QPoint(border, border));
    }
};

QTEST_MAIN(TestState)
#include "tst_state.moc"
