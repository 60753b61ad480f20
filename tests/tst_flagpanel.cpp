// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Tests of the flag panels: layout, style sheets, flag bookkeeping, lamps, the
// click signal and what a screen reader hears.
#include "testsupport.h"

#include <widget/flagpanel.h>

#include <QAccessible>
#include <QGridLayout>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>

#include <functional>
#include <memory>

using rilo::widget::FlagPanel;
using rilo::widget::FlagPanelState;
using rilo::widget::FlagPanelText;

using rilotest::positionOf;

namespace {

const QString kSplitStyle = QStringLiteral("border-style:none;background-color:%1");
const QString kLampStyle = QStringLiteral("border-width: 0px; border-radius: 2px;background-color:%1");

QGridLayout *mainGrid(FlagPanel *panel)
{
    return qobject_cast<QGridLayout *>(panel->layout());
}

QFrame *splitLine(FlagPanel *panel)
{
    QLayoutItem *item = mainGrid(panel)->itemAtPosition(1, 0);
    return item ? qobject_cast<QFrame *>(item->widget()) : nullptr;
}

QGridLayout *flagGrid(FlagPanel *panel)
{
    QLayoutItem *item = mainGrid(panel)->itemAtPosition(2, 0);
    return item ? qobject_cast<QGridLayout *>(item->layout()) : nullptr;
}

// The flag with the given index: the flag grid's items are in creation order.
QWidget *flagAt(FlagPanel *panel, int index)
{
    QLayoutItem *item = flagGrid(panel)->itemAt(index);
    return item ? item->widget() : nullptr;
}

QString flagText(FlagPanel *panel, int index)
{
    auto *label = qobject_cast<QLabel *>(flagAt(panel, index));
    return label ? label->text() : QStringLiteral("<no label>");
}

// One call of setFlag.
struct Op
{
    QVariant value;
    int index;
};

// A subclass of our own that hands the base no private record.
class BarePanel : public FlagPanel
{
public:
    BarePanel()
        : FlagPanel(nullptr)
    {
    }
    void setFlag(const QVariant &, int) override {}
};

// The accessible names of a widget's accessible children, in their order.
QStringList childNames(QAccessibleInterface *iface)
{
    QStringList names;
    for (int i = 0; i < iface->childCount(); ++i)
        names.append(iface->child(i)->text(QAccessible::Name));
    return names;
}

// Deletes its target when the watched widget is hidden, as a host's event
// filter might.
class DeleteOnHide : public QObject
{
public:
    DeleteOnHide(QObject *target)
        : target(target)
    {
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Hide || event->type() == QEvent::HideToParent)
            delete target.data();
        return false;
    }
    QPointer<QObject> target;
};

// Something a host does to a panel that holds a title and the flags 0 to 2.
using Attack = std::function<void(FlagPanel *)>;

} // namespace

Q_DECLARE_METATYPE(Op)
Q_DECLARE_METATYPE(Attack)
Q_DECLARE_METATYPE(QList<Op>)

class TestFlagPanel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { rilotest::useTestFont(); }
    void cleanup() { RILO_CHECK_NO_TOPLEVELS(); }

    void newPanelHasSplitLineAndFlagRowButNoTitle();
    void setTitleCreatesOneCentredLabelInRowZero();
    void splitLineColourIsAppliedOnlyWhenItChanges_data();
    void splitLineColourIsAppliedOnlyWhenItChanges();
    void textFlagsAppendOrUpdate_data();
    void textFlagsAppendOrUpdate();
    void flagsStandInRowZeroLeftToRight();
    void clearFlagsHidesWithoutRemoving();
    void sizeHintIsOneHundredWideWhateverTheFlags();
    void anyButtonReleaseEmitsClicked_data();
    void anyButtonReleaseEmitsClicked();
    void releaseOverAFlagOrTheTitleReachesThePanel();
    void destructorDeletesEveryChild();
    void nullPrivateRecordIsReplaced();
    void partsTheHostDeletesAreLeftAlone_data();
    void partsTheHostDeletesAreLeftAlone();

    void stateDefaultsAreGreenAndGrey();
    void stateFlagsFollowTheValue_data();
    void stateFlagsFollowTheValue();
    void newColoursReachOnlyFlagsSetAfterwards();
    void lampIsPaintedInItsColour();

    void accessibleNameFollowsTitleUnlessHostNamedPanel();
    void accessibleDescriptionListsVisibleFlags_data();
    void accessibleDescriptionListsVisibleFlags();
    void everyFlagIsANamedAccessibleChild();
    void clearedFlagsLeaveDescriptionUntilShownAgain();
    void lampWordsFollowValueNotColour();
    void hostDescriptionIsNeverOverwritten();
};

void TestFlagPanel::newPanelHasSplitLineAndFlagRowButNoTitle()
{
    FlagPanelText panel;
    QCOMPARE(panel.flagCount(), 0);
    QCOMPARE(panel.frameShape(), QFrame::StyledPanel);
    QCOMPARE(panel.frameShadow(), QFrame::Sunken);
    QVERIFY(panel.findChildren<QLabel *>().isEmpty());

    QGridLayout *grid = mainGrid(&panel);
    QVERIFY(grid);
    QCOMPARE(grid->contentsMargins(), QMargins(3, 3, 3, 3));
    QCOMPARE(grid->count(), 2);
    QCOMPARE(grid->columnCount(), 1);
    QVERIFY(!grid->itemAtPosition(0, 0));

    QFrame *line = splitLine(&panel);
    QVERIFY(line);
    QCOMPARE(line->frameShape(), QFrame::HLine);
    QCOMPARE(line->frameShadow(), QFrame::Plain);
    QCOMPARE(line->lineWidth(), 1);
    QCOMPARE(line->styleSheet(), kSplitStyle.arg(QStringLiteral("#ff7400")));
    QCOMPARE(positionOf(grid, line), (QVector<int>{1, 0, 1, 1}));
    QCOMPARE(int(grid->itemAt(grid->indexOf(line))->alignment()), 0);

    QGridLayout *flags = flagGrid(&panel);
    QVERIFY(flags);
    QCOMPARE(flags->count(), 0);
    QCOMPARE(flags->parent(), grid);
    QCOMPARE(positionOf(grid, static_cast<QLayoutItem *>(flags)), (QVector<int>{2, 0, 1, 1}));
}

void TestFlagPanel::setTitleCreatesOneCentredLabelInRowZero()
{
    FlagPanelText panel;
    panel.setTitle(QStringLiteral("CH1"));
    panel.setTitle(QStringLiteral("Channel 1"));

    const auto labels = panel.findChildren<QLabel *>();
    QCOMPARE(labels.size(), 1);
    QLabel *title = labels.first();
    QCOMPARE(title->text(), QStringLiteral("Channel 1"));
    QCOMPARE(title->alignment(), Qt::AlignCenter);
    QCOMPARE(positionOf(mainGrid(&panel), title), (QVector<int>{0, 0, 1, 1}));

    // An empty title keeps the row.
    panel.setTitle(QString());
    QCOMPARE(panel.findChildren<QLabel *>().size(), 1);
    QVERIFY(title->text().isEmpty());
    QCOMPARE(mainGrid(&panel)->count(), 3);
}

void TestFlagPanel::splitLineColourIsAppliedOnlyWhenItChanges_data()
{
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QString>("expected");

    // A colour equal to the current one leaves a style sheet planted by the
    // test in place; any other colour replaces it.
    QTest::newRow("same orange") << QColor(0xFF, 0x74, 0x00) << QStringLiteral("planted");
    QTest::newRow("blue") << QColor(Qt::blue) << kSplitStyle.arg(QStringLiteral("#0000ff"));
    QTest::newRow("alpha dropped") << QColor(0x12, 0xAB, 0xCD, 0x40) << kSplitStyle.arg(QStringLiteral("#12abcd"));
}

void TestFlagPanel::splitLineColourIsAppliedOnlyWhenItChanges()
{
    QFETCH(QColor, color);
    QFETCH(QString, expected);

    FlagPanelText panel;
    splitLine(&panel)->setStyleSheet(QStringLiteral("planted"));
    panel.setSplitLineColor(color);
    QCOMPARE(splitLine(&panel)->styleSheet(), expected);
}

void TestFlagPanel::textFlagsAppendOrUpdate_data()
{
    QTest::addColumn<QList<Op>>("ops");
    QTest::addColumn<QStringList>("texts");

    QTest::newRow("index beyond the end appends at 0")
        << QList<Op>{{QStringLiteral("A"), 5}} << QStringList{QStringLiteral("A")};
    QTest::newRow("existing index updates")
        << QList<Op>{{QStringLiteral("A"), 0}, {3, 0}} << QStringList{QStringLiteral("3")};
    QTest::newRow("count appends")
        << QList<Op>{{QStringLiteral("A"), 0}, {QStringLiteral("B"), 1}, {QStringLiteral("C"), 2}}
        << QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
    QTest::newRow("negative index appends")
        << QList<Op>{{QStringLiteral("A"), 0}, {QStringLiteral("B"), -1}, {QStringLiteral("C"), -7}}
        << QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
    QTest::newRow("update in the middle")
        << QList<Op>{{QStringLiteral("A"), 0}, {QStringLiteral("B"), 1}, {QStringLiteral("C"), 2},
                     {QStringLiteral("x"), 1}}
        << QStringList{QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("C")};
    QTest::newRow("variant texts")
        << QList<Op>{{2.5, 0}, {true, 1}, {QVariant(), 2}, {-12, 3}}
        << QStringList{QStringLiteral("2.5"), QStringLiteral("true"), QString(), QStringLiteral("-12")};
}

void TestFlagPanel::textFlagsAppendOrUpdate()
{
    QFETCH(QList<Op>, ops);
    QFETCH(QStringList, texts);

    FlagPanelText panel;
    for (const Op &op : ops)
        panel.setFlag(op.value, op.index);

    QCOMPARE(panel.flagCount(), texts.size());
    QCOMPARE(flagGrid(&panel)->count(), texts.size());
    for (int i = 0; i < texts.size(); ++i) {
        QCOMPARE(flagText(&panel, i), texts.at(i));
        QVERIFY(!flagAt(&panel, i)->isHidden());
    }
}

void TestFlagPanel::flagsStandInRowZeroLeftToRight()
{
    FlagPanelText text;
    FlagPanelState state;
    for (FlagPanel *panel : {static_cast<FlagPanel *>(&text), static_cast<FlagPanel *>(&state)}) {
        for (int i = 0; i < 4; ++i)
            panel->setFlag(i % 2 == 0, panel->flagCount());
        QGridLayout *grid = flagGrid(panel);
        QCOMPARE(grid->count(), 4);
        QCOMPARE(grid->rowCount(), 1);
        int previousColumn = -1;
        for (int i = 0; i < 4; ++i) {
            QWidget *flag = grid->itemAt(i)->widget();
            QVERIFY(flag);
            QCOMPARE(flag->parentWidget(), panel);
            const QVector<int> position = positionOf(grid, flag);
            QCOMPARE(position.value(0, -1), 0);
            QVERIFY2(position.value(1) > previousColumn, "each flag stands right of the ones before");
            QCOMPARE(position.mid(2), (QVector<int>{1, 1}));
            previousColumn = position.value(1);
            QCOMPARE(int(grid->itemAt(i)->alignment()), 0);
        }
        // And on screen, left to right.
        panel->resize(300, 80);
        panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(panel));
        for (int i = 1; i < 4; ++i)
            QVERIFY(flagAt(panel, i - 1)->geometry().right() < flagAt(panel, i)->geometry().left());
        panel->hide();
    }
    QCOMPARE(qobject_cast<QLabel *>(flagAt(&text, 2))->alignment(), Qt::AlignCenter);
}

void TestFlagPanel::clearFlagsHidesWithoutRemoving()
{
    FlagPanelText panel;
    panel.setFlag(QStringLiteral("a"), 0);
    panel.setFlag(QStringLiteral("b"), 1);
    panel.setFlag(QStringLiteral("c"), 2);
    panel.clearFlags();

    QCOMPARE(panel.flagCount(), 3);
    QCOMPARE(flagGrid(&panel)->count(), 3);
    for (int i = 0; i < 3; ++i)
        QVERIFY(flagAt(&panel, i)->isHidden());
    QCOMPARE(flagText(&panel, 2), QStringLiteral("c"));

    panel.setFlag(QStringLiteral("x"), 1);
    QVERIFY(flagAt(&panel, 0)->isHidden());
    QVERIFY(!flagAt(&panel, 1)->isHidden());
    QVERIFY(flagAt(&panel, 2)->isHidden());
    QCOMPARE(flagText(&panel, 1), QStringLiteral("x"));

    // An appended flag is visible; the hidden ones stay hidden.
    panel.setFlag(QStringLiteral("d"), 3);
    QCOMPARE(panel.flagCount(), 4);
    QVERIFY(!flagAt(&panel, 3)->isHidden());
    QVERIFY(flagAt(&panel, 0)->isHidden());

    FlagPanelState lamps;
    lamps.setFlag(true, 0);
    lamps.setFlag(false, 1);
    lamps.clearFlags();
    QCOMPARE(lamps.flagCount(), 2);
    QVERIFY(flagAt(&lamps, 0)->isHidden() && flagAt(&lamps, 1)->isHidden());
    lamps.setFlag(true, 1);
    QVERIFY(flagAt(&lamps, 0)->isHidden());
    QVERIFY(!flagAt(&lamps, 1)->isHidden());
}

void TestFlagPanel::sizeHintIsOneHundredWideWhateverTheFlags()
{
    FlagPanelText panel;
    QCOMPARE(panel.sizeHint().width(), 100);
    const int emptyHeight = panel.sizeHint().height();
    QCOMPARE(emptyHeight, panel.layout()->totalSizeHint().height());

    panel.setTitle(QStringLiteral("A rather long title for a small panel"));
    for (int i = 0; i < 20; ++i)
        panel.setFlag(QStringLiteral("flag %1").arg(i), i);
    QCOMPARE(panel.sizeHint().width(), 100);
    QVERIFY(panel.layout()->totalSizeHint().width() > 100);
    // The height is the frame's own: it grows with the title row.
    QCOMPARE(panel.sizeHint().height(), panel.layout()->totalSizeHint().height());
    QVERIFY(panel.sizeHint().height() > emptyHeight);
}

void TestFlagPanel::anyButtonReleaseEmitsClicked_data()
{
    QTest::addColumn<int>("buttonValue");
    QTest::newRow("left") << int(Qt::LeftButton);
    QTest::newRow("right") << int(Qt::RightButton);
    QTest::newRow("middle") << int(Qt::MiddleButton);
}

void TestFlagPanel::anyButtonReleaseEmitsClicked()
{
    QFETCH(int, buttonValue);
    const auto button = Qt::MouseButton(buttonValue);

    FlagPanelText panel;
    panel.resize(120, 60);
    QSignalSpy spy(&panel, &FlagPanel::clicked);
    QTest::mousePress(&panel, button, Qt::NoModifier, QPoint(10, 10));
    QCOMPARE(spy.count(), 0);
    QTest::mouseRelease(&panel, button, Qt::NoModifier, QPoint(10, 10));
    QCOMPARE(spy.count(), 1);
}

void TestFlagPanel::releaseOverAFlagOrTheTitleReachesThePanel()
{
    FlagPanelState lamps;
    lamps.setTitle(QStringLiteral("Outputs"));
    lamps.setFlag(true, 0);
    lamps.resize(160, 80);
    lamps.show();
    QVERIFY(QTest::qWaitForWindowExposed(&lamps));

    QSignalSpy spy(&lamps, &FlagPanel::clicked);
    QWidget *lamp = flagAt(&lamps, 0);
    QVERIFY(!lamp->size().isEmpty());
    QTest::mouseRelease(lamp, Qt::RightButton, Qt::NoModifier, lamp->rect().center());
    QCOMPARE(spy.count(), 1);
    QLabel *title = lamps.findChild<QLabel *>();
    QTest::mouseRelease(title, Qt::LeftButton, Qt::NoModifier, title->rect().center());
    QCOMPARE(spy.count(), 2);
}

void TestFlagPanel::destructorDeletesEveryChild()
{
    auto panel = std::make_unique<FlagPanelText>();
    panel->setTitle(QStringLiteral("T"));
    panel->setFlag(1, 0);
    panel->setFlag(2, 1);
    QPointer<QWidget> title = panel->findChild<QLabel *>();
    QPointer<QWidget> line = splitLine(panel.get());
    QPointer<QWidget> first = flagAt(panel.get(), 0);
    QPointer<QWidget> second = flagAt(panel.get(), 1);
    QPointer<QObject> flags = flagGrid(panel.get());
    QVERIFY(title && line && first && second && flags);

    panel.reset();
    QVERIFY(!title);
    QVERIFY(!line);
    QVERIFY(!first);
    QVERIFY(!second);
    QVERIFY(!flags);

    // A lamp panel's derived record goes through the same destructor.
    auto lamps = std::make_unique<FlagPanelState>();
    lamps->setFlag(true, 0);
    QPointer<QWidget> lamp = flagAt(lamps.get(), 0);
    lamps.reset();
    QVERIFY(!lamp);
}

void TestFlagPanel::nullPrivateRecordIsReplaced()
{
    BarePanel panel;
    panel.setTitle(QStringLiteral("Bare"));
    panel.setSplitLineColor(Qt::red);
    panel.clearFlags();
    QCOMPARE(panel.flagCount(), 0);
    QCOMPARE(panel.findChild<QLabel *>()->text(), QStringLiteral("Bare"));
    QCOMPARE(splitLine(&panel)->styleSheet(), kSplitStyle.arg(QStringLiteral("#ff0000")));
}

void TestFlagPanel::stateDefaultsAreGreenAndGrey()
{
    FlagPanelState panel;
    QCOMPARE(panel.enableColor(), QColor(0, 212, 0));
    QCOMPARE(panel.disableColor(), QColor(169, 169, 169));
    QCOMPARE(panel.flagCount(), 0);
    QCOMPARE(splitLine(&panel)->styleSheet(), kSplitStyle.arg(QStringLiteral("#ff7400")));

    panel.setEnableColor(Qt::blue);
    panel.setDisableColor(Qt::black);
    QCOMPARE(panel.enableColor(), QColor(Qt::blue));
    QCOMPARE(panel.disableColor(), QColor(Qt::black));
}

void TestFlagPanel::stateFlagsFollowTheValue_data()
{
    QTest::addColumn<QList<Op>>("ops");
    QTest::addColumn<QStringList>("colours");

    const QString on = QStringLiteral("#00d400");
    const QString off = QStringLiteral("#a9a9a9");
    QTest::newRow("true") << QList<Op>{{true, 0}} << QStringList{on};
    QTest::newRow("true then false") << QList<Op>{{true, 0}, {false, 0}} << QStringList{off};
    QTest::newRow("invalid value") << QList<Op>{{QVariant(), 0}} << QStringList{off};
    QTest::newRow("numbers") << QList<Op>{{0, 0}, {7, 1}, {-1, 2}} << QStringList{off, on, on};
    QTest::newRow("texts") << QList<Op>{{QStringLiteral("false"), 0}, {QStringLiteral("on"), 1}}
                           << QStringList{off, on};
    QTest::newRow("append past the end") << QList<Op>{{false, 0}, {false, 1}, {1, 9}}
                                         << QStringList{off, off, on};
    QTest::newRow("negative index appends") << QList<Op>{{false, 0}, {true, -1}} << QStringList{off, on};
}

void TestFlagPanel::stateFlagsFollowTheValue()
{
    QFETCH(QList<Op>, ops);
    QFETCH(QStringList, colours);

    FlagPanelState panel;
    for (const Op &op : ops)
        panel.setFlag(op.value, op.index);
    QCOMPARE(panel.flagCount(), colours.size());
    for (int i = 0; i < colours.size(); ++i) {
        QWidget *lamp = flagAt(&panel, i);
        QCOMPARE(lamp->metaObject(), &QWidget::staticMetaObject);
        QCOMPARE(lamp->styleSheet(), kLampStyle.arg(colours.at(i)));
    }
}

void TestFlagPanel::newColoursReachOnlyFlagsSetAfterwards()
{
    FlagPanelState panel;
    for (int i = 0; i < 3; ++i)
        panel.setFlag(true, i);
    panel.setEnableColor(Qt::red);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(flagAt(&panel, i)->styleSheet(), kLampStyle.arg(QStringLiteral("#00d400")));

    panel.setFlag(true, 1);
    QCOMPARE(flagAt(&panel, 0)->styleSheet(), kLampStyle.arg(QStringLiteral("#00d400")));
    QCOMPARE(flagAt(&panel, 1)->styleSheet(), kLampStyle.arg(QStringLiteral("#ff0000")));

    panel.setDisableColor(QColor(0x20, 0x30, 0x40));
    panel.setFlag(false, 2);
    QCOMPARE(flagAt(&panel, 2)->styleSheet(), kLampStyle.arg(QStringLiteral("#203040")));
}

void TestFlagPanel::lampIsPaintedInItsColour()
{
    FlagPanelState panel;
    panel.setTitle(QStringLiteral("Lamps"));
    panel.setFlag(true, 0);
    panel.setFlag(false, 1);
    panel.resize(200, 90);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));

    QWidget *on = flagAt(&panel, 0);
    QWidget *off = flagAt(&panel, 1);
    QVERIFY(on->width() > 10 && on->height() > 10);
    QVERIFY(on->geometry().right() < off->geometry().left());
    QCOMPARE(rilotest::pixelAt(on, on->width() / 2, on->height() / 2), QColor(0, 212, 0));
    QCOMPARE(rilotest::pixelAt(off, off->width() / 2, off->height() / 2), QColor(169, 169, 169));

    panel.setFlag(false, 0);
    QCOMPARE(rilotest::pixelAt(on, on->width() / 2, on->height() / 2), QColor(169, 169, 169));
}

void TestFlagPanel::accessibleNameFollowsTitleUnlessHostNamedPanel()
{
    FlagPanelText panel;
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&panel);
    QVERIFY(iface);
    QVERIFY(iface->text(QAccessible::Name).isEmpty());

    panel.setTitle(QStringLiteral("Outputs"));
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Outputs"));
    panel.setTitle(QStringLiteral("Inputs"));
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Inputs"));

    panel.setAccessibleName(QStringLiteral("Supply status"));
    panel.setTitle(QStringLiteral("Channel 2"));
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Supply status"));
    QCOMPARE(panel.findChild<QLabel *>()->text(), QStringLiteral("Channel 2"));

    // A name given before the first title is the host's too.
    FlagPanelState lamps;
    lamps.setAccessibleName(QStringLiteral("Protection"));
    lamps.setTitle(QStringLiteral("OVP"));
    QCOMPARE(QAccessible::queryAccessibleInterface(&lamps)->text(QAccessible::Name), QStringLiteral("Protection"));

    // Once the host hands the name back (empty), the title takes over again.
    panel.setAccessibleName(QString());
    panel.setTitle(QStringLiteral("Channel 3"));
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Channel 3"));
}

void TestFlagPanel::accessibleDescriptionListsVisibleFlags_data()
{
    QTest::addColumn<bool>("lamps");
    QTest::addColumn<QList<Op>>("ops");
    QTest::addColumn<QString>("description");

    QTest::newRow("no flags") << false << QList<Op>{} << QString();
    QTest::newRow("texts in index order")
        << false << QList<Op>{{QStringLiteral("Remote"), 0}, {QStringLiteral("OVP"), 1}, {QStringLiteral("CC"), 2}}
        << QStringLiteral("Remote, OVP, CC");
    QTest::newRow("text updated in the middle")
        << false << QList<Op>{{QStringLiteral("A"), 0}, {QStringLiteral("B"), 1}, {QStringLiteral("C"), 2},
                              {QStringLiteral("x"), 1}}
        << QStringLiteral("A, x, C");
    QTest::newRow("variant texts, empty one left out")
        << false << QList<Op>{{2.5, 0}, {true, 1}, {QVariant(), 2}, {-12, 3}} << QStringLiteral("2.5, true, -12");
    QTest::newRow("text emptied later")
        << false << QList<Op>{{QStringLiteral("A"), 0}, {QStringLiteral("B"), 1}, {QString(), 0}}
        << QStringLiteral("B");
    QTest::newRow("lamps on off on") << true << QList<Op>{{true, 0}, {false, 1}, {true, 2}}
                                     << QStringLiteral("on, off, on");
    QTest::newRow("lamp switched off") << true << QList<Op>{{true, 0}, {false, 0}} << QStringLiteral("off");
    QTest::newRow("lamp values converted")
        << true << QList<Op>{{QVariant(), 0}, {7, 1}, {QStringLiteral("false"), 2}, {1, 9}}
        << QStringLiteral("off, on, off, on");
    // Long enough for appended words to go into the description in place,
    // then one flag changed in the middle.
    QList<Op> many;
    QStringList words;
    for (int i = 0; i < 1000; ++i) {
        many.append({QStringLiteral("F%1").arg(i), i});
        words.append(i == 500 ? QStringLiteral("x") : QStringLiteral("F%1").arg(i));
    }
    many.append({QStringLiteral("x"), 500});
    QTest::newRow("a thousand texts, one changed") << false << many << words.join(QStringLiteral(", "));
}

void TestFlagPanel::accessibleDescriptionListsVisibleFlags()
{
    QFETCH(bool, lamps);
    QFETCH(QList<Op>, ops);
    QFETCH(QString, description);

    std::unique_ptr<FlagPanel> panel;
    if (lamps)
        panel = std::make_unique<FlagPanelState>();
    else
        panel = std::make_unique<FlagPanelText>();
    for (const Op &op : ops)
        panel->setFlag(op.value, op.index);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(panel.get());
    QCOMPARE(iface->text(QAccessible::Description), description);
}

void TestFlagPanel::everyFlagIsANamedAccessibleChild()
{
    FlagPanelState lamps;
    lamps.setTitle(QStringLiteral("Lamps"));
    lamps.setFlag(true, 0);
    lamps.setFlag(false, 1);
    lamps.setFlag(true, 2);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&lamps);
    // The split line (unnamed), the title, then the lamps in index order.
    QCOMPARE(iface->childCount(), 5);
    QCOMPARE(childNames(iface),
             (QStringList{QString(), QStringLiteral("Lamps"), QStringLiteral("on"), QStringLiteral("off"),
                          QStringLiteral("on")}));
    lamps.setFlag(false, 0);
    lamps.setFlag(true, 7);
    QCOMPARE(iface->childCount(), 6);
    QCOMPARE(childNames(iface).mid(2),
             (QStringList{QStringLiteral("off"), QStringLiteral("off"), QStringLiteral("on"), QStringLiteral("on")}));

    FlagPanelText texts;
    texts.setFlag(QStringLiteral("A"), 0);
    texts.setFlag(QStringLiteral("B"), 1);
    texts.setTitle(QStringLiteral("Flags"));
    texts.setFlag(QStringLiteral("C"), 2);
    QCOMPARE(childNames(QAccessible::queryAccessibleInterface(&texts)),
             (QStringList{QString(), QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("Flags"),
                          QStringLiteral("C")}));

    // On screen, the lamps are there to be read.
    lamps.resize(200, 80);
    lamps.show();
    QVERIFY(QTest::qWaitForWindowExposed(&lamps));
    for (int i = 2; i < iface->childCount(); ++i)
        QVERIFY(!iface->child(i)->state().invisible);
}

void TestFlagPanel::clearedFlagsLeaveDescriptionUntilShownAgain()
{
    FlagPanelText texts;
    texts.setFlag(QStringLiteral("A"), 0);
    texts.setFlag(QStringLiteral("B"), 1);
    texts.setFlag(QStringLiteral("C"), 2);
    texts.resize(200, 80);
    texts.show();
    QVERIFY(QTest::qWaitForWindowExposed(&texts));
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&texts);
    QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("A, B, C"));

    texts.clearFlags();
    QVERIFY(iface->text(QAccessible::Description).isEmpty());
    // The hidden flags stay children, marked invisible.
    QCOMPARE(iface->childCount(), 4);
    for (int i = 1; i < 4; ++i)
        QVERIFY(iface->child(i)->state().invisible);

    // Re-showing a flag with its old text is a change for the listener too.
    texts.setFlag(QStringLiteral("B"), 1);
    QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("B"));
    QVERIFY(!iface->child(2)->state().invisible);
    texts.setFlag(QStringLiteral("c"), 2);
    QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("B, c"));
    texts.setFlag(QStringLiteral("D"), 3);
    QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("B, c, D"));
    texts.hide();

    FlagPanelState lamps;
    lamps.setFlag(true, 0);
    lamps.setFlag(false, 1);
    lamps.setFlag(true, 2);
    lamps.clearFlags();
    QAccessibleInterface *lampsIface = QAccessible::queryAccessibleInterface(&lamps);
    QVERIFY(lampsIface->text(QAccessible::Description).isEmpty());
    lamps.setFlag(true, 2);
    QCOMPARE(lampsIface->text(QAccessible::Description), QStringLiteral("on"));
    lamps.setFlag(true, 0);
    QCOMPARE(lampsIface->text(QAccessible::Description), QStringLiteral("on, on"));
}

void TestFlagPanel::lampWordsFollowValueNotColour()
{
    FlagPanelState lamps;
    lamps.setFlag(true, 0);
    lamps.setFlag(false, 1);
    lamps.setFlag(true, 2);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&lamps);

    // Swapped colours: a true lamp painted grey still reads "on".
    lamps.setEnableColor(QColor(169, 169, 169));
    lamps.setDisableColor(QColor(0, 212, 0));
    for (int i = 0; i < 3; ++i)
        lamps.setFlag(i != 1, i);
    QCOMPARE(flagAt(&lamps, 0)->styleSheet(), kLampStyle.arg(QStringLiteral("#a9a9a9")));
    QCOMPARE(flagAt(&lamps, 1)->styleSheet(), kLampStyle.arg(QStringLiteral("#00d400")));
    QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("on, off, on"));
    QCOMPARE(childNames(iface).mid(1),
             (QStringList{QStringLiteral("on"), QStringLiteral("off"), QStringLiteral("on")}));

    // Both states in one colour: only the words tell them apart.
    lamps.setEnableColor(Qt::red);
    lamps.setDisableColor(Qt::red);
    lamps.setFlag(false, 0);
    lamps.setFlag(true, 1);
    QCOMPARE(flagAt(&lamps, 0)->styleSheet(), flagAt(&lamps, 1)->styleSheet());
    QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("off, on, on"));
}

void TestFlagPanel::hostDescriptionIsNeverOverwritten()
{
    FlagPanelState lamps;
    lamps.setFlag(true, 0);
    lamps.setAccessibleDescription(QStringLiteral("Output relays"));
    lamps.setFlag(false, 0);
    lamps.setFlag(true, 1);
    lamps.clearFlags();
    lamps.setFlag(true, 0);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&lamps);
    QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("Output relays"));
    // The lamps themselves still speak.
    QCOMPARE(childNames(iface).mid(1), (QStringList{QStringLiteral("on"), QStringLiteral("on")}));

    // A host that named a lamp keeps that name too.
    flagAt(&lamps, 1)->setAccessibleName(QStringLiteral("Relay 2"));
    lamps.setFlag(false, 1);
    QCOMPARE(iface->child(2)->text(QAccessible::Name), QStringLiteral("Relay 2"));

    // Handing the description back lets the panel describe itself again.
    lamps.setAccessibleDescription(QString());
    lamps.setFlag(false, 0);
    QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("off, off"));

    FlagPanelText texts;
    texts.setAccessibleDescription(QStringLiteral("Mode flags"));
    texts.setFlag(QStringLiteral("Remote"), 0);
    QCOMPARE(QAccessible::queryAccessibleInterface(&texts)->text(QAccessible::Description),
             QStringLiteral("Mode flags"));
}

void TestFlagPanel::partsTheHostDeletesAreLeftAlone_data()
{
    QTest::addColumn<bool>("lamps");
    QTest::addColumn<Attack>("attack");
    QTest::addColumn<int>("count");          // flagCount() after every call below
    QTest::addColumn<QString>("description"); // what the flags say at the end

    const Attack flag1 = [](FlagPanel *panel) { delete flagAt(panel, 1); };
    const Attack title = [](FlagPanel *panel) { delete mainGrid(panel)->itemAtPosition(0, 0)->widget(); };
    const Attack line = [](FlagPanel *panel) { delete splitLine(panel); };
    const Attack flagRow = [](FlagPanel *panel) { delete flagGrid(panel); };
    const Attack layout = [](FlagPanel *panel) { delete panel->layout(); };
    // A filter on flag 0 deletes flag 1 while clearFlags() walks the flags.
    const Attack whileClearing = [](FlagPanel *panel) {
        auto *filter = new DeleteOnHide(flagAt(panel, 1));
        filter->setParent(panel);
        flagAt(panel, 0)->installEventFilter(filter);
    };
    for (const bool lamps : {false, true}) {
        const QString word = lamps ? QStringLiteral("on") : QStringLiteral("x");
        const auto words = [&word](int n) { return QStringList(QVector<QString>(n, word).toList()).join(QStringLiteral(", ")); };
        const char *kind = lamps ? "lamps" : "texts";
        // Flag 1 stays dead; the last call appends flag 3.
        QTest::addRow("%s, flag deleted", kind) << lamps << flag1 << 4 << words(3);
        QTest::addRow("%s, flag deleted while clearing", kind) << lamps << whileClearing << 4 << words(3);
        QTest::addRow("%s, title deleted", kind) << lamps << title << 4 << words(4);
        QTest::addRow("%s, split line deleted", kind) << lamps << line << 4 << words(4);
        // Without the flag row no flag is appended any more.
        QTest::addRow("%s, flag row deleted", kind) << lamps << flagRow << 3 << words(3);
        QTest::addRow("%s, layout deleted", kind) << lamps << layout << 3 << words(3);
    }
}

void TestFlagPanel::partsTheHostDeletesAreLeftAlone()
{
    QFETCH(bool, lamps);
    QFETCH(Attack, attack);
    std::unique_ptr<FlagPanel> panel(lamps ? static_cast<FlagPanel *>(new FlagPanelState)
                                           : static_cast<FlagPanel *>(new FlagPanelText));
    const QVariant value = lamps ? QVariant(true) : QVariant(QStringLiteral("x"));
    panel->setTitle(QStringLiteral("T"));
    for (int i = 0; i < 3; ++i)
        panel->setFlag(value, i);
    attack(panel.get());

    // Every public call, each part it uses possibly gone.
    panel->setTitle(QStringLiteral("U"));
    panel->setSplitLineColor(Qt::red);
    panel->clearFlags();
    panel->setFlag(value, 0);
    panel->setFlag(value, 1);
    panel->setFlag(value, 2);
    panel->setFlag(value, -1);
    panel->sizeHint();
    panel->grab();

    QTEST(panel->flagCount(), "count");
    QTEST(rilotest::spoken(panel.get(), QAccessible::Description), "description");
    QCOMPARE(rilotest::spoken(panel.get()), QStringLiteral("U"));
}

QTEST_MAIN(TestFlagPanel)
#include "tst_flagpanel.moc"
