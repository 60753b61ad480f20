// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// The shortcuts that keep state changes fast must not show: a render that
// finds nothing to change leaves palettes alone, a render after the host
// touched a palette re-applies the state colours, the host's update state
// survives, every render still happens, and what reaches the screen (the
// window's backing store, not a fresh grab()) is what the flags say.

#include "testsupport.h"

#include <widget/powersupplylcd.h>
#include <widget/statelabel.h>
#include <widget/statewidgetbox.h>
#include <widget/valuewidget.h>

#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QWindow>

#include <memory>

using namespace rilo::widget;
using rilo::widget::measure::PowerSupplyLCD;
using rilo::widget::measure::ValueWidget;

namespace {

// Counts the palette changes a widget receives.
class PaletteSpy : public QObject
{
public:
    explicit PaletteSpy(QWidget *watched) { watched->installEventFilter(this); }
    int changes = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::PaletteChange)
            ++changes;
        return false;
    }
};

class CountingLabel : public StateLabel
{
public:
    explicit CountingLabel(QStringList *log, const QString &name)
        : StateLabel(name), m_log(log) {}
    void render() override
    {
        m_log->append(text());
        StateLabel::render();
    }

private:
    QStringList *m_log;
};

class CountingBox : public StateWidgetBox
{
public:
    CountingBox(QStringList *log, const QString &name)
        : StateWidgetBox(QBoxLayout::TopToBottom), m_log(log), m_name(name) {}
    void render() override
    {
        m_log->append(m_name);
        StateWidgetBox::render();
    }

private:
    QStringList *m_log;
    QString m_name;
};

const QColor kOrange(0xFF, 0x7A, 0x00);
const QColor kGrey(0x35, 0x35, 0x38);
const QColor kWhite(0xff, 0xff, 0xff);
const QColor kBlue(0, 0, 0xff);
const QColor kYellow(0xff, 0xff, 0);

bool paletteHolds(const QWidget *widget, const QColor &background, const QColor &text)
{
    const QPalette &palette = widget->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        if (palette.color(group, QPalette::Window) != background
            || palette.color(group, QPalette::WindowText) != text)
            return false;
    }
    return true;
}

// One pixel of what the window last painted into its backing store.
QColor shownPixel(QWidget *window, const QPoint &at)
{
    const QImage image = window->screen()->grabWindow(window->winId()).toImage();
    return image.pixelColor(at);
}

void paintNow()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

} // namespace

class TestPerfContract : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { rilotest::useTestFont(); }
    void cleanup() { RILO_CHECK_NO_TOPLEVELS(); }

    void redundantRenderLeavesPalettesUntouched_data();
    void redundantRenderLeavesPalettesUntouched();
    void renderAfterHostChangedPaletteReappliesColors_data();
    void renderAfterHostChangedPaletteReappliesColors();
    void changingRenderStillSendsPaletteChange();
    void everyRenderStillHappensInOrder();
    void hostDisabledUpdatesStayDisabled_data();
    void hostDisabledUpdatesStayDisabled();
    void stateChangeReachesTheScreen_data();
    void stateChangeReachesTheScreen();
    void frameSeenThroughTranslucentContentIsRepainted();
    void unshownPanelLeavesOnlyTheHostsPolishRequest();
};

void TestPerfContract::redundantRenderLeavesPalettesUntouched_data()
{
    QTest::addColumn<bool>("shown");
    QTest::newRow("hidden") << false;
    QTest::newRow("shown") << true;
}

void TestPerfContract::redundantRenderLeavesPalettesUntouched()
{
    QFETCH(bool, shown);
    PowerSupplyLCD lcd(1, 2, 1);
    if (shown) {
        lcd.show();
        QVERIFY(QTest::qWaitForWindowExposed(&lcd));
    }
    lcd.setState(AbstractStateWidget::kAll, true);

    StateLabel *value = lcd.measureWidget(1)->valueWidget();
    PaletteSpy frameSpy(value);
    PaletteSpy labelSpy(value->label());
    PaletteSpy panelSpy(&lcd);
    const qint64 frameKey = value->palette().cacheKey();
    const qint64 labelKey = value->label()->palette().cacheKey();

    lcd.render();
    lcd.setState(AbstractStateWidget::kActive, true); // no change: no render at all
    value->render();

    QCOMPARE(frameSpy.changes, 0);
    QCOMPARE(labelSpy.changes, 0);
    QCOMPARE(panelSpy.changes, 0);
    QCOMPARE(value->palette().cacheKey(), frameKey);
    QCOMPARE(value->label()->palette().cacheKey(), labelKey);
    QVERIFY(paletteHolds(value, kOrange, kWhite));
}

void TestPerfContract::renderAfterHostChangedPaletteReappliesColors_data()
{
    QTest::addColumn<int>("target"); // 0 the frame, 1 the label
    QTest::addColumn<int>("change"); // what the host did to the palette
    const char *const targets[] = {"frame", "label"};
    for (int target = 0; target < 2; ++target) {
        QTest::addRow("%s window role", targets[target]) << target << 0;
        QTest::addRow("%s text role", targets[target]) << target << 1;
        QTest::addRow("%s disabled group only", targets[target]) << target << 2;
        QTest::addRow("%s palette reset", targets[target]) << target << 3;
        QTest::addRow("%s other role kept", targets[target]) << target << 4;
    }
}

void TestPerfContract::renderAfterHostChangedPaletteReappliesColors()
{
    QFETCH(int, target);
    QFETCH(int, change);
    StateLabel label(QStringLiteral("1.000"));
    label.setColor(AbstractStateWidget::kEnabled, {kBlue, kYellow}, true);
    label.setState(AbstractStateWidget::kAll, true);
    QWidget *widget = target == 0 ? static_cast<QWidget *>(&label) : label.label();
    const QColor background = target == 0 ? kOrange : kBlue;
    const QColor text = target == 0 ? kWhite : kYellow;
    QVERIFY(paletteHolds(widget, background, text));

    QPalette palette = widget->palette();
    switch (change) {
    case 0:
        palette.setColor(QPalette::Window, Qt::green);
        break;
    case 1:
        palette.setColor(QPalette::WindowText, Qt::green);
        break;
    case 2:
        palette.setColor(QPalette::Disabled, QPalette::Window, Qt::green);
        break;
    case 3:
        palette = QPalette();
        break;
    case 4:
        palette.setColor(QPalette::Base, Qt::green);
        break;
    }
    widget->setPalette(palette);
    if (change != 4)
        QVERIFY(!paletteHolds(widget, background, text));

    label.render();
    QVERIFY(paletteHolds(widget, background, text));
    if (change == 4)
        QCOMPARE(widget->palette().color(QPalette::Base), QColor(Qt::green));
}

void TestPerfContract::changingRenderStillSendsPaletteChange()
{
    PowerSupplyLCD lcd(0, 1, 0);
    lcd.show();
    QVERIFY(QTest::qWaitForWindowExposed(&lcd));
    lcd.render();
    StateLabel *unit = lcd.measureWidget(0)->unitWidget();
    PaletteSpy frameSpy(unit);
    PaletteSpy labelSpy(unit->label());

    lcd.setState(AbstractStateWidget::kActive, true);
    QCOMPARE(frameSpy.changes, 1); // the ring colour changed
    QCOMPARE(labelSpy.changes, 0); // the enabled flag did not
    lcd.setState(AbstractStateWidget::kEnabled, true);
    QCOMPARE(frameSpy.changes, 1);
    QCOMPARE(labelSpy.changes, 0); // default enabled colours are equal on and off
    unit->setColor(AbstractStateWidget::kEnabled, {kBlue, kYellow}, true);
    QCOMPARE(labelSpy.changes, 1);
    QVERIFY(unit->updatesEnabled());
    QVERIFY(unit->label()->updatesEnabled());
}

void TestPerfContract::everyRenderStillHappensInOrder()
{
    // outer { a, inner { b } }: each box renders its whole subtree when its own
    // flags change, then passes the call on; most of these renders change no
    // colour, and every one of them must still be made.
    QStringList log;
    CountingBox outer(&log, QStringLiteral("outer"));
    outer.add(new CountingLabel(&log, QStringLiteral("a")));
    auto *inner = new CountingBox(&log, QStringLiteral("inner"));
    inner->add(new CountingLabel(&log, QStringLiteral("b")));
    outer.add(inner);
    outer.render();

    for (bool on : {true, false, true}) {
        log.clear();
        outer.setState(AbstractStateWidget::kActive, on);
        QCOMPARE(log, QStringList({"outer", "a", "inner", "b", "a", "inner", "b", "b"}));
    }
    log.clear();
    outer.render();
    QCOMPARE(log, QStringList({"outer", "a", "inner", "b"}));
}

void TestPerfContract::hostDisabledUpdatesStayDisabled_data()
{
    QTest::addColumn<int>("which"); // 0 the panel, 1 an inner box, 2 a label, 3 a label's QLabel
    QTest::newRow("panel") << 0;
    QTest::newRow("inner box") << 1;
    QTest::newRow("label frame") << 2;
    QTest::newRow("label content") << 3;
}

void TestPerfContract::hostDisabledUpdatesStayDisabled()
{
    QFETCH(int, which);
    PowerSupplyLCD lcd(2, 3, 2);
    lcd.show();
    QVERIFY(QTest::qWaitForWindowExposed(&lcd));
    lcd.render();
    paintNow();

    StateLabel *value = lcd.measureWidget(1)->valueWidget();
    QWidget *widget = which == 0 ? static_cast<QWidget *>(&lcd)
                    : which == 1 ? static_cast<QWidget *>(lcd.measure())
                    : which == 2 ? static_cast<QWidget *>(value)
                                 : value->label();
    widget->setUpdatesEnabled(false);

    lcd.setState(AbstractStateWidget::kActive, true);
    lcd.setColor(AbstractStateWidget::kEnabled, {kBlue, kYellow}, false);
    lcd.setState(AbstractStateWidget::kActive, false);
    paintNow();

    QVERIFY(!widget->updatesEnabled());
    QVERIFY(!value->label()->updatesEnabled() || which == 2); // under the host's choice
    // Widgets outside the host's choice keep updating; inside the panel, all stop.
    QCOMPARE(lcd.footerWidget(0)->updatesEnabled(), which != 0);
    QCOMPARE(lcd.footer()->updatesEnabled(), which != 0);
    QCOMPARE(value->updatesEnabled(), which == 3);

    widget->setUpdatesEnabled(true);
    QVERIFY(widget->updatesEnabled());
    QVERIFY(value->label()->updatesEnabled());
    QVERIFY(lcd.footerWidget(0)->updatesEnabled());
}

void TestPerfContract::stateChangeReachesTheScreen_data()
{
    QTest::addColumn<int>("innerBorder");
    QTest::newRow("inner frames without ring") << 0;
    QTest::newRow("inner frame with ring") << 2;
}

void TestPerfContract::stateChangeReachesTheScreen()
{
    QFETCH(int, innerBorder);
    PowerSupplyLCD lcd(1, 2, 1);
    ValueWidget *row = lcd.measureWidget(1);
    row->setBorderWidth(innerBorder);
    lcd.resize(240, lcd.sizeHint().height());
    lcd.show();
    QVERIFY(QTest::qWaitForWindowExposed(&lcd));
    lcd.render();
    paintNow();

    const QPoint ring(1, 1);
    const QPoint rowRing = row->mapTo(&lcd, QPoint(0, 0));
    const QPoint inside = row->valueWidget()->label()->mapTo(&lcd, QPoint(4, 4));
    QCOMPARE(shownPixel(&lcd, ring), kGrey);
    QCOMPARE(shownPixel(&lcd, inside), kGrey);

    lcd.setState(AbstractStateWidget::kActive, true);
    paintNow();
    QCOMPARE(shownPixel(&lcd, ring), kOrange);
    QCOMPARE(shownPixel(&lcd, rowRing), innerBorder > 0 ? kOrange : kGrey);
    QCOMPARE(shownPixel(&lcd, inside), kGrey);

    lcd.setColor(AbstractStateWidget::kEnabled, {kBlue, kYellow}, false);
    paintNow();
    QCOMPARE(shownPixel(&lcd, inside), kBlue);
    QCOMPARE(shownPixel(&lcd, ring), kOrange);

    lcd.setState(AbstractStateWidget::kActive, false);
    paintNow();
    QCOMPARE(shownPixel(&lcd, ring), kGrey);
    QCOMPARE(shownPixel(&lcd, rowRing), innerBorder > 0 ? kGrey : kBlue);
    // A fresh rendering agrees with what the window last painted.
    QCOMPARE(rilotest::pixelAt(&lcd, rowRing.x(), rowRing.y()), shownPixel(&lcd, rowRing));
    QCOMPARE(rilotest::pixelAt(&lcd, inside.x(), inside.y()), shownPixel(&lcd, inside));
}

void TestPerfContract::frameSeenThroughTranslucentContentIsRepainted()
{
    StateWidgetBox box(QBoxLayout::TopToBottom);
    auto *label = new StateLabel(QStringLiteral("see-through"));
    box.add(label);
    box.resize(160, 60);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    // The label's inside lets the frame's background through.
    label->setColor(AbstractStateWidget::kEnabled, {QColor(0, 0, 0, 0), kWhite}, false);
    paintNow();
    const QPoint at = label->mapTo(&box, QPoint(label->width() / 2, label->height() / 2));
    QCOMPARE(shownPixel(&box, at), kGrey);

    box.setState(AbstractStateWidget::kActive, true);
    paintNow();
    QCOMPARE(shownPixel(&box, at), kOrange);
}

void TestPerfContract::unshownPanelLeavesOnlyTheHostsPolishRequest()
{
    // Every widget the panel makes for itself is polished at once and takes
    // back the request Qt posted for it; only the panel, which the host made,
    // still has one. Left behind, each request costs its widget's destructor
    // a walk over the whole event queue.
    QCoreApplication::sendPostedEvents();
    auto panel = std::make_unique<PowerSupplyLCD>(2, 3, 2);
    const auto inner = panel->findChildren<QWidget *>();
    QCOMPARE(inner.size(), 3 + 2 * 3 + 3 * 6 + 3 + 3); // boxes, captions, rows, contents
    for (QWidget *w : inner)
        QVERIFY2(w->testAttribute(Qt::WA_WState_Polished), w->metaObject()->className());

    class RequestSpy : public QObject
    {
    public:
        QList<QObject *> receivers;
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::PolishRequest)
                receivers.append(watched);
            return false;
        }
    } spy;
    qApp->installEventFilter(&spy);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::PolishRequest);
    qApp->removeEventFilter(&spy);
    QCOMPARE(spy.receivers, QList<QObject *>({panel.get()}));
}

QTEST_MAIN(TestPerfContract)
#include "tst_perfcontract.moc"
