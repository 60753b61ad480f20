// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Decodes its input into a sequence of public calls on a small tree of state
// widgets, labels, boxes and readout panels, made the way a careless or
// hostile host would make them: adding and inserting at any index, deleting
// and re-parenting widgets behind the boxes' backs, replacing contents,
// deleting labels the library holds, render() overrides that call back,
// delete their siblings or their box, deferred deletes. After every step it
// checks what the boxes promise:
//  - count() equals the number of live widgets the box lists, each listed
//    widget is a child of the box's content, none is listed twice;
//  - after a box-level setState() that no render() disturbed, every widget
//    listed below the box carries the flags that were set;
//  - the object tree has no cycle;
// and, through AddressSanitizer and UndefinedBehaviorSanitizer, that nothing
// reads freed memory. A hang shows up as a libFuzzer timeout.
#include <widget/powersupplylcd.h>
#include <widget/statelabel.h>
#include <widget/statewidgetbox.h>
#include <widget/valuewidget.h>

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPointer>
#include <QSet>
#include <QVBoxLayout>

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace rilo::widget;
using rilo::widget::measure::PowerSupplyLCD;
using rilo::widget::measure::ValueWidget;

namespace {

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

// The input, read a byte or a number at a time; zeros once it is used up.
class Reader
{
public:
    Reader(const uint8_t *data, size_t size)
        : m_data(data)
        , m_size(size)
    {
    }
    bool atEnd() const { return m_pos >= m_size; }
    uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    bool flag() { return byte() & 1; }
    // Mostly small numbers, sometimes the extremes.
    int number()
    {
        switch (byte() % 8) {
        case 0:
            return INT_MAX;
        case 1:
            return INT_MIN;
        case 2:
            return -1 - byte();
        default:
            return byte();
        }
    }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_pos = 0;
};

// Set by the render() hooks that change flags or lists while a box passes a
// call on; the flag check after setState() then does not apply.
bool g_disturbed = false;

// A state label whose render() calls back into the library.
class Probe : public StateLabel
{
public:
    enum Hook {
        None,
        ToggleOwn,
        ToggleBox,
        RepeatOnBox,
        ColorBox,
        RenderBox,
        AddToBox,
        DeleteSibling,
        MoveSibling,
        DeleteSelf,
        DeleteLaterSelf,
        DeleteBox,
        ReplaceContent,
        HookCount
    };
    Hook hook = None;

    void render() override
    {
        StateLabel::render();
        StateWidgetBox *box = boxOf(this);
        switch (hook) {
        case None:
        case HookCount:
            break;
        case ToggleOwn:
            g_disturbed = true;
            setState(kActive, !states().testFlag(kActive));
            break;
        case ToggleBox:
            g_disturbed = true;
            if (box)
                box->setState(kEnabled, !box->states().testFlag(kEnabled));
            break;
        case RepeatOnBox:
            g_disturbed = true;
            if (box)
                box->setState(kActive, true);
            break;
        case ColorBox:
            g_disturbed = true;
            if (box)
                box->setColor(kAll, {Qt::red, Qt::blue}, true);
            break;
        case RenderBox:
            if (box)
                box->render();
            break;
        case AddToBox:
            g_disturbed = true;
            hook = None;
            if (box) {
                auto *label = new StateLabel;
                box->insert(0, label);
                if (!label->parentWidget())
                    delete label; // refused: still ours
            }
            break;
        case DeleteSibling:
            hook = None;
            if (box && box->count() > 1)
                delete box->widget(box->widget(0) == this ? 1 : 0);
            break;
        case MoveSibling:
            hook = None;
            if (box && box->count() > 1)
                box->widget(box->widget(0) == this ? 1 : 0)->setParent(box);
            break;
        case DeleteSelf:
            delete this;
            break;
        case DeleteLaterSelf:
            deleteLater();
            break;
        case DeleteBox:
            delete box;
            break;
        case ReplaceContent:
            setContent(new QLabel(QStringLiteral("again")));
            break;
        }
    }

    static StateWidgetBox *boxOf(QWidget *w)
    {
        QWidget *content = w->parentWidget();
        auto *box = content ? qobject_cast<StateWidgetBox *>(content->parentWidget()) : nullptr;
        return box && box->content() == content ? box : nullptr;
    }
};

class Session
{
public:
    explicit Session(Reader &in)
        : in(in)
    {
    }

    ~Session()
    {
        for (const QPointer<QWidget> &w : roots) {
            if (w && !w->parentWidget())
                delete w.data();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const auto left = QApplication::topLevelWidgets();
        for (QWidget *w : left)
            delete w;
        if (!left.isEmpty())
            fail("a widget the library was given was left without an owner");
    }

    void run()
    {
        for (int steps = 0; !in.atEnd() && steps < 200; ++steps) {
            step();
            check();
        }
    }

private:
    // Every live state widget at or below the widgets the session made, the
    // library's own inner boxes and labels included.
    QList<AbstractStateWidget *> all() const
    {
        QList<AbstractStateWidget *> result;
        QSet<AbstractStateWidget *> seen;
        for (const QPointer<QWidget> &root : roots) {
            if (!root)
                continue;
            auto *top = qobject_cast<AbstractStateWidget *>(root.data());
            QList<AbstractStateWidget *> found = root->findChildren<AbstractStateWidget *>();
            if (top)
                found.prepend(top);
            for (AbstractStateWidget *w : found) {
                if (!seen.contains(w)) {
                    seen.insert(w);
                    result.append(w);
                }
            }
        }
        return result;
    }

    template <typename T>
    T *pick()
    {
        QList<T *> candidates;
        for (AbstractStateWidget *w : all()) {
            if (auto *t = dynamic_cast<T *>(w))
                candidates.append(t);
        }
        const uint8_t b = in.byte();
        return candidates.isEmpty() ? nullptr : candidates.at(b % candidates.size());
    }

    AbstractStateWidget *make()
    {
        switch (in.byte() % 5) {
        case 0:
            return new Probe;
        case 1:
            return new StateLabel(QStringLiteral("x"));
        case 2:
            return new StateWidgetBox(QBoxLayout::Direction(in.byte() % 4));
        case 3:
            return new ValueWidget;
        default:
            return new PowerSupplyLCD(in.byte() % 3, in.byte() % 3, in.byte() % 3);
        }
    }

    QWidget *newContent()
    {
        switch (in.byte() % 6) {
        case 0:
            return nullptr;
        case 1:
            return new QWidget;
        case 2:
            return new QLabel(QStringLiteral("new"));
        case 3: {
            auto *w = new QWidget;
            new QVBoxLayout(w);
            return w;
        }
        case 4: {
            auto *w = new QWidget;
            new QGridLayout(w);
            return w;
        }
        default:
            return pick<AbstractStateWidget>(); // may be an ancestor: must be refused
        }
    }

    static bool isAncestorOrSelf(const QWidget *candidate, const QWidget *w)
    {
        for (int n = 0; w && n < 1000; w = w->parentWidget(), ++n) {
            if (w == candidate)
                return true;
        }
        return false;
    }

    void step()
    {
        g_disturbed = false;
        switch (in.byte() % 20) {
        case 0:
            if (roots.size() < 16)
                roots.append(make());
            break;
        case 1:
            if (StateWidgetBox *box = pick<StateWidgetBox>())
                box->add(pick<AbstractStateWidget>());
            break;
        case 2:
            if (StateWidgetBox *box = pick<StateWidgetBox>()) {
                const int index = int(int8_t(in.byte()));
                box->insert(index, pick<AbstractStateWidget>());
            }
            break;
        case 3:
            delete pick<AbstractStateWidget>();
            break;
        case 4:
            if (AbstractStateWidget *w = pick<AbstractStateWidget>()) {
                // Re-parenting is Qt's own call; the session keeps it from
                // closing a cycle, which Qt does not check.
                QWidget *target = in.flag() ? nullptr : pick<AbstractStateWidget>();
                if (target && in.flag() && qobject_cast<StandardStateWidget *>(target))
                    target = static_cast<StandardStateWidget *>(target)->content();
                if (!target || !isAncestorOrSelf(w, target)) {
                    const bool top = !target;
                    w->setParent(target);
                    if (top)
                        roots.append(w);
                }
            }
            break;
        case 5:
            if (AbstractStateWidget *w = pick<AbstractStateWidget>())
                w->deleteLater();
            break;
        case 6:
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            break;
        case 7:
            if (StandardStateWidget *frame = pick<StandardStateWidget>()) {
                QWidget *content = newContent();
                const bool cycle = content && isAncestorOrSelf(content, frame);
                frame->setContent(content);
                if (cycle && frame->content() == content)
                    fail("setContent() took an ancestor");
            }
            break;
        case 8:
            if (AbstractStateWidget *w = pick<AbstractStateWidget>()) {
                const auto state = AbstractStateWidget::State(in.byte() % 4);
                const bool on = in.flag();
                const QPointer<AbstractStateWidget> guard(w);
                w->setState(state, on);
                if (guard && !g_disturbed)
                    checkFlags(guard, state, on);
            }
            break;
        case 9:
            if (AbstractStateWidget *w = pick<AbstractStateWidget>())
                w->setStates(AbstractStateWidget::States(int(in.byte() % 4)));
            break;
        case 10:
            if (AbstractStateWidget *w = pick<AbstractStateWidget>()) {
                const QColor a(in.byte(), in.byte(), in.byte());
                const QColor b(in.byte(), in.byte(), in.byte());
                w->setColor(AbstractStateWidget::State(in.byte() % 5), {a, b}, in.flag());
            }
            break;
        case 11:
            if (AbstractStateWidget *w = pick<AbstractStateWidget>())
                w->render();
            break;
        case 12:
            if (Probe *p = pick<Probe>())
                p->hook = Probe::Hook(in.byte() % Probe::HookCount);
            break;
        case 13:
            if (StandardStateWidget *frame = pick<StandardStateWidget>())
                frame->setBorderWidth(in.number());
            break;
        case 14:
            if (StateLabel *label = pick<StateLabel>()) {
                switch (in.byte() % 5) {
                case 0:
                    label->setText(QString::number(in.byte()));
                    break;
                case 1:
                    label->setPointSize(in.number());
                    break;
                case 2:
                    label->setMargin(in.number());
                    break;
                case 3:
                    delete label->label();
                    break;
                default:
                    label->setAlignment(Qt::AlignRight);
                    break;
                }
            }
            break;
        case 15:
            if (ValueWidget *value = pick<ValueWidget>()) {
                switch (in.byte() % 4) {
                case 0:
                    value->setValue(QString::number(in.byte()));
                    break;
                case 1:
                    value->setUnit(QStringLiteral("A"));
                    break;
                case 2:
                    delete value->valueWidget();
                    break;
                default:
                    delete value->unitWidget();
                    break;
                }
                (void)value->value();
                (void)value->unit();
            }
            break;
        case 16:
            if (PowerSupplyLCD *panel = pick<PowerSupplyLCD>()) {
                const int index = int(int8_t(in.byte()));
                panel->setValue(index, QStringLiteral("1.000"));
                panel->setUnit(index, QStringLiteral("V"));
                if (StateLabel *caption = in.flag() ? panel->headerWidget(index) : panel->footerWidget(index))
                    caption->setText(QStringLiteral("CH"));
                if (StateWidgetBox *other = in.flag() ? pick<StateWidgetBox>() : nullptr) {
                    StateWidgetBox *part = in.flag() ? panel->header() : panel->measure();
                    other->add(part); // may be refused as a cycle
                }
                (void)panel->headerWidgetCount();
                (void)panel->measureWidgetCount();
                (void)panel->footerWidgetCount();
            }
            break;
        case 17:
            if (StateWidgetBox *box = pick<StateWidgetBox>()) {
                switch (in.byte() % 6) {
                case 0:
                    box->setMargin(in.number());
                    break;
                case 1:
                    box->setSpacing(in.number());
                    break;
                case 2:
                    box->addStretch(in.number());
                    break;
                case 3:
                    box->insertStretch(in.number(), in.number());
                    break;
                case 4:
                    box->setStretch(in.number(), in.number());
                    break;
                default:
                    box->setDirection(QBoxLayout::Direction(in.byte() % 4));
                    break;
                }
            }
            break;
        case 18:
            if (StandardStateWidget *frame = pick<StandardStateWidget>()) {
                if (in.flag())
                    delete frame->content();
                else
                    delete frame->layout();
            }
            break;
        default:
            if (AbstractStateWidget *w = pick<AbstractStateWidget>())
                (void)w->window(); // hangs on a cycle
            break;
        }
    }

    // After an undisturbed setState(state, on) on \a w: every widget listed
    // at or below it carries the bits.
    static void checkFlags(AbstractStateWidget *w, AbstractStateWidget::State state, bool on)
    {
        const AbstractStateWidget::States want =
            on ? AbstractStateWidget::States(state) : AbstractStateWidget::States();
        if ((w->states() & state) != want)
            fail("a listed widget missed a box-level setState()");
        if (auto *box = qobject_cast<StateWidgetBox *>(w)) {
            for (int i = 0; i < box->count(); ++i)
                checkFlags(box->widget(i), state, on);
        }
    }

    void check() const
    {
        for (AbstractStateWidget *w : all()) {
            int depth = 0;
            for (QWidget *p = w; p; p = p->parentWidget()) {
                if (++depth > 1000)
                    fail("cycle in the object tree");
            }
            auto *box = qobject_cast<StateWidgetBox *>(w);
            if (!box)
                continue;
            const int count = box->count();
            QSet<AbstractStateWidget *> listed;
            for (int i = 0; i < count; ++i) {
                AbstractStateWidget *item = box->widget(i);
                if (!item)
                    fail("count() includes a widget that is gone");
                if (item->parentWidget() != box->content())
                    fail("a listed widget is not a child of the box's content");
                if (listed.contains(item))
                    fail("a widget is listed twice");
                listed.insert(item);
            }
            if (box->widget(count) || box->widget(-1))
                fail("widget() answers outside 0 to count() - 1");
        }
    }

    Reader &in;
    QList<QPointer<QWidget>> roots;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The warnings of refused calls are expected by the thousand.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (type == QtFatalMsg) {
            std::fprintf(stderr, "%s\n", qPrintable(text));
            std::abort();
        }
    });
    static QApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Reader in(data, size);
    Session session(in);
    session.run();
    return 0;
}
