// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Autotest of the measurement readouts: the value widget and the power-supply panel.
#include "testsupport.h"

#include <widget/powersupplylcd.h>
#include <widget/statelabel.h>
#include <widget/valuewidget.h>

#include <QLabel>

#include <functional>
#include <memory>

using namespace rilo::widget;
using namespace rilo::widget::measure;
using W = AbstractStateWidget;
using Taking = std::function<void(PowerSupplyLCD *panel, StateWidgetBox *shortLived, StateWidgetBox *keeper)>;
Q_DECLARE_METATYPE(Taking) // takes a part away from (the panel, a box deleted right after, a box that lives on)
#define TAKE(name, ...)                                                                                                \
    QTest::newRow(name) << Taking([]([[maybe_unused]] PowerSupplyLCD *p, [[maybe_unused]] StateWidgetBox *shortLived,  \
                                     [[maybe_unused]] StateWidgetBox *keeper) { __VA_ARGS__; })

static const QColor kOrange(0xFF, 0x7A, 0x00), kDarkGrey(0x35, 0x35, 0x38);

static QBoxLayout *boxLayoutOf(StateWidgetBox *box)
{
    return qobject_cast<QBoxLayout *>(box->content()->layout());
}

// A readout as one line: texts, alignments, stretches, point sizes, margins.
static QString describe(ValueWidget *w)
{
    const QLabel *value = w->valueWidget()->label(), *unit = w->unitWidget()->label();
    return QStringLiteral("%1|%2 a%3/%4 s%5:%6 %7pt m%8 dir%9")
        .arg(w->value(), w->unit())
        .arg(int(value->alignment()), 0, 16)
        .arg(int(unit->alignment()), 0, 16)
        .arg(boxLayoutOf(w)->stretch(0))
        .arg(boxLayoutOf(w)->stretch(1))
        .arg(unit->font().pointSize())
        .arg(boxLayoutOf(w)->contentsMargins().left())
        .arg(boxLayoutOf(w)->direction());
}

class TestMeasure : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { rilotest::useTestFont(); }
    void cleanup() { RILO_CHECK_NO_TOPLEVELS(); }

    void interfaceFacts_data();
    void interfaceFacts();
    void valueWidgetShowsTextsAsGivenAndSpeaksThem();
    void panelHasTheCountsItWasBuiltWith_data();
    void panelHasTheCountsItWasBuiltWith();
    void panelStateReachesEverything();
    void partsTakenByTheHostAreLetGo_data();
    void partsTakenByTheHostAreLetGo();
};

void TestMeasure::interfaceFacts_data()
{
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("expected");
    ValueWidget value;
    QWidget parent;
    auto *forms = new PowerSupplyLCD(&parent);
    PowerSupplyLCD panel(2, 1, 1);
    QTest::newRow("ValueWidget") << QString(ValueWidget::staticMetaObject.className())
                                 << "rilo::widget::measure::ValueWidget";
    QTest::newRow("PowerSupplyLCD") << QString(PowerSupplyLCD::staticMetaObject.className())
                                    << "rilo::widget::measure::PowerSupplyLCD";
    QTest::newRow("new readout") << describe(&value) << "0.000|V a82/41 s5:1 9pt m3 dir0";
    QTest::newRow("panel for forms") << QStringLiteral("%1 %2 %3 ring%4")
                                            .arg(forms->headerWidgetCount())
                                            .arg(forms->measureWidgetCount())
                                            .arg(forms->footerWidgetCount())
                                            .arg(forms->layout()->contentsMargins().top())
                                     << "0 1 0 ring3";
    const auto direction = [&panel](int i) {
        return boxLayoutOf(static_cast<StateWidgetBox *>(i < 0 ? &panel : panel.widget(i)))->direction();
    };
    QTest::newRow("panel boxes, in order")
        << QStringLiteral("%1%2%3%4").arg(direction(-1)).arg(direction(0)).arg(direction(1)).arg(direction(2))
        << "2020";
    QTest::newRow("captions") << QStringLiteral("'%1' a%2 %3pt '%4' a%5")
                                     .arg(panel.headerWidget(1)->text())
                                     .arg(int(panel.headerWidget(1)->label()->alignment()), 0, 16)
                                     .arg(panel.headerWidget(1)->label()->font().pointSize())
                                     .arg(panel.footerWidget(0)->text())
                                     .arg(int(panel.footerWidget(0)->label()->alignment()), 0, 16)
                              << "'' a84 9pt '' a84";
    QTest::newRow("boxes by name") << QString::number(panel.header() == panel.widget(0)
                                                      && panel.footer() == panel.widget(2))
                                   << "1";
}

void TestMeasure::interfaceFacts()
{
    QFETCH(QString, actual);
    QTEST(actual, "expected");
}

void TestMeasure::valueWidgetShowsTextsAsGivenAndSpeaksThem()
{
    ValueWidget w;
    const QColor ordinary = QWidget().palette().color(QPalette::Window); // not rendered yet
    QVERIFY(w.palette().color(QPalette::Window) == ordinary
            && w.valueWidget()->label()->palette().color(QPalette::Window) == ordinary);
    QCOMPARE(rilotest::spoken(&w), QStringLiteral("0.000 V"));
    w.setValue(QStringLiteral(" 1e3 "));
    w.setUnit(QStringLiteral("mA")); // taken as they are, nothing else changes
    QCOMPARE(describe(&w), QStringLiteral(" 1e3 |mA a82/41 s5:1 9pt m3 dir0"));
    QCOMPARE(rilotest::spoken(&w), QStringLiteral(" 1e3  mA"));
    QCOMPARE(rilotest::spoken(w.valueWidget()), QStringLiteral(" 1e3 ")); // the labels speak for themselves too
    w.setUnit(QString());
    QCOMPARE(rilotest::spoken(&w), QStringLiteral(" 1e3 "));
    w.setAccessibleName(QStringLiteral("Output voltage"));
    w.setValue(QStringLiteral("1.000")); // the host's name stays
    QCOMPARE(rilotest::spoken(&w), QStringLiteral("Output voltage"));
    QCOMPARE(w.value(), QStringLiteral("1.000"));
    w.setState(W::kEnabled, true);
    w.setColor(W::kEnabled, {Qt::blue, Qt::white}, true); // both labels follow
    for (StateLabel *label : {w.valueWidget(), w.unitWidget()})
        QVERIFY(label->states() == W::kEnabled
                && label->label()->palette().color(QPalette::Window) == QColor(Qt::blue));
}

void TestMeasure::panelHasTheCountsItWasBuiltWith_data()
{
    QTest::addColumn<int>("headers");
    QTest::addColumn<int>("measures");
    QTest::addColumn<int>("footers");
    QTest::addColumn<QString>("counts");
    QTest::newRow("2 3 1") << 2 << 3 << 1 << "2 3 1";
    QTest::newRow("0 0 0") << 0 << 0 << 0 << "0 0 0";
    QTest::newRow("negative") << -1 << -5 << -2 << "0 0 0";
    QTest::newRow("wild") << INT_MAX << 1 << 1001 << "1000 1 1000";
}

void TestMeasure::panelHasTheCountsItWasBuiltWith()
{
    QFETCH(int, headers);
    QFETCH(int, measures);
    QFETCH(int, footers);
    PowerSupplyLCD panel(headers, measures, footers);
    QTEST(QStringLiteral("%1 %2 %3")
              .arg(panel.headerWidgetCount())
              .arg(panel.measureWidgetCount())
              .arg(panel.footerWidgetCount()),
          "counts");
    // By index: null and nothing done outside the boxes; each row on its own.
    panel.setValue(1, QStringLiteral("5.000"));
    panel.setUnit(1, QStringLiteral("A"));
    for (int i = -1; i <= panel.measureWidgetCount(); ++i) {
        ValueWidget *row = panel.measureWidget(i);
        QCOMPARE(row != nullptr, i >= 0 && i < panel.measureWidgetCount());
        QVERIFY(!row
                || (row->value() == QLatin1String(i == 1 ? "5.000" : "0.000")
                    && row->unit() == QLatin1String(i == 1 ? "A" : "V")));
    }
    QCOMPARE(panel.headerWidget(panel.headerWidgetCount()), nullptr);
    QCOMPARE(panel.footerWidget(-1), nullptr);
    // A widget of another kind where a caption or a row is expected.
    panel.header()->add(new ValueWidget);
    panel.measure()->add(new StateLabel(QStringLiteral("no value")));
    panel.setValue(panel.measureWidgetCount() - 1, QStringLiteral("9.9"));
    QVERIFY(!panel.headerWidget(panel.headerWidgetCount() - 1) && !panel.measureWidget(panel.measureWidgetCount() - 1));
    QCOMPARE(qobject_cast<StateLabel *>(panel.measure()->widget(panel.measureWidgetCount() - 1))->text(), "no value");
}

void TestMeasure::panelStateReachesEverything()
{
    PowerSupplyLCD panel(2, 3, 1);
    panel.resize(300, 400);
    const QList<W *> all = panel.findChildren<W *>() << &panel;
    QCOMPARE(all.size(), 1 + 3 + 2 + 9 + 1); // panel, boxes, captions, rows with two labels each
    panel.setState(W::kActive, true);
    panel.setColor(W::kEnabled, {Qt::green, Qt::black}, false);
    for (W *w : all)
        QVERIFY(w->states() == W::kActive
                && static_cast<StandardStateWidget *>(w)->content()->palette().color(QPalette::Window) == Qt::green);
    const QImage image = panel.grab().toImage(); // with a 3-pixel ring
    for (int i = 0; i < 3; ++i)
        QVERIFY(image.pixelColor(i, 80) == kOrange && image.pixelColor(299 - i, 80) == kOrange
                && image.pixelColor(100, i) == kOrange && image.pixelColor(100, 399 - i) == kOrange);
    QCOMPARE(image.pixelColor(3, 80), QColor(Qt::green));
    panel.setStates(W::kNone); // the panel alone
    QVERIFY(panel.states() == W::kNone && panel.header()->states() == W::kActive);
    QCOMPARE(rilotest::pixelAt(&panel, 0, 80), kDarkGrey);
}

void TestMeasure::partsTakenByTheHostAreLetGo_data()
{
    QTest::addColumn<Taking>("take");
    QTest::addColumn<QString>("gone"); // which accessor must answer null
    TAKE("header handed to another box", shortLived->add(p->header())) << "header";
    TAKE("header handed to a box that lives on", keeper->add(p->header())) << "header";
    TAKE("header deleted", delete p->header()) << "header";
    TAKE("footer handed to another box", shortLived->add(p->footer())) << "footer";
    TAKE("measurements deleted", delete p->measure()) << "measure";
    TAKE("measurements re-parented", p->measure()->setParent(shortLived)) << "measure";
    TAKE("value label deleted", delete p->measureWidget(0)->valueWidget()) << "value";
    TAKE("unit label handed to another box", shortLived->add(p->measureWidget(0)->unitWidget())) << "unit";
    TAKE("unit label handed to a box that lives on", keeper->add(p->measureWidget(0)->unitWidget())) << "unit";
    TAKE("panel content replaced", p->setContent(new QWidget)) << "header footer measure";
}

void TestMeasure::partsTakenByTheHostAreLetGo()
{
    QFETCH(Taking, take);
    QFETCH(QString, gone);
    StateWidgetBox keeper;
    PowerSupplyLCD panel(2, 2, 2);
    panel.setValue(0, QStringLiteral("1.000")); // shortLived deletes what it was given as it goes
    auto shortLived = std::make_unique<StateWidgetBox>();
    take(&panel, shortLived.get(), &keeper);
    shortLived.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ValueWidget *row = panel.measureWidget(0);
    panel.setValue(0, QStringLiteral("2.000"));
    panel.setUnit(0, QStringLiteral("A"));
    panel.setState(W::kAll, true);
    QCOMPARE(QString(panel.header() ? "" : "header ") + (panel.footer() ? "" : "footer ")
                 + (panel.measure() ? "" : "measure ") + (row && !row->valueWidget() ? "value " : "")
                 + (row && !row->unitWidget() ? "unit " : ""),
             gone + QLatin1Char(' '));
    QVERIFY((panel.headerWidget(0) == nullptr) == (panel.header() == nullptr)
            && panel.headerWidgetCount() + panel.footerWidgetCount() + panel.measureWidgetCount()
                   == 2 * (!!panel.header() + !!panel.footer() + !!panel.measure()));
    if (row) {
        QVERIFY(row->value() == (row->valueWidget() ? "2.000" : "") && row->unit() == (row->unitWidget() ? "A" : ""));
        for (W *w : row->findChildren<W *>() + QList<W *>{row})
            QCOMPARE(w->states(), W::States(W::kAll));
    }
}

QTEST_MAIN(TestMeasure)
#include "tst_measure.moc"
