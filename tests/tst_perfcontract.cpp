// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// The shortcuts that keep state changes fast must not show in palettes, update states or on screen.
#include "testsupport.h"

#include <widget/flagpanel.h>
#include <widget/powersupplylcd.h>
#include <widget/statelabel.h>
#include <widget/valuewidget.h>

using namespace rilo::widget;
using rilo::widget::measure::PowerSupplyLCD;
using W = AbstractStateWidget;

template <QEvent::Type type>
struct EventSpy : QObject
{ // records the receivers of one type of event, and filters none
    explicit EventSpy(QObject *watched) { watched->installEventFilter(this); }
    bool eventFilter(QObject *o, QEvent *e) override { return e->type() == type && (receivers << o, false); }
    QObjectList receivers;
};

static const QColor kOrange(0xFF, 0x7A, 0x00), kGrey(0x35, 0x35, 0x38), kWhite(Qt::white), kBlue(Qt::blue);

static bool paletteHolds(const QWidget *w, const QColor &background, const QColor &text)
{
    bool holds = true;
    for (auto g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        holds &= w->palette().color(g, QPalette::Window) == background
              && w->palette().color(g, QPalette::WindowText) == text;
    return holds;
}

// One pixel of what the window last painted into its backing store, after the pending paints.
static QColor shownPixel(QWidget *window, const QPoint &at)
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
    return window->screen()->grabWindow(window->winId()).toImage().pixelColor(at);
}

class TestPerfContract : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { rilotest::useTestFont(); }
    void cleanup() { RILO_CHECK_NO_TOPLEVELS(); }

    void redundantRenderLeavesPalettesUntouched()
    {
        for (bool shown : {false, true}) {
            PowerSupplyLCD lcd(1, 2, 1);
            lcd.setVisible(shown);
            lcd.setState(W::kEnabled, true);
            StateLabel *value = lcd.measureWidget(1)->valueWidget();
            EventSpy<QEvent::PaletteChange> frame(value), label(value->label()), panel(&lcd);
            lcd.render();
            lcd.setState(W::kEnabled, true);
            value->render(); // nothing to change
            QVERIFY(frame.receivers.isEmpty() && label.receivers.isEmpty() && panel.receivers.isEmpty());
            lcd.setState(W::kActive, true); // the ring colour changes, the enabled colours do not
            QVERIFY(frame.receivers.size() == 1 && label.receivers.isEmpty() && paletteHolds(value, kOrange, kWhite));
            value->setColor(W::kEnabled, {kBlue, Qt::yellow}, true);
            QVERIFY(label.receivers.size() == 1 && value->updatesEnabled() && value->label()->updatesEnabled());
        }
    }

    void renderAfterHostChangedPaletteReappliesColors()
    {
        for (int change = 0; change < 5; ++change) { // the host sets: window, text, disabled group, reset, other role
            StateLabel label(QStringLiteral("1.000"));
            label.setState(W::kAll, true);
            QPalette palette = label.palette();
            const auto role = change == 1 ? QPalette::WindowText : change == 4 ? QPalette::Base : QPalette::Window;
            palette.setColor(change == 2 ? QPalette::Disabled : QPalette::All, role, Qt::green);
            label.setPalette(change == 3 ? QPalette() : palette);
            QCOMPARE(paletteHolds(&label, kOrange, kWhite), change == 4);
            label.render();
            QVERIFY(paletteHolds(&label, kOrange, kWhite));
            QCOMPARE(label.palette().color(QPalette::Base) == Qt::green, change == 4); // other roles are the host's
        }
    }

    void repaintsAreHeldBackOnlyWhereCovered_data()
    { // 0-3: the host disabled the updates of one widget; 4-6: nothing disabled
        rilotest::rows({"0 panel", "1 inner box", "2 label frame", "3 label content", "4 no ring inside",
                        "5 ring inside", "6 see-through label"});
    }

    void repaintsAreHeldBackOnlyWhereCovered()
    {
        const int which = QTest::currentDataTag()[0] - '0';
        PowerSupplyLCD lcd(2, 3, 2);
        auto *row = lcd.measureWidget(1);
        StateLabel *value = row->valueWidget();
        row->setBorderWidth(which == 5 ? 2 : 0);
        lcd.resize(240, lcd.sizeHint().height());
        lcd.show();
        QVERIFY(QTest::qWaitForWindowExposed(&lcd));
        lcd.render();
        which == 6 ? value->setColor(W::kEnabled, {QColor(0, 0, 0, 0), kWhite}, false) : void(); // a see-through inside
        QWidget *const targets[] = {&lcd, lcd.measure(), value, value->label()};
        which < 4 ? targets[which]->setUpdatesEnabled(false) : void();
        const QPoint ring(1, 1), rowRing = row->mapTo(&lcd, QPoint()),
                                 inside = value->label()->mapTo(&lcd, QPoint(4, 4));
        const bool paints = which >= 4; // on screen as the flags say
        const auto shows = [&](const QColor &outer, const QColor &rowOuter, const QColor &in) {
            return !paints
                || (shownPixel(&lcd, ring) == outer && shownPixel(&lcd, rowRing) == rowOuter
                    && shownPixel(&lcd, inside) == in);
        };
        QVERIFY(shows(kGrey, kGrey, kGrey));
        lcd.setState(W::kActive, true);
        QVERIFY(shows(kOrange, which == 5 ? kOrange : kGrey, which == 6 ? kOrange : kGrey));
        lcd.setColor(W::kEnabled, {kBlue, Qt::yellow}, false);
        lcd.setState(W::kActive, false); // the inside as a fresh rendering shows it
        QVERIFY(shows(kGrey, which == 5 ? kGrey : kBlue, rilotest::pixelAt(&lcd, inside.x(), inside.y())));
        if (paints) { // a ring under an opaque inside asks the window for no repaint; with the inside hidden, it does
            EventSpy<QEvent::UpdateRequest> requests(&lcd);
            value->setState(W::kActive, true);
            shownPixel(&lcd, ring);
            QVERIFY(requests.receivers.isEmpty());
            value->label()->hide();
            shownPixel(&lcd, ring);
            value->setState(W::kActive, false);
            QCOMPARE(shownPixel(&lcd, inside), kGrey);
            return;
        } // else the host's choice stays; the widgets under it stop, the others keep updating
        QVERIFY(!targets[which]->updatesEnabled() && (!value->label()->updatesEnabled() || which == 2));
        QVERIFY(lcd.footerWidget(0)->updatesEnabled() == (which != 0) && value->updatesEnabled() == (which == 3));
        targets[which]->setUpdatesEnabled(true);
        QVERIFY(value->label()->updatesEnabled() && lcd.footerWidget(0)->updatesEnabled());
    }

    void unshownPanelLeavesOnlyTheHostsPolishRequest()
    {
        // The panel's widgets are polished at once and take back Qt's request, which costs a destructor a queue walk.
        QCoreApplication::sendPostedEvents();
        PowerSupplyLCD panel(2, 3, 2);
        FlagPanelText flags; // its parts leave their requests to the panel's
        flags.setTitle(QStringLiteral("T"));
        flags.setFlag(QStringLiteral("x"), 0);
        for (QWidget *w : panel.findChildren<QWidget *>())
            QVERIFY(w->testAttribute(Qt::WA_WState_Polished));
        EventSpy<QEvent::PolishRequest> spy(qApp);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::PolishRequest);
        QCOMPARE(spy.receivers, QObjectList({&panel, &flags}));
    }
};

QTEST_MAIN(TestPerfContract)
#include "tst_perfcontract.moc"
