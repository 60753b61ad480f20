// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Autotest of the state-indicator widgets: the flag model, the framing widget,
// the state label and the state widget box.
#include "testsupport.h"

#include <widget/standardstatewidget.h>
#include <widget/statelabel.h>
#include <widget/statewidgetbox.h>

#include <QAccessible>
#include <QBoxLayout>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <QGridLayout>
#include <QLabel>
#include <QMetaEnum>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>

using namespace rilo::widget;
using State = AbstractStateWidget::State;
using States = AbstractStateWidget::States;
using Pair = std::pair<QColor, QColor>;


Q_DECLARE_METATYPE(rilo::widget::AbstractStateWidget::States)
Q_DECLARE_METATYPE(QBoxLayout::Direction)

// A state label whose render() runs a hook the test sets: the extension point
// through which a host can call back into the library.
class HookLabel : public rilo::widget::StateLabel
{
public:
    using StateLabel::StateLabel;
    std::function<void(HookLabel *)> hook;
    int renders = 0;
    void render() override
    {
        ++renders;
        StateLabel::render();
        if (hook)
            hook(this);
    }
};

using HookSetup = std::function<void(HookLabel *hooked, rilo::widget::StateWidgetBox *box, HookLabel *sibling)>;
using HostAction = std::function<void(rilo::widget::StandardStateWidget *)>;
using Probe = std::function<QVariant(rilo::widget::StateLabel *)>;
Q_DECLARE_METATYPE(HookSetup)
Q_DECLARE_METATYPE(HostAction)
Q_DECLARE_METATYPE(Probe)

namespace {

const QColor kOrange(0xFF, 0x7A, 0x00);
const QColor kDarkGrey(0x35, 0x35, 0x38);
const QColor kWhite(0xFF, 0xFF, 0xFF);

// Every render of the widgets below is written to one shared log, so tests can
// check how many renders a call caused and in which order.
using Log = QStringList;

// A state widget of any kind that logs its renders and state changes.
template <typename Base>
class Logging : public Base
{
public:
    template <typename... Args>
    Logging(const QString &name, Log *log, Args &&...args)
        : Base(std::forward<Args>(args)...)
        , m_name(name)
        , m_log(log)
    {
    }
    void render() override
    {
        m_log->append(m_name);
        Base::render();
    }
    void setState(State state, bool on) override
    {
        m_log->append(QStringLiteral("setState:") + m_name);
        Base::setState(state, on);
    }

private:
    QString m_name;
    Log *m_log;
};

using LoggingFrame = Logging<StandardStateWidget>;
using LoggingBox = Logging<StateWidgetBox>;

int renders(const Log &log)
{
    int n = 0;
    for (const QString &entry : log)
        n += entry.startsWith(QLatin1String("setState:")) ? 0 : 1;
    return n;
}

// Window/WindowText of a widget's palette in one colour group.
Pair paletteColors(const QWidget *widget, QPalette::ColorGroup group)
{
    return {widget->palette().color(group, QPalette::Window), widget->palette().color(group, QPalette::WindowText)};
}

// Four distinct pairs, so that every cell of the colour table is told apart.
const Pair kActiveOn{QColor(200, 0, 0), QColor(10, 10, 10)};
const Pair kActiveOff{QColor(0, 200, 0), QColor(20, 20, 20)};
const Pair kEnabledOn{QColor(0, 0, 200), QColor(30, 30, 30)};
const Pair kEnabledOff{QColor(200, 200, 0), QColor(40, 40, 40)};

void useDistinctColors(AbstractStateWidget *w)
{
    w->setColor(AbstractStateWidget::kActive, kActiveOn, true);
    w->setColor(AbstractStateWidget::kActive, kActiveOff, false);
    w->setColor(AbstractStateWidget::kEnabled, kEnabledOn, true);
    w->setColor(AbstractStateWidget::kEnabled, kEnabledOff, false);
}

QMargins frameMargins(QWidget *frame)
{
    return frame->layout()->contentsMargins();
}

QBoxLayout *boxLayoutOf(StateWidgetBox *box)
{
    return qobject_cast<QBoxLayout *>(box->content()->layout());
}

} // namespace

class TestState : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { rilotest::useTestFont(); }
    void cleanup() { RILO_CHECK_NO_TOPLEVELS(); }

    // flag model
    void stateEnumsAreRegisteredWithTheMetaObject();
    void classNamesAreQualified();
    void newWidgetHasDefaultFlagsAndColors();
    void setStateRendersOnlyWhenFlagsChange_data();
    void setStateRendersOnlyWhenFlagsChange();
    void setStatesRendersOnlyWhenFlagsChange_data();
    void setStatesRendersOnlyWhenFlagsChange();
    void setColorStoresPairsAndAlwaysRenders_data();
    void setColorStoresPairsAndAlwaysRenders();
    void colorOfNoneAndAllIsWhatTheWidgetShows();
    void colorOfUnknownStateIsInvalid();

    // framing widget
    void constructorDoesNotRender();
    void nullContentIsReplacedByPlainWidget();
    void renderAppliesColorTableInEveryGroup_data();
    void renderAppliesColorTableInEveryGroup();
    void renderOwnsColorsAGroupLeftToTheParent_data();
    void renderOwnsColorsAGroupLeftToTheParent();
    void ringShowsActiveColorAroundContent_data();
    void ringShowsActiveColorAroundContent();
    void disablingTheFrameKeepsStateColors();
    void setBorderWidthSetsAllFourMargins();
    void setContentWithCurrentContentDoesNothing();
    void setContentNullRemovesAndDeletesLater();
    void setContentWithNewWidgetRendersAtOnce();
    void destructorDeletesContent();
    void hostDeletingContentLeavesFrameUsable();

    // state label
    void stateLabelIsBuiltAsGiven();
    void setPointSizeChangesOnlyTheSize();
    void setMarginMovesTextNotRing();
    void stateLabelShowsEnabledColors();
    void accessibleNameFollowsTextUnlessHostNamedIt();
    void accessibleDescriptionFollowsFlags();
    void accessibleChangesReachAListenerOnly();

    // state widget box
    void parentOnlyConstructorsMakeChildren();
    void newBoxIsEmptyWithDefaultSpacing();
    void addAndInsertKeepListAndLayoutInStep();
    void widgetsAreLaidOutInDirection_data();
    void widgetsAreLaidOutInDirection();
    void badInsertionsAreHandled();
    void boxPropagatesStateDepthFirst();
    void setStatesOnBoxChangesOnlyTheBox();
    void setColorReachesEveryWidgetBelow();
    void renderReachesEveryWidgetBelow();
    void destroyingBoxDeletesWidgetsFrontFirst();
    void widgetDeletedByHostLeavesTheBox();
    void widgetMovedToAnotherBoxLeavesTheFirst();
    void layoutOperationsReachTheBoxLayout();

    // hostile hosts
    void boxFollowsReplacedContent_data();
    void boxFollowsReplacedContent();
    void stateLabelLooksUpItsLabel_data();
    void stateLabelLooksUpItsLabel();
    void callsFromRenderAreSafeAndBounded_data();
    void callsFromRenderAreSafeAndBounded();
    void cyclesAreRefused_data();
    void cyclesAreRefused();
    void outOfRangeValuesAreClamped_data();
    void outOfRangeValuesAreClamped();
};

// ---------------------------------------------------------------- flag model

void TestState::stateEnumsAreRegisteredWithTheMetaObject()
{
    const QMetaObject &mo = AbstractStateWidget::staticMetaObject;
    const char *names[] = {"kNone", "kActive", "kEnabled", "kAll"};
    for (const char *enumName : {"State", "States"}) {
        const int index = mo.indexOfEnumerator(enumName);
        QVERIFY2(index >= 0, enumName);
        const QMetaEnum e = mo.enumerator(index);
        QCOMPARE(e.isFlag(), qstrcmp(enumName, "States") == 0);
        QCOMPARE(e.keyCount(), 4);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(e.key(i), names[i]);
            QCOMPARE(e.value(i), i);
        }
    }
    QCOMPARE(mo.propertyCount(), mo.propertyOffset());
    QCOMPARE(mo.methodCount(), mo.methodOffset());
}

void TestState::classNamesAreQualified()
{
    QCOMPARE(AbstractStateWidget::staticMetaObject.className(), "rilo::widget::AbstractStateWidget");
    QCOMPARE(StandardStateWidget::staticMetaObject.className(), "rilo::widget::StandardStateWidget");
    QCOMPARE(StateLabel::staticMetaObject.className(), "rilo::widget::StateLabel");
    QCOMPARE(StateWidgetBox::staticMetaObject.className(), "rilo::widget::StateWidgetBox");
}

void TestState::newWidgetHasDefaultFlagsAndColors()
{
    StandardStateWidget w;
    QCOMPARE(w.states(), States(AbstractStateWidget::kNone));
    QCOMPARE(w.color(AbstractStateWidget::kActive, true), Pair(kOrange, kWhite));
    QCOMPARE(w.color(AbstractStateWidget::kActive, false), Pair(kDarkGrey, kWhite));
    QCOMPARE(w.color(AbstractStateWidget::kEnabled, true), Pair(kDarkGrey, kWhite));
    QCOMPARE(w.color(AbstractStateWidget::kEnabled, false), Pair(kDarkGrey, kWhite));
    QCOMPARE(w.color(AbstractStateWidget::kActive, true).first.alpha(), 255);
}

void TestState::setStateRendersOnlyWhenFlagsChange_data()
{
    QTest::addColumn<int>("initial");
    QTest::addColumn<State>("state");
    QTest::addColumn<bool>("on");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("expectedRenders");

    using W = AbstractStateWidget;
    QTest::newRow("set active on none") << 0 << W::kActive << true << 1 << 1;
    QTest::newRow("set active again") << 1 << W::kActive << true << 1 << 0;
    QTest::newRow("clear active on none") << 0 << W::kActive << false << 0 << 0;
    QTest::newRow("set enabled already set") << 2 << W::kEnabled << true << 2 << 0;
    QTest::newRow("set enabled keeps active") << 1 << W::kEnabled << true << 3 << 1;
    QTest::newRow("clear enabled keeps active") << 3 << W::kEnabled << false << 1 << 1;
    QTest::newRow("set all from active") << 1 << W::kAll << true << 3 << 1;
    QTest::newRow("clear all from enabled") << 2 << W::kAll << false << 0 << 1;
    QTest::newRow("set all on all") << 3 << W::kAll << true << 3 << 0;
    QTest::newRow("set none") << 1 << W::kNone << true << 1 << 0;
    QTest::newRow("clear none") << 3 << W::kNone << false << 3 << 0;
}

void TestState::setStateRendersOnlyWhenFlagsChange()
{
    QFETCH(int, initial);
    QFETCH(State, state);
    QFETCH(bool, on);
    QFETCH(int, expected);
    QFETCH(int, expectedRenders);

    Log log;
    LoggingFrame w(QStringLiteral("w"), &log);
    w.setStates(States(initial));
    log.clear();
    w.setState(state, on);
    QCOMPARE(int(w.states()), expected);
    QCOMPARE(renders(log), expectedRenders);
}

void TestState::setStatesRendersOnlyWhenFlagsChange_data()
{
    QTest::addColumn<int>("initial");
    QTest::addColumn<int>("next");
    QTest::addColumn<int>("expectedRenders");
    QTest::newRow("none to none") << 0 << 0 << 0;
    QTest::newRow("none to active") << 0 << 1 << 1;
    QTest::newRow("all to all") << 3 << 3 << 0;
    QTest::newRow("active to enabled") << 1 << 2 << 1;
    QTest::newRow("unknown bits are stored") << 0 << 5 << 1;
}

void TestState::setStatesRendersOnlyWhenFlagsChange()
{
    QFETCH(int, initial);
    QFETCH(int, next);
    QFETCH(int, expectedRenders);

    Log log;
    LoggingFrame w(QStringLiteral("w"), &log);
    if (initial)
        w.setStates(States(initial));
    log.clear();
    w.setStates(States(next));
    QCOMPARE(int(w.states()), next);
    QCOMPARE(renders(log), expectedRenders);
}

void TestState::setColorStoresPairsAndAlwaysRenders_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("on");
    // Which of activeOn, activeOff, enabledOn, enabledOff must change.
    QTest::addColumn<QString>("changed");

    QTest::newRow("active on") << 1 << true << "1000";
    QTest::newRow("active off") << 1 << false << "0100";
    QTest::newRow("enabled on") << 2 << true << "0010";
    QTest::newRow("enabled off") << 2 << false << "0001";
    QTest::newRow("all on") << 3 << true << "1010";
    QTest::newRow("all off") << 3 << false << "0101";
    QTest::newRow("none") << 0 << true << "0000";
    QTest::newRow("unknown value") << 7 << true << "0000";
    QTest::newRow("negative value") << -1 << false << "0000";
}

void TestState::setColorStoresPairsAndAlwaysRenders()
{
    QFETCH(int, state);
    QFETCH(bool, on);
    QFETCH(QString, changed);

    Log log;
    LoggingFrame w(QStringLiteral("w"), &log);
    const Pair before[] = {w.color(AbstractStateWidget::kActive, true), w.color(AbstractStateWidget::kActive, false),
                           w.color(AbstractStateWidget::kEnabled, true), w.color(AbstractStateWidget::kEnabled, false)};
    const Pair pink{QColor(255, 0, 255), QColor(1, 2, 3)};
    w.setColor(State(state), pink, on);
    QCOMPARE(renders(log), 1);

    const Pair after[] = {w.color(AbstractStateWidget::kActive, true), w.color(AbstractStateWidget::kActive, false),
                          w.color(AbstractStateWidget::kEnabled, true), w.color(AbstractStateWidget::kEnabled, false)};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(after[i], changed.at(i) == QLatin1Char('1') ? pink : before[i]);

    // The same pair again still renders: setColor never compares.
    w.setColor(State(state), pink, on);
    QCOMPARE(renders(log), 2);
}

void TestState::colorOfNoneAndAllIsWhatTheWidgetShows()
{
    StandardStateWidget w;
    useDistinctColors(&w);
    w.setState(AbstractStateWidget::kActive, true);
    QCOMPARE(w.color(AbstractStateWidget::kNone, true), kActiveOn);
    QCOMPARE(w.color(AbstractStateWidget::kAll, false), kActiveOn);
    w.setState(AbstractStateWidget::kActive, false);
    QCOMPARE(w.color(AbstractStateWidget::kNone, false), kActiveOff);
    QCOMPARE(w.color(AbstractStateWidget::kAll, true), kActiveOff);
}

void TestState::colorOfUnknownStateIsInvalid()
{
    StandardStateWidget w;
    for (int value : {4, 5, 100, -1}) {
        const Pair pair = w.color(State(value), true);
        QVERIFY(!pair.first.isValid());
        QVERIFY(!pair.second.isValid());
    }
}

// ---------------------------------------------------------- framing widget

void TestState::constructorDoesNotRender()
{
    // A new frame shows the ordinary palette until the first render.
    const QPalette ordinary = QWidget().palette();
    StandardStateWidget w;
    QCOMPARE(w.palette().color(QPalette::Window), ordinary.color(QPalette::Window));
    QCOMPARE(w.content()->palette().color(QPalette::Window), ordinary.color(QPalette::Window));
    QVERIFY(w.autoFillBackground());
    QVERIFY(w.content()->autoFillBackground());
    // Clearing a flag that is not set changes nothing, so it does not render either.
    w.setState(AbstractStateWidget::kActive, false);
    w.setStates(AbstractStateWidget::kNone);
    QCOMPARE(w.palette().color(QPalette::Window), ordinary.color(QPalette::Window));
    w.render();
    QCOMPARE(w.palette().color(QPalette::Window), kDarkGrey);
}

void TestState::nullContentIsReplacedByPlainWidget()
{
    StandardStateWidget w(nullptr);
    QVERIFY(w.content());
    QCOMPARE(w.content()->metaObject(), &QWidget::staticMetaObject);
    QCOMPARE(w.content()->parentWidget(), &w);
    QVERIFY(w.content()->children().isEmpty());
    auto *grid = qobject_cast<QGridLayout *>(w.layout());
    QVERIFY(grid);
    QCOMPARE(grid->spacing(), 0);
    QCOMPARE(grid->contentsMargins(), QMargins(0, 0, 0, 0));
    QCOMPARE(grid->indexOf(w.content()), 0);
}

void TestState::renderAppliesColorTableInEveryGroup_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<Pair>("frame");
    QTest::addColumn<Pair>("content");
    QTest::newRow("none") << 0 << kActiveOff << kEnabledOff;
    QTest::newRow("active") << 1 << kActiveOn << kEnabledOff;
    QTest::newRow("enabled") << 2 << kActiveOff << kEnabledOn;
    QTest::newRow("all") << 3 << kActiveOn << kEnabledOn;
}

void TestState::renderAppliesColorTableInEveryGroup()
{
    QFETCH(int, flags);
    QFETCH(Pair, frame);
    QFETCH(Pair, content);

    StandardStateWidget w;
    useDistinctColors(&w);
    w.setStates(States(flags));
    w.render();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        QCOMPARE(paletteColors(&w, group), frame);
        QCOMPARE(paletteColors(w.content(), group), content);
        QCOMPARE(w.palette().brush(group, QPalette::Window).style(), Qt::SolidPattern);
        QCOMPARE(w.content()->palette().brush(group, QPalette::WindowText).style(), Qt::SolidPattern);
    }
}

void TestState::renderOwnsColorsAGroupLeftToTheParent_data()
{
    QTest::addColumn<int>("inherited");
    QTest::newRow("active") << int(QPalette::Active);
    QTest::newRow("disabled") << int(QPalette::Disabled);
    QTest::newRow("inactive") << int(QPalette::Inactive);
}

void TestState::renderOwnsColorsAGroupLeftToTheParent()
{
    // The host gives the frame its state colours as its own in two colour
    // groups and leaves the third to the parent, which shows the same colours.
    // Qt 6 records set brushes per group: a render must see that the third is
    // not the frame's own and set it, or a later palette change of the parent
    // would show through there.
    QFETCH(int, inherited);
    QWidget parent;
    auto *w = new StandardStateWidget(nullptr, &parent);
    w->render();
    const Pair frame = paletteColors(w, QPalette::Active);

    QPalette shared = parent.palette();
    shared.setColor(QPalette::Window, frame.first);
    shared.setColor(QPalette::WindowText, frame.second);
    parent.setPalette(shared);
    QPalette own;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        if (group != inherited) {
            own.setBrush(group, QPalette::Window, frame.first);
            own.setBrush(group, QPalette::WindowText, frame.second);
        }
    }
    w->setPalette(own);
    w->render();

    shared.setColor(QPalette::ColorGroup(inherited), QPalette::Window, Qt::red);
    shared.setColor(QPalette::ColorGroup(inherited), QPalette::WindowText, Qt::red);
    parent.setPalette(shared);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        QCOMPARE(paletteColors(w, group), frame);
}

void TestState::ringShowsActiveColorAroundContent_data()
{
    QTest::addColumn<int>("border");
    QTest::addColumn<bool>("active");
    QTest::addColumn<QColor>("ring");
    QTest::newRow("4px active") << 4 << true << kOrange;
    QTest::newRow("4px inactive") << 4 << false << kDarkGrey;
    QTest::newRow("1px active") << 1 << true << kOrange;
    QTest::newRow("0px active") << 0 << true << QColor(0, 0, 200); // no ring: the inside reaches the edge
}

void TestState::ringShowsActiveColorAroundContent()
{
    QFETCH(int, border);
    QFETCH(bool, active);
    QFETCH(QColor, ring);

    StandardStateWidget w;
    w.setColor(AbstractStateWidget::kEnabled, {QColor(0, 0, 200), kWhite}, false);
    w.setBorderWidth(border);
    w.setState(AbstractStateWidget::kActive, active);
    w.render();
    w.resize(40, 30);
    const QImage image = w.grab().toImage();
    QCOMPARE(image.size(), QSize(40, 30));
    if (border > 0) {
        // Every pixel of the ring, on all four sides, and nothing more.
        for (int i = 0; i < border; ++i) {
            QCOMPARE(image.pixelColor(i, 15), ring);
            QCOMPARE(image.pixelColor(39 - i, 15), ring);
            QCOMPARE(image.pixelColor(20, i), ring);
            QCOMPARE(image.pixelColor(20, 29 - i), ring);
        }
        QCOMPARE(image.pixelColor(border, 15), QColor(0, 0, 200));
        QCOMPARE(image.pixelColor(39 - border, 15), QColor(0, 0, 200));
        QCOMPARE(image.pixelColor(20, border), QColor(0, 0, 200));
    } else {
        QCOMPARE(image.pixelColor(0, 0), ring);
        QCOMPARE(image.pixelColor(39, 29), ring);
    }
    QCOMPARE(image.pixelColor(20, 15), QColor(0, 0, 200));
}

void TestState::disablingTheFrameKeepsStateColors()
{
    StandardStateWidget w;
    w.setBorderWidth(4);
    w.setState(AbstractStateWidget::kActive, true);
    w.resize(30, 30);
    w.setEnabled(false);
    const QImage image = w.grab().toImage();
    QCOMPARE(image.pixelColor(1, 1), kOrange);
    QCOMPARE(image.pixelColor(15, 15), kDarkGrey);
}

void TestState::setBorderWidthSetsAllFourMargins()
{
    StandardStateWidget w;
    QCOMPARE(frameMargins(&w), QMargins(0, 0, 0, 0));
    w.setBorderWidth(6);
    QCOMPARE(frameMargins(&w), QMargins(6, 6, 6, 6));
    // A host that set uneven margins gets even ones again, including for the
    // width one of them already has.
    w.layout()->setContentsMargins(6, 1, 6, 6);
    w.setBorderWidth(6);
    QCOMPARE(frameMargins(&w), QMargins(6, 6, 6, 6));
    w.setBorderWidth(-3);
    QCOMPARE(frameMargins(&w), QMargins(0, 0, 0, 0));

    // Changing the width does not render.
    Log log;
    LoggingFrame frame(QStringLiteral("f"), &log);
    frame.setBorderWidth(2);
    QCOMPARE(renders(log), 0);
}

void TestState::setContentWithCurrentContentDoesNothing()
{
    Log log;
    LoggingFrame w(QStringLiteral("w"), &log);
    QWidget *content = w.content();
    w.setContent(content);
    QCOMPARE(renders(log), 0);
    QCOMPARE(w.content(), content);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(w.content(), content);
}

void TestState::setContentNullRemovesAndDeletesLater()
{
    Log log;
    LoggingFrame w(QStringLiteral("w"), &log);
    useDistinctColors(&w);
    log.clear();
    QPointer<QWidget> old = w.content();

    w.setContent(nullptr);
    QCOMPARE(w.content(), nullptr);
    QCOMPARE(renders(log), 0);
    QVERIFY(old);                       // not yet: deleteLater
    QCOMPARE(w.layout()->count(), 0);   // but no longer laid out
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!old);

    // A render now reaches only the frame.
    w.setState(AbstractStateWidget::kActive, true);
    QCOMPARE(renders(log), 1);
    QCOMPARE(paletteColors(&w, QPalette::Active), kActiveOn);
}

void TestState::setContentWithNewWidgetRendersAtOnce()
{
    Log log;
    LoggingFrame w(QStringLiteral("w"), &log);
    useDistinctColors(&w);
    w.setState(AbstractStateWidget::kEnabled, true);
    log.clear();

    QPointer<QWidget> old = w.content();
    auto *label = new QLabel(QStringLiteral("new"));
    w.setContent(label);
    QCOMPARE(renders(log), 1);
    QCOMPARE(w.content(), label);
    QCOMPARE(label->parentWidget(), &w);
    QVERIFY(label->autoFillBackground());
    QCOMPARE(paletteColors(label, QPalette::Active), kEnabledOn);
    QCOMPARE(w.layout()->count(), 1);
    QCOMPARE(w.layout()->itemAt(0)->widget(), label);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!old);
}

void TestState::destructorDeletesContent()
{
    auto *w = new StandardStateWidget(new QLabel(QStringLiteral("x")));
    QPointer<QWidget> content = w->content();
    QPointer<QLayout> layout = w->layout();
    delete w;
    QVERIFY(!content);
    QVERIFY(!layout);
}

void TestState::hostDeletingContentLeavesFrameUsable()
{
    StandardStateWidget w;
    delete w.content();
    QCOMPARE(w.content(), nullptr);
    w.setState(AbstractStateWidget::kActive, true); // renders the frame only
    QCOMPARE(paletteColors(&w, QPalette::Active), Pair(kOrange, kWhite));
    w.setContent(new QLabel);
    QVERIFY(w.content());

    // The frame's layout deleted by the host: the next call that needs it
    // makes a new one around the content.
    delete w.layout();
    w.setBorderWidth(3);
    QVERIFY(w.layout());
    QCOMPARE(w.layout()->indexOf(w.content()), 0);
    QCOMPARE(frameMargins(&w), QMargins(3, 3, 3, 3));
}

// ------------------------------------------------------------- state label

void TestState::stateLabelIsBuiltAsGiven()
{
    Log log;
    StateLabel label(QStringLiteral("0.000"), 9, Qt::AlignRight);
    QCOMPARE(label.text(), QStringLiteral("0.000"));
    QVERIFY(label.label());
    QCOMPARE(label.content(), label.label());
    QCOMPARE(label.label()->font().pointSize(), 9);
    QCOMPARE(label.label()->margin(), 2);
    QCOMPARE(label.label()->alignment(), Qt::Alignment(Qt::AlignRight));
    QCOMPARE(frameMargins(&label), QMargins(0, 0, 0, 0));
    QCOMPARE(label.states(), States(AbstractStateWidget::kNone));
    // Not rendered yet: the label still has the ordinary palette.
    QCOMPARE(label.label()->palette().color(QPalette::Window), QWidget().palette().color(QPalette::Window));

    label.setText(QStringLiteral("12.5"));
    QCOMPARE(label.text(), QStringLiteral("12.5"));
    QCOMPARE(label.label()->text(), QStringLiteral("12.5"));
    label.setAlignment(Qt::AlignCenter);
    QCOMPARE(label.label()->alignment(), Qt::Alignment(Qt::AlignCenter));
}

void TestState::setPointSizeChangesOnlyTheSize()
{
    StateLabel label(QStringLiteral("x"), 9, Qt::AlignLeft);
    QFont font = label.label()->font();
    font.setBold(true);
    font.setItalic(true);
    font.setFamily(QStringLiteral("DejaVu Serif"));
    label.label()->setFont(font);

    label.setPointSize(20);
    const QFont after = label.label()->font();
    QCOMPARE(after.pointSize(), 20);
    QCOMPARE(after.bold(), true);
    QCOMPARE(after.italic(), true);
    QCOMPARE(after.family(), QStringLiteral("DejaVu Serif"));

    label.setPointSize(0); // ignored
    QCOMPARE(label.label()->font().pointSize(), 20);
    label.setPointSize(-4);
    QCOMPARE(label.label()->font().pointSize(), 20);
}

void TestState::setMarginMovesTextNotRing()
{
    StateLabel label(QStringLiteral("X"), 9, Qt::AlignLeft | Qt::AlignTop);
    label.setBorderWidth(2);
    label.render();
    label.resize(60, 40);
    const auto firstTextColumn = [&label]() {
        const QImage image = label.grab().toImage();
        const QColor inside = image.pixelColor(30, 38);
        for (int x = 2; x < image.width(); ++x)
            for (int y = 2; y < image.height() - 2; ++y)
                if (image.pixelColor(x, y) != inside)
                    return x;
        return -1;
    };
    const int before = firstTextColumn();
    label.setMargin(5);
    QCOMPARE(label.label()->margin(), 5);
    const int after = firstTextColumn();
    QVERIFY(before > 0);
    QCOMPARE(after - before, 3);
    QCOMPARE(frameMargins(&label), QMargins(2, 2, 2, 2));
}

void TestState::stateLabelShowsEnabledColors()
{
    const QColor blue(0, 0, 255);
    const QColor yellow(255, 255, 0);
    StateLabel label(QStringLiteral("MMMM"), 20, Qt::AlignCenter);
    label.setColor(AbstractStateWidget::kEnabled, {blue, yellow}, true);
    label.setState(AbstractStateWidget::kEnabled, true);
    label.resize(120, 50);
    QCOMPARE(paletteColors(label.label(), QPalette::Active), Pair(blue, yellow));

    const QImage image = label.grab().toImage();
    QCOMPARE(image.pixelColor(2, 2), blue);
    int yellowPixels = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            yellowPixels += image.pixelColor(x, y) == yellow;
    QVERIFY2(yellowPixels > 20, qPrintable(QString::number(yellowPixels)));
}

void TestState::accessibleNameFollowsTextUnlessHostNamedIt()
{
    StateLabel label(QStringLiteral("CH1"), 9, Qt::AlignCenter);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&label);
    QVERIFY(iface);
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("CH1"));
    label.setText(QStringLiteral("CH2"));
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("CH2"));

    label.setAccessibleName(QStringLiteral("Channel two"));
    label.setText(QStringLiteral("CH3"));
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Channel two"));
    QCOMPARE(label.text(), QStringLiteral("CH3"));

    // A host that clears the name hands it back to the text.
    StateLabel other(QStringLiteral("V"), 9, Qt::AlignCenter);
    other.setAccessibleName(QString());
    other.setText(QStringLiteral("mV"));
    QCOMPARE(rilotest::spoken(&other), QStringLiteral("mV"));
}

void TestState::accessibleDescriptionFollowsFlags()
{
    StandardStateWidget w;
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&w);
    QVERIFY(iface);
    w.setState(AbstractStateWidget::kActive, true);
    QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("active, not enabled"));
    w.setStates(AbstractStateWidget::kAll);
    QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("active, enabled"));
    w.setState(AbstractStateWidget::kActive, false);
    QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("inactive, enabled"));
    QCOMPARE(AbstractStateWidget::describeStates(AbstractStateWidget::kNone), QStringLiteral("inactive, not enabled"));

    // A description the host set stays.
    w.setAccessibleDescription(QStringLiteral("Output relay"));
    w.setState(AbstractStateWidget::kActive, true);
    QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("Output relay"));

    // Boxes pass the flags on, and with them the descriptions.
    StateWidgetBox box;
    auto *label = new StateLabel(QStringLiteral("x"));
    box.add(label);
    box.setState(AbstractStateWidget::kEnabled, true);
    QCOMPARE(rilotest::spoken(label, QAccessible::Description), QStringLiteral("inactive, enabled"));
}

namespace {

// The accessibility events delivered while the test listens.
QList<std::pair<QObject *, QAccessible::Event>> heardEvents;

void hearEvent(QAccessibleEvent *event)
{
    heardEvents.append({event->object(), event->type()});
}

// Switches accessibility on or off as a screen reader would, through the
// platform (as Qt's own accessibility tests do).
void setAccessibilityActive(bool active)
{
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(active);
}

} // namespace

void TestState::accessibleChangesReachAListenerOnly()
{
    heardEvents.clear();
    const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(&hearEvent);
    StateLabel label(QStringLiteral("CH1"));
    StandardStateWidget frame;
    const auto heard = [&](QObject *object, QAccessible::Event type) {
        return heardEvents.contains(std::make_pair(object, type));
    };

    // Nobody listens: no change event, and no accessible interface made to send one.
    label.setText(QStringLiteral("CH2"));
    frame.setState(AbstractStateWidget::kActive, true);
    QVERIFY(!heard(&label, QAccessible::NameChanged));
    QVERIFY(!heard(&frame, QAccessible::DescriptionChanged));

    setAccessibilityActive(true);
    QVERIFY(QAccessible::isActive());
    label.setText(QStringLiteral("CH3"));
    frame.setState(AbstractStateWidget::kEnabled, true);
    const bool nameHeard = heard(&label, QAccessible::NameChanged);
    const bool descriptionHeard = heard(&frame, QAccessible::DescriptionChanged);
    // A host's own texts do not change with ours, so nothing is announced.
    heardEvents.clear();
    label.setAccessibleName(QStringLiteral("Channel"));
    frame.setAccessibleDescription(QStringLiteral("Relay"));
    heardEvents.clear();
    label.setText(QStringLiteral("CH4"));
    frame.setState(AbstractStateWidget::kActive, false);
    const bool hostTextsQuiet = !heard(&label, QAccessible::NameChanged) && !heard(&frame, QAccessible::DescriptionChanged);
    setAccessibilityActive(false);
    QAccessible::installUpdateHandler(previous);

    QVERIFY(nameHeard);
    QVERIFY(descriptionHeard);
    QVERIFY(hostTextsQuiet);
    QCOMPARE(rilotest::spoken(&label), QStringLiteral("Channel"));
}

// -------------------------------------------------------- state widget box

void TestState::parentOnlyConstructorsMakeChildren()
{
    // The one-argument forms that uic-generated code calls take the parent.
    QWidget parent;
    auto *label = new StateLabel(&parent);
    QCOMPARE(label->parentWidget(), &parent);
    QCOMPARE(label->text(), QString());
    QCOMPARE(label->label()->font().pointSize(), 9);
    QCOMPARE(label->label()->margin(), 2);
    auto *box = new StateWidgetBox(&parent);
    QCOMPARE(box->parentWidget(), &parent);
    QCOMPARE(box->count(), 0);
    QCOMPARE(boxLayoutOf(box)->direction(), QBoxLayout::LeftToRight);
    // ...whereas a standard state widget's single argument is its content.
    auto *inner = new QLabel;
    StandardStateWidget frame(inner);
    QCOMPARE(frame.content(), inner);
    QCOMPARE(frame.parentWidget(), nullptr);
}

void TestState::newBoxIsEmptyWithDefaultSpacing()
{
    StateWidgetBox box(QBoxLayout::TopToBottom);
    QCOMPARE(box.count(), 0);
    QCOMPARE(box.widget(0), nullptr);
    QCOMPARE(box.widget(-1), nullptr);
    QBoxLayout *layout = boxLayoutOf(&box);
    QVERIFY(layout);
    QCOMPARE(layout->direction(), QBoxLayout::TopToBottom);
    QCOMPARE(layout->contentsMargins(), QMargins(3, 3, 3, 3));
    QCOMPARE(layout->spacing(), 3);
    QCOMPARE(frameMargins(&box), QMargins(0, 0, 0, 0));
    QCOMPARE(box.content()->metaObject(), &QWidget::staticMetaObject);
}

void TestState::addAndInsertKeepListAndLayoutInStep()
{
    StateWidgetBox box;
    auto *a = new StateLabel(QStringLiteral("a"));
    auto *b = new StateLabel(QStringLiteral("b"));
    auto *c = new StateLabel(QStringLiteral("c"));
    box.add(a);
    box.add(b);
    box.insert(0, c);
    QCOMPARE(box.count(), 3);
    QCOMPARE(box.widget(0), c);
    QCOMPARE(box.widget(1), a);
    QCOMPARE(box.widget(2), b);
    QCOMPARE(box.widget(3), nullptr);
    QCOMPARE(box.widget(-1), nullptr);
    QBoxLayout *layout = boxLayoutOf(&box);
    QCOMPARE(layout->itemAt(0)->widget(), c);
    QCOMPARE(layout->itemAt(1)->widget(), a);
    QCOMPARE(layout->itemAt(2)->widget(), b);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(layout->stretch(i), 0);
        QCOMPARE(layout->itemAt(i)->alignment(), Qt::Alignment());
        QCOMPARE(box.widget(i)->parentWidget(), box.content());
    }
}

void TestState::widgetsAreLaidOutInDirection_data()
{
    QTest::addColumn<QBoxLayout::Direction>("direction");
    QTest::newRow("left to right") << QBoxLayout::LeftToRight;
    QTest::newRow("right to left") << QBoxLayout::RightToLeft;
    QTest::newRow("top to bottom") << QBoxLayout::TopToBottom;
    QTest::newRow("bottom to top") << QBoxLayout::BottomToTop;
}

void TestState::widgetsAreLaidOutInDirection()
{
    QFETCH(QBoxLayout::Direction, direction);
    StateWidgetBox box(direction);
    auto *a = new StateLabel(QStringLiteral("a"));
    auto *b = new StateLabel(QStringLiteral("b"));
    auto *c = new StateLabel(QStringLiteral("c"));
    box.add(a);
    box.add(b);
    box.insert(0, c);
    box.resize(300, 300);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));

    // c, a, b in the box's direction.
    const auto pos = [direction](QWidget *w) {
        const QPoint p = w->mapTo(w->window(), QPoint(0, 0));
        switch (direction) {
        case QBoxLayout::LeftToRight: return p.x();
        case QBoxLayout::RightToLeft: return -p.x();
        case QBoxLayout::TopToBottom: return p.y();
        case QBoxLayout::BottomToTop: return -p.y();
        }
        return 0;
    };
    QVERIFY(pos(c) < pos(a));
    QVERIFY(pos(a) < pos(b));
    // Margin 3 from the box's inside edge to the first widget.
    if (direction == QBoxLayout::LeftToRight)
        QCOMPARE(c->x(), 3);
    if (direction == QBoxLayout::TopToBottom)
        QCOMPARE(c->y(), 3);
}

void TestState::badInsertionsAreHandled()
{
    StateWidgetBox box;
    auto *a = new StateLabel(QStringLiteral("a"));
    auto *b = new StateLabel(QStringLiteral("b"));
    auto *c = new StateLabel(QStringLiteral("c"));
    box.add(nullptr);
    box.insert(0, nullptr);
    QCOMPARE(box.count(), 0);
    box.add(a);
    box.insert(7, b);  // past the end: appended
    box.insert(-2, c); // negative: appended
    QCOMPARE(box.count(), 3);
    QCOMPARE(box.widget(1), b);
    QCOMPARE(box.widget(2), c);
    QCOMPARE(boxLayoutOf(&box)->itemAt(2)->widget(), c);
    box.add(a);        // already in the box: ignored
    box.insert(0, b);
    QCOMPARE(box.count(), 3);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot hold")));
    box.add(&box); // not into itself
    QCOMPARE(box.count(), 3);
    QCOMPARE(boxLayoutOf(&box)->count(), 3);

    // Stretch operations with bad layout indices do not crash.
    box.insertStretch(99, 1);
    QCOMPARE(boxLayoutOf(&box)->count(), 4);
    QVERIFY(boxLayoutOf(&box)->itemAt(3)->spacerItem());
    box.setStretch(99, 2);
    box.setStretch(-1, 2);
}

void TestState::boxPropagatesStateDepthFirst()
{
    Log log;
    LoggingBox outer(QStringLiteral("outer"), &log);
    auto *inner = new LoggingBox(QStringLiteral("inner"), &log);
    auto *a = new LoggingFrame(QStringLiteral("a"), &log);
    auto *b = new LoggingFrame(QStringLiteral("b"), &log);
    auto *c = new LoggingFrame(QStringLiteral("c"), &log);
    inner->add(a);
    inner->add(b);
    outer.add(inner);
    outer.add(c);
    log.clear();

    outer.setState(AbstractStateWidget::kActive, true);
    for (AbstractStateWidget *w : {static_cast<AbstractStateWidget *>(&outer), static_cast<AbstractStateWidget *>(inner),
                                   static_cast<AbstractStateWidget *>(a), static_cast<AbstractStateWidget *>(b),
                                   static_cast<AbstractStateWidget *>(c)})
        QCOMPARE(w->states(), States(AbstractStateWidget::kActive));

    // The outer box renders itself and everything below, then hands the call
    // on: the inner box handles itself and its widgets before c is reached.
    const Log expected{"setState:outer", "outer", "inner", "a", "b", "c",
                       "setState:inner", "inner", "a", "b",
                       "setState:a", "a", "setState:b", "b",
                       "setState:c", "c"};
    QCOMPARE(log, expected);

    // Setting it again changes no flag anywhere and renders nothing.
    log.clear();
    outer.setState(AbstractStateWidget::kActive, true);
    QCOMPARE(renders(log), 0);
    QCOMPARE(log.size(), 5);

    // Pixels: with a ring on a nested widget, it shows the active colour.
    a->setBorderWidth(2);
    outer.resize(200, 60);
    const QImage image = outer.grab().toImage();
    const QPoint p = a->mapTo(&outer, QPoint(0, 0));
    QCOMPARE(image.pixelColor(p), kOrange);
}

void TestState::setStatesOnBoxChangesOnlyTheBox()
{
    Log log;
    LoggingBox box(QStringLiteral("box"), &log);
    auto *a = new LoggingFrame(QStringLiteral("a"), &log);
    auto *b = new LoggingFrame(QStringLiteral("b"), &log);
    box.add(a);
    box.add(b);
    b->setStates(AbstractStateWidget::kEnabled);
    useDistinctColors(&box);
    log.clear();

    box.setStates(AbstractStateWidget::kActive);
    QCOMPARE(box.states(), States(AbstractStateWidget::kActive));
    QCOMPARE(a->states(), States(AbstractStateWidget::kNone));
    QCOMPARE(b->states(), States(AbstractStateWidget::kEnabled));
    QCOMPARE(log, Log({"box", "a", "b"}));
    // Each widget rendered with its own flags.
    QCOMPARE(paletteColors(&box, QPalette::Active), kActiveOn);
    QCOMPARE(paletteColors(a, QPalette::Active), kActiveOff);
    QCOMPARE(paletteColors(b->content(), QPalette::Active), kEnabledOn);
    QCOMPARE(paletteColors(a->content(), QPalette::Active), kEnabledOff);
}

void TestState::setColorReachesEveryWidgetBelow()
{
    Log log;
    LoggingBox outer(QStringLiteral("outer"), &log);
    auto *inner = new LoggingBox(QStringLiteral("inner"), &log);
    auto *a = new LoggingFrame(QStringLiteral("a"), &log);
    auto *b = new LoggingFrame(QStringLiteral("b"), &log);
    inner->add(a);
    outer.add(inner);
    outer.add(b);
    log.clear();

    const Pair red{Qt::red, Qt::black};
    outer.setColor(AbstractStateWidget::kAll, red, false);
    for (AbstractStateWidget *w : {static_cast<AbstractStateWidget *>(&outer), static_cast<AbstractStateWidget *>(inner),
                                   static_cast<AbstractStateWidget *>(a), static_cast<AbstractStateWidget *>(b)}) {
        QCOMPARE(w->color(AbstractStateWidget::kActive, false), red);
        QCOMPARE(w->color(AbstractStateWidget::kEnabled, false), red);
        QCOMPARE(w->color(AbstractStateWidget::kActive, true), Pair(kOrange, kWhite));
    }
    // outer renders (outer inner a b), inner renders (inner a), a, b.
    QCOMPARE(log, Log({"outer", "inner", "a", "b", "inner", "a", "a", "b"}));
    QCOMPARE(paletteColors(a->content(), QPalette::Disabled), red);
}

void TestState::renderReachesEveryWidgetBelow()
{
    Log log;
    StateWidgetBox outer;
    auto *inner = new StateWidgetBox;
    auto *a = new LoggingFrame(QStringLiteral("a"), &log);
    auto *b = new LoggingFrame(QStringLiteral("b"), &log);
    a->setStates(AbstractStateWidget::kActive);
    inner->add(a);
    outer.add(inner);
    outer.add(b);
    log.clear();
    outer.render();
    QCOMPARE(log, Log({"a", "b"}));
    QCOMPARE(paletteColors(&outer, QPalette::Active), Pair(kDarkGrey, kWhite));
    QCOMPARE(paletteColors(a, QPalette::Active), Pair(kOrange, kWhite));
    QCOMPARE(paletteColors(b, QPalette::Active), Pair(kDarkGrey, kWhite));
    QCOMPARE(paletteColors(inner->content(), QPalette::Active), Pair(kDarkGrey, kWhite));
}

void TestState::destroyingBoxDeletesWidgetsFrontFirst()
{
    auto *box = new StateWidgetBox;
    auto *inner = new StateWidgetBox;
    QStringList order;
    QList<QPointer<QObject>> watched;
    const auto track = [&](QWidget *w, const QString &name) {
        watched.append(w);
        connect(w, &QObject::destroyed, this, [&order, name]() { order.append(name); });
    };
    auto *a = new StateLabel;
    auto *b = new StateLabel;
    auto *nested = new StateLabel;
    track(a, QStringLiteral("a"));
    track(inner, QStringLiteral("inner"));
    track(b, QStringLiteral("b"));
    track(nested, QStringLiteral("nested"));
    inner->add(nested);
    box->add(a);
    box->add(inner);
    box->add(b);
    QPointer<QWidget> content = box->content();
    delete box;
    for (const auto &w : watched)
        QVERIFY(!w);
    QVERIFY(!content);
    QCOMPARE(order, QStringList({"a", "nested", "inner", "b"}));
}

void TestState::widgetDeletedByHostLeavesTheBox()
{
    StateWidgetBox box;
    auto *a = new StateLabel(QStringLiteral("a"));
    auto *b = new StateLabel(QStringLiteral("b"));
    box.add(a);
    box.add(b);
    delete a;
    QCOMPARE(box.count(), 1);
    QCOMPARE(box.widget(0), b);
    box.setState(AbstractStateWidget::kAll, true); // must not touch the deleted widget
    QCOMPARE(b->states(), States(AbstractStateWidget::kAll));

    // Re-parenting a widget out of the box also takes it out of the list.
    StandardStateWidget elsewhere;
    b->setParent(&elsewhere);
    QCOMPARE(box.count(), 0);
}

void TestState::widgetMovedToAnotherBoxLeavesTheFirst()
{
    auto first = std::make_unique<StateWidgetBox>();
    StateWidgetBox second;
    auto *a = new StateLabel(QStringLiteral("a"));
    first->add(a);
    second.add(a);
    QCOMPARE(first->count(), 0);
    QCOMPARE(second.count(), 1);
    QCOMPARE(a->parentWidget(), second.content());
    QPointer<StateLabel> guard(a);
    // Destroying the first box must not delete the widget the second owns.
    first.reset();
    QVERIFY(guard);
    QCOMPARE(second.widget(0), a);
}

void TestState::layoutOperationsReachTheBoxLayout()
{
    StateWidgetBox box;
    box.add(new StateLabel(QStringLiteral("a")));
    box.add(new StateLabel(QStringLiteral("b")));
    QBoxLayout *layout = boxLayoutOf(&box);

    box.setDirection(QBoxLayout::BottomToTop);
    QCOMPARE(layout->direction(), QBoxLayout::BottomToTop);
    box.setMargin(7);
    QCOMPARE(layout->contentsMargins(), QMargins(7, 7, 7, 7));
    QCOMPARE(frameMargins(&box), QMargins(0, 0, 0, 0));
    box.setSpacing(9);
    QCOMPARE(layout->spacing(), 9);
    box.addStretch(4);
    QCOMPARE(layout->count(), 3);
    QVERIFY(layout->itemAt(2)->spacerItem());
    QCOMPARE(layout->stretch(2), 4);
    box.insertStretch(0, 2);
    QVERIFY(layout->itemAt(0)->spacerItem());
    QCOMPARE(layout->stretch(0), 2);
    box.setStretch(1, 6);
    QCOMPARE(layout->stretch(1), 6);
    // List indices count only the state widgets; the stretches are not widgets.
    QCOMPARE(box.count(), 2);
    QCOMPARE(layout->itemAt(1)->widget(), box.widget(0));
}

// ----------------------------------------------------------- hostile hosts

void TestState::boxFollowsReplacedContent_data()
{
    QTest::addColumn<int>("kind");           // what the new content is
    QTest::addColumn<bool>("takesWidgets"); // can add() lay out widgets in it?
    QTest::newRow("plain widget") << 0 << true;
    QTest::newRow("widget with a box layout") << 1 << true;
    QTest::newRow("widget with a grid layout") << 2 << false;
    QTest::newRow("no content") << 3 << false;
}

void TestState::boxFollowsReplacedContent()
{
    QFETCH(int, kind);
    QFETCH(bool, takesWidgets);
    StateWidgetBox box;
    QPointer<StateLabel> old = new StateLabel(QStringLiteral("old"));
    box.add(old);
    box.setMargin(5);
    QWidget *content = kind == 3 ? nullptr : new QWidget;
    QPointer<QBoxLayout> hostLayout = kind == 1 ? new QVBoxLayout(content) : nullptr;
    if (kind == 2)
        new QGridLayout(content);
    box.setContent(content);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!old); // went with the old content
    QCOMPARE(box.count(), 0);
    QCOMPARE(box.widget(0), nullptr);
    box.setState(AbstractStateWidget::kActive, true); // must not reach the old widgets

    auto *fresh = new StateLabel(QStringLiteral("fresh"));
    box.add(fresh);
    box.setSpacing(7);
    QCOMPARE(box.count(), takesWidgets ? 1 : 0);
    QCOMPARE(box.widget(0), takesWidgets ? fresh : nullptr);
    if (!takesWidgets) {
        QCOMPARE(fresh->parentWidget(), nullptr); // still the caller's
        delete fresh;
        return;
    }
    QCOMPARE(fresh->parentWidget(), content);
    auto *layout = qobject_cast<QBoxLayout *>(content->layout());
    QVERIFY(layout);
    QCOMPARE(layout->indexOf(fresh), 0);
    QCOMPARE(layout->spacing(), 7);
    if (kind == 1) {
        QCOMPARE(layout, hostLayout.data()); // the host's own layout is used
    } else {
        QCOMPARE(layout->contentsMargins(), QMargins(5, 5, 5, 5)); // made with the margin last set
    }
    box.setState(AbstractStateWidget::kEnabled, true);
    QCOMPARE(fresh->states(), States(AbstractStateWidget::kEnabled));
}

void TestState::stateLabelLooksUpItsLabel_data()
{
    QTest::addColumn<HostAction>("action");
    QTest::addColumn<bool>("newLabel"); // is there a (new) label afterwards?
    QTest::newRow("host deletes the label") << HostAction([](StandardStateWidget *w) { delete w->content(); })
                                            << false;
    QTest::newRow("content replaced by a plain widget")
        << HostAction([](StandardStateWidget *w) { w->setContent(new QWidget); }) << false;
    QTest::newRow("content removed") << HostAction([](StandardStateWidget *w) { w->setContent(nullptr); }) << false;
    QTest::newRow("label taken by another frame") << HostAction([](StandardStateWidget *w) {
        auto *thief = new StandardStateWidget(nullptr, w); // a child, so the test deletes it
        thief->setContent(w->content());
    }) << false;
    QTest::newRow("content replaced by a new label")
        << HostAction([](StandardStateWidget *w) { w->setContent(new QLabel(QStringLiteral("new"))); }) << true;
}

void TestState::stateLabelLooksUpItsLabel()
{
    QFETCH(HostAction, action);
    QFETCH(bool, newLabel);
    StateLabel w(QStringLiteral("first"));
    QPointer<QLabel> first = w.label();
    action(&w);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    w.setText(QStringLiteral("later"));
    w.setPointSize(20);
    w.setMargin(4);
    w.setAlignment(Qt::AlignRight);
    w.setState(AbstractStateWidget::kAll, true);
    if (!newLabel) {
        QCOMPARE(w.label(), nullptr);
        QCOMPARE(w.text(), QString());
        if (first) // the thief's label is not ours to change
            QCOMPARE(first->text(), QStringLiteral("first"));
        return;
    }
    QVERIFY(w.label() && w.label() != first);
    QCOMPARE(w.text(), QStringLiteral("later"));
    QCOMPARE(w.label()->margin(), 4);
    QCOMPARE(w.label()->font().pointSize(), 20);
    QCOMPARE(paletteColors(w.label(), QPalette::Active), Pair(kDarkGrey, kWhite));
}

void TestState::callsFromRenderAreSafeAndBounded_data()
{
    QTest::addColumn<HookSetup>("setup");
    QTest::addColumn<int>("countAfter");  // box count after setState, -1: box deleted
    QTest::addColumn<bool>("warns");      // the kept calls never settle
    QTest::addColumn<int>("maxRenders");  // renders of the hooked label at most

    const auto own = [](HookLabel *h) { return h; };
    Q_UNUSED(own)
    QTest::newRow("render toggles its own flag") << HookSetup([](HookLabel *h, StateWidgetBox *, HookLabel *) {
        h->hook = [](HookLabel *self) { self->setState(AbstractStateWidget::kEnabled, !self->states().testFlag(AbstractStateWidget::kEnabled)); };
    }) << 2 << true << 20;
    QTest::newRow("render toggles the box's flag") << HookSetup([](HookLabel *h, StateWidgetBox *box, HookLabel *) {
        h->hook = [box](HookLabel *) { box->setState(AbstractStateWidget::kEnabled, !box->states().testFlag(AbstractStateWidget::kEnabled)); };
    }) << 2 << true << 40;
    QTest::newRow("render sets the box's colour") << HookSetup([](HookLabel *h, StateWidgetBox *box, HookLabel *) {
        h->hook = [box](HookLabel *) { box->setColor(AbstractStateWidget::kActive, {Qt::red, Qt::black}, true); };
    }) << 2 << true << 40;
    QTest::newRow("render replaces its content") << HookSetup([](HookLabel *h, StateWidgetBox *, HookLabel *) {
        h->hook = [](HookLabel *self) { self->setContent(new QLabel); };
    }) << 2 << true << 40;
    QTest::newRow("render repeats the change") << HookSetup([](HookLabel *h, StateWidgetBox *box, HookLabel *) {
        h->hook = [box](HookLabel *) { box->setState(AbstractStateWidget::kActive, true); };
    }) << 2 << false << 2;
    QTest::newRow("render renders the box") << HookSetup([](HookLabel *h, StateWidgetBox *box, HookLabel *) {
        h->hook = [box](HookLabel *) { box->render(); };
    }) << 2 << false << 3;
    QTest::newRow("render adds to the box") << HookSetup([](HookLabel *h, StateWidgetBox *box, HookLabel *) {
        h->hook = [box](HookLabel *self) {
            self->hook = nullptr;
            box->insert(0, new StateLabel);
        };
    }) << 3 << false << 2;
    QTest::newRow("render deletes its sibling") << HookSetup([](HookLabel *h, StateWidgetBox *, HookLabel *sibling) {
        h->hook = [sibling](HookLabel *self) {
            self->hook = nullptr;
            delete sibling;
        };
    }) << 1 << false << 2;
    QTest::newRow("render deletes itself") << HookSetup([](HookLabel *h, StateWidgetBox *, HookLabel *) {
        h->hook = [](HookLabel *self) { delete self; };
    }) << 1 << false << 1;
    QTest::newRow("render deletes the box") << HookSetup([](HookLabel *h, StateWidgetBox *box, HookLabel *) {
        h->hook = [box](HookLabel *) { delete box; };
    }) << -1 << false << 1;
    QTest::newRow("render moves its sibling away") << HookSetup([](HookLabel *h, StateWidgetBox *box, HookLabel *sibling) {
        h->hook = [box, sibling](HookLabel *self) {
            self->hook = nullptr;
            sibling->setParent(box); // out of the box's content
        };
    }) << 1 << false << 2;
}

void TestState::callsFromRenderAreSafeAndBounded()
{
    QFETCH(HookSetup, setup);
    QFETCH(int, countAfter);
    QFETCH(bool, warns);
    QFETCH(int, maxRenders);
    QPointer<StateWidgetBox> box = new StateWidgetBox;
    QPointer<HookLabel> hooked = new HookLabel;
    QPointer<HookLabel> sibling = new HookLabel;
    box->add(hooked);
    box->add(sibling);
    setup(hooked, box, sibling);
    static int dropWarnings;
    dropWarnings = 0;
    static QtMessageHandler previous;
    previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &text) {
        if (text.contains(QLatin1String("dropped after 8 rounds")))
            ++dropWarnings;
        else
            previous(type, context, text);
    });
    int hookedRenders = 0;
    QObject::connect(hooked.data(), &QObject::destroyed, [&] { hookedRenders = -1; });
    box->setState(AbstractStateWidget::kActive, true);
    qInstallMessageHandler(previous);
    if (hooked)
        hookedRenders = hooked->renders;
    QVERIFY2(hookedRenders <= maxRenders, qPrintable(QString::number(hookedRenders)));
    QCOMPARE(dropWarnings > 0, warns);
    if (countAfter < 0) {
        QVERIFY(!box);
        QVERIFY(!hooked);
        return;
    }
    QVERIFY(box);
    QCOMPARE(box->count(), countAfter);
    // Whatever the hook did, every widget still listed got the change.
    for (int i = 0; i < box->count(); ++i)
        QVERIFY(box->widget(i)->states().testFlag(AbstractStateWidget::kActive));
    if (hooked)
        hooked->hook = nullptr;
    delete sibling.data();
    delete box.data();
}

void TestState::cyclesAreRefused_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("box into itself") << 0;
    QTest::newRow("box into the box it sits in") << 1;
    QTest::newRow("box into a box two levels down") << 2;
    QTest::newRow("frame's content into its own box") << 3;
    QTest::newRow("frame as its own content") << 4;
    QTest::newRow("frame's parent as its content") << 5;
    QTest::newRow("frame's grandparent as its content") << 6;
    QTest::newRow("parent as content at construction") << 7;
}

void TestState::cyclesAreRefused()
{
    QFETCH(int, kind);
    StateWidgetBox top;
    auto *middle = new StateWidgetBox;
    auto *bottom = new StateWidgetBox;
    top.add(middle);
    middle->add(bottom);
    auto *label = new StateLabel;
    bottom->add(label);
    if (kind != 7)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot hold")));
    switch (kind) {
    case 0:
        top.add(&top);
        break;
    case 1:
        bottom->insert(0, middle);
        break;
    case 2:
        bottom->add(&top);
        break;
    case 3: {
        auto *frameBox = new StateWidgetBox;
        bottom->add(frameBox);
        auto *inner = new StateLabel;
        frameBox->setContent(inner); // a box may frame a state widget ...
        QCOMPARE(frameBox->content(), inner);
        frameBox->add(inner); // ... but not hold its own content as well
        QCOMPARE(frameBox->count(), 0);
        break;
    }
    case 4:
        label->setContent(label);
        break;
    case 5:
        label->setContent(bottom->content());
        break;
    case 6:
        label->setContent(middle);
        break;
    case 7: {
        auto *frame = new StandardStateWidget(bottom, bottom); // the parent offered as content
        QVERIFY(frame->content() && frame->content() != bottom);
        break;
    }
    }
    // No widget became its own ancestor: the parent chains end.
    for (QWidget *w : top.findChildren<QWidget *>()) {
        int depth = 0;
        for (QWidget *p = w; p; p = p->parentWidget())
            QVERIFY2(++depth < 50, "cycle in the object tree");
        QCOMPARE(w->window(), &top);
    }
    QCOMPARE(top.count(), 1);
    QCOMPARE(middle->count(), 1);
    QCOMPARE(bottom->widget(0), label);
}

void TestState::outOfRangeValuesAreClamped_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("border");     // frame ring
    QTest::addColumn<int>("margin");     // box and label margins
    QTest::addColumn<int>("spacing");
    QTest::addColumn<int>("stretch");
    QTest::addColumn<int>("pointSize");  // -1: unchanged
    QTest::newRow("INT_MAX") << INT_MAX << 1000 << 1000 << 1000 << 1000 << 1000;
    QTest::newRow("just above") << 1001 << 1000 << 1000 << 1000 << 1000 << 1000;
    QTest::newRow("a real value") << 6 << 6 << 6 << 6 << 6 << 6;
    QTest::newRow("zero") << 0 << 0 << 0 << 0 << 0 << -1;
    QTest::newRow("minus one") << -1 << 0 << 0 << -1 << 0 << -1;
    QTest::newRow("INT_MIN") << INT_MIN << 0 << 0 << -1 << 0 << -1;
}

void TestState::outOfRangeValuesAreClamped()
{
    QFETCH(int, value);
    QFETCH(int, border);
    QFETCH(int, margin);
    QFETCH(int, spacing);
    QFETCH(int, stretch);
    QFETCH(int, pointSize);
    StateWidgetBox box;
    auto *label = new StateLabel(QStringLiteral("x"));
    box.add(label);
    box.addStretch(1);
    box.setBorderWidth(value);
    box.setMargin(value);
    box.setSpacing(value);
    box.setStretch(1, value);
    label->setMargin(value);
    label->setPointSize(value);
    QCOMPARE(frameMargins(&box), QMargins(border, border, border, border));
    QCOMPARE(boxLayoutOf(&box)->contentsMargins(), QMargins(margin, margin, margin, margin));
    QWidget plain;
    auto *styled = new QHBoxLayout(&plain);
    styled->setSpacing(-1); // the style's spacing
    QCOMPARE(boxLayoutOf(&box)->spacing(), spacing < 0 ? styled->spacing() : spacing);
    QCOMPARE(boxLayoutOf(&box)->stretch(1), stretch);
    QCOMPARE(label->label()->margin(), margin);
    QCOMPARE(label->label()->font().pointSize(), pointSize < 0 ? 9 : pointSize);
    // The geometry stays computable: the content sits at the clamped border.
    box.resize(3000, 3000);
    box.layout()->activate();
    QCOMPARE(box.content()->pos(), QPoint(border, border));
}

QTEST_MAIN(TestState)
#include "tst_state.moc"
