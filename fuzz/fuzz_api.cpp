// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Decodes its input into public calls on a small tree of state widgets, labels, boxes and readout panels, made as a
// careless or hostile host makes them: inserting at any index, deleting and re-parenting widgets behind the boxes'
// backs, replacing contents, deleting the library's labels, render() overrides that call back or delete their siblings
// or box, deferred deletes. After every step it checks that each box lists live children of its content, none twice;
// that an undisturbed box-level setState() reached every listed widget; that the object tree has no cycle. The
// sanitizers catch reads of freed memory, libFuzzer's timeout a hang.
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

using namespace rilo::widget;
using rilo::widget::measure::PowerSupplyLCD;
using rilo::widget::measure::ValueWidget;
using State = AbstractStateWidget::State;

namespace {

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

// The input, read a byte or a number at a time; zeros once it is used up.
struct Reader
{
    const uint8_t *data;
    size_t size;
    size_t pos = 0;
    bool atEnd() const { return pos >= size; }
    uint8_t byte() { return pos < size ? data[pos++] : 0; }
    bool flag() { return byte() & 1; }
    // Mostly small numbers, sometimes the extremes.
    int number()
    {
        const int kind = byte() % 8;
        return kind == 0 ? INT_MAX : kind == 1 ? INT_MIN : kind == 2 ? -1 - byte() : byte();
    }
};

// Set by the render() hooks that change flags or lists while a box passes a call on; the flag check after setState()
// then does not apply.
bool g_disturbed = false;

// The box whose content holds w, if it still lists its content as its own.
StateWidgetBox *boxOf(QWidget *w)
{
    QWidget *content = w->parentWidget();
    auto *box = content ? qobject_cast<StateWidgetBox *>(content->parentWidget()) : nullptr;
    return box && box->content() == content ? box : nullptr;
}

// A state label whose render() calls back into the library.
class Probe : public StateLabel
{
public:
    int hook = 0; // index into kHooks; 0 does nothing
    void render() override;
};

// What a probe's render() does after drawing: whether it changes flags or lists, whether it runs once only, whether
// only inside a box, and the call.
struct Hook
{
    bool disturbs;
    bool once;
    bool inBox;
    void (*run)(Probe *probe, StateWidgetBox *box);
};

// The other widget of a box with more than one, or null.
QWidget *sibling(Probe *probe, StateWidgetBox *box)
{
    return box->count() > 1 ? box->widget(box->widget(0) == probe ? 1 : 0) : nullptr;
}

const Hook kHooks[] = {
    {false, false, false, [](Probe *, StateWidgetBox *) {}},
    {true, false, false,
     [](Probe *p, StateWidgetBox *) { p->setState(State::kActive, !p->states().testFlag(State::kActive)); }},
    {true, false, true,
     [](Probe *, StateWidgetBox *b) { b->setState(State::kEnabled, !b->states().testFlag(State::kEnabled)); }},
    {true, false, true, [](Probe *, StateWidgetBox *b) { b->setState(State::kActive, true); }},
    {true, false, true,
     [](Probe *, StateWidgetBox *b) {
         b->setColor(State::kAll, {Qt::red, Qt::blue}, true);
     }},
    {false, false, true, [](Probe *, StateWidgetBox *b) { b->render(); }},
    {true, true, true,
     [](Probe *, StateWidgetBox *b) {
         auto *label = new StateLabel;
         b->insert(0, label);
         if (!label->parentWidget())
             delete label; // refused: still ours
     }},
    {false, true, true, [](Probe *p, StateWidgetBox *b) { delete sibling(p, b); }},
    {false, true, true,
     [](Probe *p, StateWidgetBox *b) {
         if (QWidget *other = sibling(p, b))
             other->setParent(b);
     }},
    {false, false, false, [](Probe *p, StateWidgetBox *) { delete p; }},
    {false, false, false, [](Probe *p, StateWidgetBox *) { p->deleteLater(); }},
    {false, false, true, [](Probe *, StateWidgetBox *b) { delete b; }},
    {false, false, false, [](Probe *p, StateWidgetBox *) { p->setContent(new QLabel(QStringLiteral("again"))); }},
};
const int kHookCount = sizeof(kHooks) / sizeof(kHooks[0]);

void Probe::render()
{
    StateLabel::render();
    const Hook &h = kHooks[hook];
    g_disturbed = g_disturbed || h.disturbs;
    hook = h.once ? 0 : hook;
    StateWidgetBox *box = boxOf(this);
    if (box || !h.inBox)
        h.run(this, box);
}

bool isAncestorOrSelf(const QWidget *candidate, const QWidget *w)
{
    for (int n = 0; w && n < 1000; w = w->parentWidget(), ++n) {
        if (w == candidate)
            return true;
    }
    return false;
}

// After an undisturbed setState(state, on) on w: every widget listed at or below it carries the bits.
void checkFlags(AbstractStateWidget *w, State state, bool on)
{
    if ((w->states() & state) != (on ? AbstractStateWidget::States(state) : AbstractStateWidget::States()))
        fail("a listed widget missed a box-level setState()");
    auto *box = qobject_cast<StateWidgetBox *>(w);
    for (int i = 0; box && i < box->count(); ++i)
        checkFlags(box->widget(i), state, on);
}

// One input's run: the reader and the top-level widgets it made.
struct Session : Reader
{
    QList<QPointer<QWidget>> roots;

    ~Session()
    {
        for (const QPointer<QWidget> &w : roots) {
            if (w && !w->parentWidget())
                delete w.data();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const auto left = QApplication::topLevelWidgets();
        qDeleteAll(left);
        if (!left.isEmpty())
            fail("a widget the library was given was left without an owner");
    }

    void run()
    {
        for (int steps = 0; !atEnd() && steps < 200; ++steps) {
            g_disturbed = false;
            step();
            check();
        }
    }

    // Every live state widget at or below the widgets the session made, the library's own inner boxes and labels
    // included.
    QList<AbstractStateWidget *> all() const
    {
        QList<AbstractStateWidget *> result;
        QSet<AbstractStateWidget *> seen;
        for (const QPointer<QWidget> &root : roots) {
            QList<AbstractStateWidget *> found;
            if (auto *top = qobject_cast<AbstractStateWidget *>(root.data()))
                found << top;
            if (root)
                found << root->findChildren<AbstractStateWidget *>();
            for (AbstractStateWidget *w : found) {
                if (!seen.contains(w))
                    result.append(w);
                seen.insert(w);
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
        const uint8_t b = byte();
        return candidates.isEmpty() ? nullptr : candidates.at(b % candidates.size());
    }

    // Calls f with a picked T, if there is one.
    template <typename T, typename F>
    void with(F f)
    {
        if (T *t = pick<T>())
            f(t);
    }

    // Runs one of the calls, chosen by the next byte.
    template <typename... F>
    void oneOf(F... calls)
    {
        const int chosen = byte() % sizeof...(F);
        int i = 0;
        ((i++ == chosen ? calls() : void()), ...);
    }

    AbstractStateWidget *make()
    {
        AbstractStateWidget *made = nullptr;
        oneOf([&] { made = new Probe; }, [&] { made = new StateLabel(QStringLiteral("x")); },
              [&] { made = new StateWidgetBox(QBoxLayout::Direction(byte() % 4)); }, [&] { made = new ValueWidget; },
              [&] { made = new PowerSupplyLCD(byte() % 3, byte() % 3, byte() % 3); });
        return made;
    }

    QWidget *newContent()
    {
        QWidget *content = nullptr;
        oneOf([] {}, [&] { content = new QWidget; }, [&] { content = new QLabel(QStringLiteral("new")); },
              [&] { new QVBoxLayout(content = new QWidget); }, [&] { new QGridLayout(content = new QWidget); },
              [&] { content = pick<AbstractStateWidget>(); }); // may be an ancestor: must be refused
        return content;
    }

    // Re-parenting is Qt's own call; the session keeps it from closing a cycle, which Qt does not check.
    void reparent(AbstractStateWidget *w)
    {
        QWidget *target = flag() ? nullptr : pick<AbstractStateWidget>();
        if (target && flag() && qobject_cast<StandardStateWidget *>(target))
            target = static_cast<StandardStateWidget *>(target)->content();
        if (target && isAncestorOrSelf(w, target))
            return;
        w->setParent(target);
        if (!target)
            roots.append(w);
    }

    void setContent(StandardStateWidget *frame)
    {
        QWidget *content = newContent();
        const bool cycle = content && isAncestorOrSelf(content, frame);
        frame->setContent(content);
        if (cycle && frame->content() == content)
            fail("setContent() took an ancestor");
    }

    void setState(AbstractStateWidget *w)
    {
        const auto state = State(byte() % 4);
        const bool on = flag();
        const QPointer<AbstractStateWidget> guard(w);
        w->setState(state, on);
        if (guard && !g_disturbed)
            checkFlags(guard, state, on);
    }

    void setColor(AbstractStateWidget *w)
    {
        const QColor a(byte(), byte(), byte());
        const QColor b(byte(), byte(), byte());
        w->setColor(State(byte() % 5), {a, b}, flag());
    }

    void callPanel(PowerSupplyLCD *panel)
    {
        const int at = int8_t(byte());
        panel->setValue(at, QStringLiteral("1.000"));
        panel->setUnit(at, QStringLiteral("V"));
        if (StateLabel *caption = flag() ? panel->headerWidget(at) : panel->footerWidget(at))
            caption->setText(QStringLiteral("CH"));
        if (StateWidgetBox *other = flag() ? pick<StateWidgetBox>() : nullptr)
            other->add(flag() ? panel->header() : panel->measure()); // may be refused as a cycle
        (void)(panel->headerWidgetCount() + panel->measureWidgetCount() + panel->footerWidgetCount());
    }

    void callBox(StateWidgetBox *box)
    {
        oneOf([&] { box->setMargin(number()); }, [&] { box->setSpacing(number()); }, [&] { box->addStretch(number()); },
              [&] {
                  const int index = number();
                  box->insertStretch(index, number());
              },
              [&] {
                  const int index = number();
                  box->setStretch(index, number());
              },
              [&] { box->setDirection(QBoxLayout::Direction(byte() % 4)); });
    }

    void step()
    {
        using W = AbstractStateWidget;
        using Frame = StandardStateWidget;
        using Box = StateWidgetBox;
        oneOf([&] { roots.size() < 16 ? roots.append(make()) : void(); },
              [&] { with<Box>([&](Box *box) { box->add(pick<W>()); }); },
              [&] {
                  with<Box>([&](Box *box) {
                      const int at = int8_t(byte());
                      box->insert(at, pick<W>());
                  });
              },
              [&] { with<W>([](W *w) { delete w; }); }, [&] { with<W>([&](W *w) { reparent(w); }); },
              [&] { with<W>([](W *w) { w->deleteLater(); }); },
              [] { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); },
              [&] { with<Frame>([&](Frame *frame) { setContent(frame); }); },
              [&] { with<W>([&](W *w) { setState(w); }); },
              [&] { with<W>([&](W *w) { w->setStates(AbstractStateWidget::States(int(byte() % 4))); }); },
              [&] { with<W>([&](W *w) { setColor(w); }); }, [&] { with<W>([](W *w) { w->render(); }); },
              [&] { with<Probe>([&](Probe *p) { p->hook = byte() % kHookCount; }); },
              [&] { with<Frame>([&](Frame *frame) { frame->setBorderWidth(number()); }); },
              [&] {
                  with<StateLabel>([&](StateLabel *label) {
                      oneOf([&] { label->setText(QString::number(byte())); }, [&] { label->setPointSize(number()); },
                            [&] { label->setMargin(number()); }, [&] { delete label->label(); },
                            [&] { label->setAlignment(Qt::AlignRight); });
                  });
              },
              [&] {
                  with<ValueWidget>([&](ValueWidget *value) {
                      oneOf([&] { value->setValue(QString::number(byte())); },
                            [&] { value->setUnit(QStringLiteral("A")); }, [&] { delete value->valueWidget(); },
                            [&] { delete value->unitWidget(); });
                      (void)(value->value() + value->unit());
                  });
              },
              [&] { with<PowerSupplyLCD>([&](PowerSupplyLCD *panel) { callPanel(panel); }); },
              [&] { with<Box>([&](Box *box) { callBox(box); }); },
              [&] { with<Frame>([&](Frame *frame) { flag() ? delete frame->content() : delete frame->layout(); }); },
              [&] { with<W>([](W *w) { (void)w->window(); }); }); // the last one hangs on a cycle
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
            const int count = box ? box->count() : 0;
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
            if (box && (box->widget(count) || box->widget(-1)))
                fail("widget() answers outside 0 to count() - 1");
        }
    }
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
    Session{{data, size}, {}}.run();
    return 0;
}
