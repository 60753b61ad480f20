// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Tests of the flag panels: layout, flags, pixels, clicks, speech, destructor, hostile hosts.
#include "testsupport.h"

#include <widget/flagpanel.h>

using namespace rilo::widget;
using rilotest::spoken;

namespace {

const QString kSplitStyle = QStringLiteral("border-style:none;background-color:%1");
const QString kLampStyle = QStringLiteral("border-width: 0px; border-radius: 2px;background-color:%1");

const auto mainGrid = [](FlagPanel *panel) { return qobject_cast<QGridLayout *>(panel->layout()); };
const auto cell = [](FlagPanel *panel, int row) { return mainGrid(panel)->itemAtPosition(row, 0)->widget(); };
const auto flagRow = [](FlagPanel *panel) { return mainGrid(panel)->itemAtPosition(2, 0)->layout(); };
const auto flagAt = [](FlagPanel *panel, int i) { return flagRow(panel)->itemAt(i)->widget(); }; // creation order
struct Bare : FlagPanel
{
    Bare()
        : FlagPanel(nullptr)
    {
    }
    void setFlag(const QVariant &, int) override {}
};
enum Kind { kTexts, kLamps, kBare };
const auto makePanel = [](int kind) {
    return std::unique_ptr<FlagPanel>(kind == kLamps   ? new FlagPanelState
                                      : kind == kTexts ? static_cast<FlagPanel *>(new FlagPanelText)
                                                       : new Bare);
};

// One step of a scenario: setFlag(value, index), or with one of these indices another call.
enum { kClear = -1000, kEnable, kDisable, kDescribe, kNameFlag1, kTitle, kName };
using Op = std::pair<QVariant, int>; // value, index
void play(FlagPanel *panel, const QList<Op> &ops)
{
    for (const auto &[value, index] : ops) {
        index == kClear       ? panel->clearFlags()
        : index == kTitle     ? panel->setTitle(value.toString())
        : index == kName      ? panel->setAccessibleName(value.toString())
        : index == kEnable    ? static_cast<FlagPanelState *>(panel)->setEnableColor(value.value<QColor>())
        : index == kDisable   ? static_cast<FlagPanelState *>(panel)->setDisableColor(value.value<QColor>())
        : index == kDescribe  ? panel->setAccessibleDescription(value.toString())
        : index == kNameFlag1 ? flagAt(panel, 1)->setAccessibleName(value.toString())
                              : panel->setFlag(value, index);
    }
}

struct DeleteOnHide : QObject
{ // deletes its parent when the flag it watches is hidden, as a host's filter might
    using QObject::QObject;
    bool eventFilter(QObject *, QEvent *e) override { return e->type() == e->HideToParent && (delete parent(), false); }
};
using Attack = std::function<void(FlagPanel *)>;

} // namespace

Q_DECLARE_METATYPE(QList<Op>)
Q_DECLARE_METATYPE(Attack)

class TestFlagPanel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { rilotest::useTestFont(); }
    void cleanup() { RILO_CHECK_NO_TOPLEVELS(); }

    void newPanelHasSplitLineFlagRowAndOneTitle()
    {
        FlagPanelText panel;
        QVERIFY(panel.frameStyle() == (QFrame::StyledPanel | QFrame::Sunken)
                && mainGrid(&panel)->contentsMargins() == QMargins(3, 3, 3, 3));
        QCOMPARE(cell(&panel, 1)->styleSheet(), kSplitStyle.arg(QStringLiteral("#ff7400")));
        cell(&panel, 1)->setStyleSheet(QStringLiteral("planted")); // the same colour again leaves it
        panel.setSplitLineColor(QColor(0xFF, 0x74, 0x00));
        QCOMPARE(cell(&panel, 1)->styleSheet(), QStringLiteral("planted"));
        panel.setSplitLineColor(QColor(0x12, 0xAB, 0xCD, 0x40));
        QCOMPARE(cell(&panel, 1)->styleSheet(), kSplitStyle.arg(QStringLiteral("#12abcd")));
        play(&panel, {{"CH1", kTitle}, {"Channel 1", kTitle}, {"", kTitle}});
        QCOMPARE(panel.findChildren<QLabel *>(), QList<QLabel *>{qobject_cast<QLabel *>(cell(&panel, 0))});
        QCOMPARE(panel.findChild<QLabel *>()->alignment(), Qt::AlignCenter);
        play(&panel, {{"a rather long flag text", 0}, {"and another long one", 1}});
        QCOMPARE(panel.sizeHint(), QSize(100, panel.layout()->totalSizeHint().height()));
    }

    // After a scenario, what each flag says (a lamp: colour first; "~" when hidden), the panel's description and name.
    void flagsFollowTheirValues_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QList<Op>>("ops");
        QTest::addColumn<QStringList>("flags");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("name");
        const QString on = QStringLiteral("#00d400 on"), off = QStringLiteral("#a9a9a9 off");
        const auto row = [](const char *name, int kind, const QList<Op> &ops, const QStringList &flags,
                            const QString &description, const QString &accessibleName = QString()) {
            QTest::newRow(name) << kind << ops << flags << description << accessibleName;
        };
        row("other index appends", kTexts, {{"A", 5}, {"B", -1}, {"C", 3}, {"x", 1}}, {"A", "x", "C"}, "A, x, C");
        row("variants, empty left out", kTexts, {{2.5, 0}, {true, 1}, {QVariant(), 2}, {-12, 3}},
            {"2.5", "true", "", "-12"}, "2.5, true, -12");
        row("text emptied", kTexts, {{"A", 0}, {"B", 1}, {"", 0}}, {"", "B"}, "B");
        row("cleared", kTexts, {{"A", 0}, {"B", 1}, {{}, kClear}}, {"~A", "~B"}, "");
        row("cleared, some shown again", kTexts,
            {{"A", 0}, {"B", 1}, {"C", 2}, {{}, kClear}, {"B", 1}, {"c", 2}, {"D", 3}}, {"~A", "B", "c", "D"},
            "B, c, D");
        row("host description", kTexts, {{"Mode", kDescribe}, {"R", 0}}, {"R"}, "Mode");
        row("lamp values", kLamps, {{QVariant(), 0}, {7, 1}, {"false", 2}, {1, 9}, {true, -1}, {-1, 1}},
            {off, on, off, on, on}, "off, on, off, on, on");
        const QColor red(Qt::red), dark(0x20, 0x30, 0x40);
        row("new colours reach later flags", kLamps,
            {{true, 0}, {true, 1}, {red, kEnable}, {true, 1}, {dark, kDisable}, {false, 2}},
            {on, "#ff0000 on", "#203040 off"}, "on, on, off");
        row("words follow value, not colour", kLamps, {{red, kEnable}, {red, kDisable}, {true, 0}, {false, 1}},
            {"#ff0000 on", "#ff0000 off"}, "on, off");
        row("lamps cleared, shown again", kLamps,
            {{true, 0}, {false, 1}, {true, 2}, {{}, kClear}, {true, 2}, {true, 0}}, {on, "~" + off, on}, "on, on");
        row("host's lamp name kept, description handed back", kLamps,
            QList<Op>{{true, 0}, {"Relays", kDescribe}, {true, 1}, {"Relay2", kNameFlag1}, {false, 1}, {{}, kClear}}
                + QList<Op>{{true, 0}, {"", kDescribe}, {false, 0}},
            {off, "~#a9a9a9 Relay2"}, "off");
        row("name follows title unless the host names the panel", kTexts,
            {{"In", kTitle}, {"Supply", kName}, {"CH2", kTitle}, {"", kName}, {"CH3", kTitle}}, {}, "", "CH3");
        row("named before the first title", kLamps, {{"Prot", kName}, {"OVP", kTitle}}, {}, "", "Prot");
        row("no private record", kBare, {{"Bare", kTitle}, {{}, kClear}, {"x", 0}}, {}, "", "Bare");
    }
    void flagsFollowTheirValues()
    {
        QFETCH(int, kind);
        QFETCH(QList<Op>, ops);
        QFETCH(QStringList, flags);
        const auto panel = makePanel(kind);
        play(panel.get(), ops);
        QCOMPARE(panel->flagCount(), flags.size());
        for (int i = 0; i < flags.size(); ++i) {
            QWidget *flag = flagAt(panel.get(), i);
            QCOMPARE(flag->isHidden(), flags.at(i).startsWith(QLatin1Char('~')));
            const QStringList expected = flags.at(i).mid(flag->isHidden() ? 1 : 0).split(QLatin1Char(' '));
            if (kind == kLamps)
                QCOMPARE(flag->styleSheet(), kLampStyle.arg(expected.first()));
            QCOMPARE(spoken(flag), expected.last());
        }
        QTEST(spoken(panel.get(), QAccessible::Description), "description");
        QTEST(spoken(panel.get()), "name");
        QCOMPARE(spoken(new QWidget(panel.get())), QString()); // a host's widget is no lamp
    }

    // Any release over the panel clicks: of any button, over a lamp or the title too. The panel's own destructor
    // deletes its parts, in this order, while still a panel with its record; Qt's child deletion would come later.
    void clicksAndDeletesItsPartsBeforeItsRecord()
    {
        auto panel = makePanel(kLamps);
        FlagPanel *p = panel.get();
        play(p, {{"T", kTitle}, {1, 0}, {0, 1}});
        QSignalSpy spy(p, &FlagPanel::clicked);
        for (QWidget *w : {static_cast<QWidget *>(p), flagAt(p, 0), cell(p, 0)}) // panel, lamp, title
            QTest::mouseClick(w, w == p ? Qt::MiddleButton : Qt::LeftButton, Qt::NoModifier, w->rect().center());
        QCOMPARE(spy.count(), 3);
        QStringList log, expected;
        for (QObject *part :
             QList<QObject *>{flagAt(p, 0), flagAt(p, 1), cell(p, 0), flagRow(p), mainGrid(p), cell(p, 1)}) {
            expected << QStringLiteral("%1 rilo::widget::FlagPanel").arg(expected.size());
            connect(part, &QObject::destroyed, [&log, self = static_cast<QObject *>(p), i = expected.size() - 1] {
                log << QStringLiteral("%1 ").arg(i) + self->metaObject()->className();
            });
        }
        panel.reset();
        QCOMPARE(log, expected);
    }

    void partsTheHostDeletesAreLeftAlone_data()
    {
        QTest::addColumn<bool>("lamps");
        QTest::addColumn<Attack>("attack");
        QTest::addColumn<int>("count"); // flagCount() after every call below
        QTest::addColumn<int>("shown");
        const auto row = [](bool lamps, const char *part, int count, int shown, const Attack &attack) {
            QTest::addRow("%s, %s", lamps ? "lamps" : "texts", part) << lamps << attack << count << shown;
        };
        // A deleted flag's index stays taken; without a flag row nothing is appended.
        for (const bool lamps : {false, true}) {
            row(lamps, "flag", 4, 3, [](FlagPanel *p) { delete flagAt(p, 1); });
            row(lamps, "flag while clearing", 4, 3,
                [](FlagPanel *p) { flagAt(p, 0)->installEventFilter(new DeleteOnHide(flagAt(p, 1))); });
            row(lamps, "title", 4, 4, [](FlagPanel *p) { delete cell(p, 0); });
            row(lamps, "split line", 4, 4, [](FlagPanel *p) { delete cell(p, 1); });
            row(lamps, "flag row", 3, 3, [](FlagPanel *p) { delete flagRow(p); });
            row(lamps, "layout", 3, 3, [](FlagPanel *p) { delete p->layout(); });
        }
    }
    void partsTheHostDeletesAreLeftAlone()
    {
        QFETCH(bool, lamps);
        QFETCH(Attack, attack);
        const auto panel = makePanel(lamps ? kLamps : kTexts);
        const QVariant value = lamps ? QVariant(true) : QVariant(QStringLiteral("x"));
        play(panel.get(), {{"T", kTitle}, {value, 0}, {value, 1}, {value, 2}});
        attack(panel.get());
        panel->setSplitLineColor(Qt::red);
        play(panel.get(), {{"U", kTitle}, {{}, kClear}, {value, 0}, {value, 1}, {value, 2}, {value, -1}});
        panel->sizeHint(), panel->grab();
        QTEST(panel->flagCount(), "count");
        QFETCH(int, shown);
        const QString word = lamps ? QStringLiteral("on") : QStringLiteral("x");
        QCOMPARE(spoken(panel.get(), QAccessible::Description), QString(", " + word).repeated(shown).mid(2));
        QCOMPARE(spoken(panel.get()), QStringLiteral("U"));
        QCOMPARE(panel->findChildren<QWidget *>().size(), 5); // nothing deleted is made again
    }
};

QTEST_MAIN(TestFlagPanel)
#include "tst_flagpanel.moc"
