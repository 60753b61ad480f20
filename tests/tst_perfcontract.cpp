// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// The shortcuts that keep state changes fast must not show: a render that
// finds nothing to change leaves palettes alone, a render after the host
// touched a palette re-applies the state colours, the host's update state
// survives, and what reaches the screen (the window's backing store, not a
// fresh grab()) is what the flags say.
#include "testsupport.h"

#include <widget/powersupplylcd.h>
#include <widget/statelabel.h>
#include <widget/valuewidget.h>

#include <QLabel>
#include <QScreen>

using namespace rilo::widget;
using rilo::widget::measure::PowerSupplyLCD;
using W = AbstractStateWidget;

namespace {

// Counts the palette changes a widget receives.
class PaletteSpy : public QObject
{
public:
    explicit PaletteSpy(QWidget *watched) { watched->installEventFilter(this); }
    int changes = 0;
    bool eventFilter(QObject *, QEvent *event) override { changes += event->type() == QEvent::PaletteChange; return false; }
};

const QColor kOrange(0xFF, 0x7A, 0x00), kGrey(0x35, 0x35, 0x38), kWhite(Qt::white), kBlue(Qt::blue), kYellow(Qt::yellow);

bool paletteHolds(const QWidget *widget, const QColor &background, const QColor &text) {
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        if (widget->palette().color(group, QPalette::Window) != background || widget->palette().color(group, QPalette::WindowText) != text)
            return false;
    return true;
}

// One pixel of what the window last painted into its backing store, after the pending paints.
QColor shownPixel(QWidget *window, const QPoint &at) {
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
    return window->screen()->grabWindow(window->winId()).toImage().pixelColor(at);
}

} // namespace

class TestPerfContract : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { rilotest::useTestFont(); }
    void cleanup() { RILO_CHECK_NO_TOPLEVELS(); }

    void redundantRenderLeavesPalettesUntouched_data(); void redundantRenderLeavesPalettesUntouched();
    void renderAfterHostChangedPaletteReappliesColors_data(); void renderAfterHostChangedPaletteReappliesColors();
    void repaintsAreHeldBackOnlyWhereCovered_data(); void repaintsAreHeldBackOnlyWhereCovered();
    void unshownPanelLeavesOnlyTheHostsPolishRequest();
};

void TestPerfContract::redundantRenderLeavesPalettesUntouched_data() {
    QTest::addColumn<bool>("shown"); QTest::newRow("hidden") << false; QTest::newRow("shown") << true;
}

void TestPerfContract::redundantRenderLeavesPalettesUntouched() {
    QFETCH(bool, shown); PowerSupplyLCD lcd(1, 2, 1); lcd.setVisible(shown);
    lcd.setState(W::kEnabled, true);
    StateLabel *value = lcd.measureWidget(1)->valueWidget();
    PaletteSpy frameSpy(value), labelSpy(value->label()), panelSpy(&lcd);
    const qint64 frameKey = value->palette().cacheKey(), labelKey = value->label()->palette().cacheKey();
    lcd.render(); lcd.setState(W::kEnabled, true); value->render(); // nothing to change
    QVERIFY(frameSpy.changes == 0 && labelSpy.changes == 0 && panelSpy.changes == 0);
    QVERIFY(value->palette().cacheKey() == frameKey && value->label()->palette().cacheKey() == labelKey);
    lcd.setState(W::kActive, true); // the ring colour changes, the enabled colours do not
    QVERIFY(frameSpy.changes == 1 && labelSpy.changes == 0 && paletteHolds(value, kOrange, kWhite));
    value->setColor(W::kEnabled, {kBlue, kYellow}, true);
    QVERIFY(labelSpy.changes == 1 && value->updatesEnabled() && value->label()->updatesEnabled());
}

void TestPerfContract::renderAfterHostChangedPaletteReappliesColors_data() {
    QTest::addColumn<bool>("frame"); QTest::addColumn<int>("change"); // what the host did to the palette
    for (bool frame : {true, false})
        for (auto [change, name] : {std::pair(0, "window"), {1, "text"}, {2, "disabled group"}, {3, "reset"}, {4, "other role"}})
            QTest::addRow("%s %s", frame ? "frame" : "label", name) << frame << change;
}

void TestPerfContract::renderAfterHostChangedPaletteReappliesColors() {
    QFETCH(bool, frame); QFETCH(int, change);
    StateLabel label(QStringLiteral("1.000")); label.setColor(W::kEnabled, {kBlue, kYellow}, true); label.setState(W::kAll, true);
    QWidget *widget = frame ? static_cast<QWidget *>(&label) : label.label();
    const QColor background = frame ? kOrange : kBlue, text = frame ? kWhite : kYellow;
    QPalette palette = widget->palette();
    const QPalette::ColorRole roles[] = {QPalette::Window, QPalette::WindowText, QPalette::Window, QPalette::Window, QPalette::Base};
    palette.setColor(change == 2 ? QPalette::Disabled : QPalette::All, roles[change], Qt::green);
    widget->setPalette(change == 3 ? QPalette() : palette);
    QCOMPARE(paletteHolds(widget, background, text), change == 4);
    label.render();
    QVERIFY(paletteHolds(widget, background, text));
    QCOMPARE(widget->palette().color(QPalette::Base) == Qt::green, change == 4); // other roles are the host's
}

void TestPerfContract::repaintsAreHeldBackOnlyWhereCovered_data() {
    // 0 the panel, 1 an inner box, 2 a label, 3 its QLabel: the host disabled its updates;
    // 4, 5 none, with an inner ring of 0 or 2 pixels; 6 none, with a see-through label.
    QTest::addColumn<int>("which");
    for (auto [which, name] : {std::pair(0, "panel"), {1, "inner box"}, {2, "label frame"}, {3, "label content"},
                               {4, "no ring inside"}, {5, "ring inside"}, {6, "see-through label"}})
        QTest::newRow(name) << which;
}

void TestPerfContract::repaintsAreHeldBackOnlyWhereCovered() {
    QFETCH(int, which);
    PowerSupplyLCD lcd(2, 3, 2); auto *row = lcd.measureWidget(1); StateLabel *value = row->valueWidget();
    row->setBorderWidth(which == 5 ? 2 : 0);
    lcd.resize(240, lcd.sizeHint().height()); lcd.show(); QVERIFY(QTest::qWaitForWindowExposed(&lcd)); lcd.render();
    if (which == 6) // the label's inside lets its frame's background through
        value->setColor(W::kEnabled, {QColor(0, 0, 0, 0), kWhite}, false);
    QWidget *const targets[] = {&lcd, lcd.measure(), value, value->label()};
    if (which < 4)
        targets[which]->setUpdatesEnabled(false);
    const QPoint ring(1, 1), rowRing = row->mapTo(&lcd, QPoint()), inside = value->label()->mapTo(&lcd, QPoint(4, 4));
    const bool paints = which >= 4;
    QVERIFY(!paints || (shownPixel(&lcd, ring) == kGrey && shownPixel(&lcd, inside) == kGrey));
    lcd.setState(W::kActive, true);
    QVERIFY(!paints || (shownPixel(&lcd, ring) == kOrange && shownPixel(&lcd, rowRing) == (which == 5 ? kOrange : kGrey)));
    QVERIFY(!paints || shownPixel(&lcd, inside) == (which == 6 ? kOrange : kGrey));
    lcd.setColor(W::kEnabled, {kBlue, kYellow}, false); lcd.setState(W::kActive, false);
    QVERIFY(!paints || (shownPixel(&lcd, ring) == kGrey && shownPixel(&lcd, rowRing) == (which == 5 ? kGrey : kBlue)));
    // A fresh rendering agrees with what the window last painted.
    QVERIFY(!paints || rilotest::pixelAt(&lcd, inside.x(), inside.y()) == shownPixel(&lcd, inside));
    if (paints)
        return;
    // The host's choice stays; the widgets under it stop, the others keep updating.
    QVERIFY(!targets[which]->updatesEnabled() && (!value->label()->updatesEnabled() || which == 2));
    QVERIFY(lcd.footerWidget(0)->updatesEnabled() == (which != 0) && value->updatesEnabled() == (which == 3));
    targets[which]->setUpdatesEnabled(true);
    QVERIFY(value->label()->updatesEnabled() && lcd.footerWidget(0)->updatesEnabled());
}

void TestPerfContract::unshownPanelLeavesOnlyTheHostsPolishRequest() {
    // Every widget the panel makes for itself is polished at once and takes back
    // the request Qt posted for it: left behind, each costs its widget's
    // destructor a walk over the whole event queue. Only the host's panel has one.
    QCoreApplication::sendPostedEvents();
    PowerSupplyLCD panel(2, 3, 2);
    const auto inner = panel.findChildren<QWidget *>();
    QCOMPARE(inner.size(), 3 + 2 * 3 + 3 * 6 + 3 + 3); // boxes, captions, rows, contents
    for (QWidget *w : inner)
        QVERIFY2(w->testAttribute(Qt::WA_WState_Polished), w->metaObject()->className());
    struct RequestSpy : QObject {
        QList<QObject *> receivers;
        bool eventFilter(QObject *o, QEvent *e) override { e->type() == QEvent::PolishRequest ? void(receivers << o) : void(); return false; }
    } spy;
    qApp->installEventFilter(&spy); QCoreApplication::sendPostedEvents(nullptr, QEvent::PolishRequest);
    qApp->removeEventFilter(&spy); QCOMPARE(spy.receivers, QList<QObject *>({&panel}));
}

QTEST_MAIN(TestPerfContract)
#include "tst_perfcontract.moc"
