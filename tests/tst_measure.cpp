// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Autotest of the measurement readouts: the value widget and the power-supply panel.
#include "testsupport.h"

#include <widget/powersupplylcd.h>
#include <widget/statelabel.h>
#include <widget/valuewidget.h>

#include <QAccessible>
#include <QBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QTest>

#include <functional>

using namespace rilo::widget;
using namespace rilo::widget::measure;
using States = AbstractStateWidget::States;
// Takes a part away from a panel: deletes it, or hands it to \a elsewhere.
using Taking = std::function<void(PowerSupplyLCD *panel, StateWidgetBox *shortLived, StateWidgetBox *keeper)>;
Q_DECLARE_METATYPE(Taking)

namespace {

const QColor kOrange(0xFF, 0x7A, 0x00);
const QColor kDarkGrey(0x35, 0x35, 0x38);

QBoxLayout *boxLayoutOf(StateWidgetBox *box)
{
    return qobject_cast<QBoxLayout *>(box->content()->layout());
}

// Every state widget at or below \a root, depth first.
QList<AbstractStateWidget *> allStateWidgets(AbstractStateWidget *root)
{
    QList<AbstractStateWidget *> result{root};
    if (auto *box = qobject_cast<StateWidgetBox *>(root))
        for (int i = 0; i < box->count(); ++i)
            result += allStateWidgets(box->widget(i));
    return result;
}

} // namespace

class TestMeasure : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { rilotest::useTestFont(); }
    void cleanup() { RILO_CHECK_NO_TOPLEVELS(); }

    void classNamesAreQualified();
    void newValueWidgetShowsZeroVolts();
    void setValueAndUnitChangeOnlyTheTexts();
    void valueWidgetPassesStateToBothLabels();
    void extraWidthIsSharedFiveToOne();
    void valueWidgetDoesNotRenderOnConstruction();
    void accessibleNameReadsValueWithUnit();

    void panelHasTheCountsItWasBuiltWith_data();
    void panelHasTheCountsItWasBuiltWith();
    void panelStructureMatchesItsBoxes();
    void parentOnlyPanelHasOneRow();
    void accessorsReturnNullOutsideTheBoxes_data();
    void accessorsReturnNullOutsideTheBoxes();
    void accessorsReturnNullForOtherKinds();
    void setValueAndUnitReachOneRow();
    void setValueOutOfRangeChangesNothing_data();
    void setValueOutOfRangeChangesNothing();
    void panelStateReachesEverything();
    void panelRingShowsActiveColor();
    void destroyingPanelDeletesEverything();

    void partsTakenByTheHostAreLetGo_data();
    void partsTakenByTheHostAreLetGo();
};

void TestMeasure::classNamesAreQualified()
{
    QCOMPARE(ValueWidget::staticMetaObject.className(), "rilo::widget::measure::ValueWidget");
    QCOMPARE(PowerSupplyLCD::staticMetaObject.className(), "rilo::widget::measure::PowerSupplyLCD");
    QCOMPARE(ValueWidget::staticMetaObject.superClass(), &StateWidgetBox::staticMetaObject);
    QCOMPARE(PowerSupplyLCD::staticMetaObject.superClass(), &StateWidgetBox::staticMetaObject);
}

void TestMeasure::newValueWidgetShowsZeroVolts()
{
    ValueWidget w;
    QCOMPARE(w.count(), 2);
    QCOMPARE(w.widget(0), w.valueWidget());
    QCOMPARE(w.widget(1), w.unitWidget());
    QCOMPARE(w.widget(2), nullptr);
    QCOMPARE(w.value(), QStringLiteral("0.000"));
    QCOMPARE(w.unit(), QStringLiteral("V"));

    QBoxLayout *layout = boxLayoutOf(&w);
    QCOMPARE(layout->direction(), QBoxLayout::LeftToRight);
    QCOMPARE(layout->contentsMargins(), QMargins(3, 3, 3, 3));
    QCOMPARE(layout->spacing(), 3);
    QCOMPARE(layout->stretch(0), 5);
    QCOMPARE(layout->stretch(1), 1);
    QCOMPARE(w.layout()->contentsMargins(), QMargins(0, 0, 0, 0));

    QLabel *value = w.valueWidget()->label();
    QLabel *unit = w.unitWidget()->label();
    QCOMPARE(value->alignment(), Qt::AlignRight | Qt::AlignVCenter);
    QCOMPARE(unit->alignment(), Qt::AlignLeft | Qt::AlignBottom);
    QCOMPARE(value->font().pointSize(), 9);
    QCOMPARE(unit->font().pointSize(), 9);
    QCOMPARE(value->margin(), 2);
    QCOMPARE(w.valueWidget()->layout()->contentsMargins(), QMargins(0, 0, 0, 0));
}

void TestMeasure::setValueAndUnitChangeOnlyTheTexts()
{
    ValueWidget w;
    w.setValue(QStringLiteral("12.345"));
    w.setUnit(QStringLiteral("mA"));
    QCOMPARE(w.value(), QStringLiteral("12.345"));
    QCOMPARE(w.unit(), QStringLiteral("mA"));
    QCOMPARE(w.valueWidget()->text(), QStringLiteral("12.345"));
    QCOMPARE(w.unitWidget()->text(), QStringLiteral("mA"));
    QCOMPARE(w.valueWidget()->label()->font().pointSize(), 9);
    QCOMPARE(w.valueWidget()->label()->alignment(), Qt::AlignRight | Qt::AlignVCenter);
    QCOMPARE(boxLayoutOf(&w)->stretch(0), 5);
    QCOMPARE(boxLayoutOf(&w)->stretch(1), 1);

    // Texts are taken as they are: no parsing, no formatting.
    w.setValue(QStringLiteral(" 1e3 "));
    QCOMPARE(w.value(), QStringLiteral(" 1e3 "));
    w.setValue(QString());
    QCOMPARE(w.value(), QString());
}

void TestMeasure::valueWidgetPassesStateToBothLabels()
{
    ValueWidget w;
    w.setState(AbstractStateWidget::kEnabled, true);
    QCOMPARE(w.states(), States(AbstractStateWidget::kEnabled));
    QCOMPARE(w.valueWidget()->states(), States(AbstractStateWidget::kEnabled));
    QCOMPARE(w.unitWidget()->states(), States(AbstractStateWidget::kEnabled));

    const QColor blue(0, 0, 255);
    w.setColor(AbstractStateWidget::kEnabled, {blue, Qt::white}, true);
    QCOMPARE(w.valueWidget()->label()->palette().color(QPalette::Window), blue);
    QCOMPARE(w.unitWidget()->label()->palette().color(QPalette::Window), blue);
}

void TestMeasure::extraWidthIsSharedFiveToOne()
{
    ValueWidget w;
    w.setValue(QStringLiteral("1"));
    w.setUnit(QStringLiteral("V"));
    w.resize(200, 40);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const int value1 = w.valueWidget()->width();
    const int unit1 = w.unitWidget()->width();
    w.resize(500, 40);
    QTRY_COMPARE(w.width(), 500);
    QTest::qWait(0);
    const int valueGrowth = w.valueWidget()->width() - value1;
    const int unitGrowth = w.unitWidget()->width() - unit1;
    QCOMPARE(valueGrowth + unitGrowth, 300);
    QVERIFY2(qAbs(valueGrowth - 5 * unitGrowth) <= 6,
             qPrintable(QStringLiteral("%1 vs %2").arg(valueGrowth).arg(unitGrowth)));
    // The value sits against the unit.
    QVERIFY(w.valueWidget()->x() < w.unitWidget()->x());
}

void TestMeasure::valueWidgetDoesNotRenderOnConstruction()
{
    ValueWidget w;
    const QColor ordinary = QWidget().palette().color(QPalette::Window);
    QCOMPARE(w.palette().color(QPalette::Window), ordinary);
    QCOMPARE(w.valueWidget()->label()->palette().color(QPalette::Window), ordinary);
    w.render();
    QCOMPARE(w.valueWidget()->label()->palette().color(QPalette::Window), kDarkGrey);
}

void TestMeasure::accessibleNameReadsValueWithUnit()
{
    ValueWidget w;
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&w);
    QVERIFY(iface);
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("0.000 V"));
    w.setValue(QStringLiteral("12.345"));
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("12.345 V"));
    w.setUnit(QStringLiteral("mA"));
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("12.345 mA"));
    w.setUnit(QString());
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("12.345"));
    // The two labels speak for themselves too.
    QCOMPARE(rilotest::spoken(w.valueWidget()), QStringLiteral("12.345"));

    w.setAccessibleName(QStringLiteral("Output voltage"));
    w.setValue(QStringLiteral("1.000"));
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Output voltage"));
    QCOMPARE(w.value(), QStringLiteral("1.000"));
}

void TestMeasure::panelHasTheCountsItWasBuiltWith_data()
{
    QTest::addColumn<int>("headers");
    QTest::addColumn<int>("measures");
    QTest::addColumn<int>("footers");
    QTest::addColumn<int>("expHeaders");
    QTest::addColumn<int>("expMeasures");
    QTest::addColumn<int>("expFooters");
    QTest::newRow("2 3 1") << 2 << 3 << 1 << 2 << 3 << 1;
    QTest::newRow("0 0 0") << 0 << 0 << 0 << 0 << 0 << 0;
    QTest::newRow("negative counts") << -1 << -5 << -2 << 0 << 0 << 0;
    QTest::newRow("4 8 4") << 4 << 8 << 4 << 4 << 8 << 4;
    QTest::newRow("wild header count") << INT_MAX << 1 << 1001 << 1000 << 1 << 1000;
}

void TestMeasure::panelHasTheCountsItWasBuiltWith()
{
    QFETCH(int, headers);
    QFETCH(int, measures);
    QFETCH(int, footers);
    PowerSupplyLCD panel(headers, measures, footers);
    QCOMPARE(panel.count(), 3);
    QTEST(panel.headerWidgetCount(), "expHeaders");
    QTEST(panel.measureWidgetCount(), "expMeasures");
    QTEST(panel.footerWidgetCount(), "expFooters");
    for (int i = 0; i < panel.measureWidgetCount(); ++i) {
        QCOMPARE(panel.measureWidget(i)->value(), QStringLiteral("0.000"));
        QCOMPARE(panel.measureWidget(i)->unit(), QStringLiteral("V"));
    }
    for (int i = 0; i < panel.headerWidgetCount(); ++i) {
        QCOMPARE(panel.headerWidget(i)->text(), QString());
        QCOMPARE(panel.headerWidget(i)->label()->alignment(), Qt::Alignment(Qt::AlignCenter));
        QCOMPARE(panel.headerWidget(i)->label()->font().pointSize(), 9);
    }
    for (int i = 0; i < panel.footerWidgetCount(); ++i)
        QCOMPARE(panel.footerWidget(i)->label()->alignment(), Qt::Alignment(Qt::AlignCenter));
}

void TestMeasure::panelStructureMatchesItsBoxes()
{
    PowerSupplyLCD panel(2, 3, 1);
    QCOMPARE(panel.widget(0), panel.header());
    QCOMPARE(panel.widget(1), panel.measure());
    QCOMPARE(panel.widget(2), panel.footer());
    QCOMPARE(boxLayoutOf(&panel)->direction(), QBoxLayout::TopToBottom);
    QCOMPARE(boxLayoutOf(panel.header())->direction(), QBoxLayout::LeftToRight);
    QCOMPARE(boxLayoutOf(panel.measure())->direction(), QBoxLayout::TopToBottom);
    QCOMPARE(boxLayoutOf(panel.footer())->direction(), QBoxLayout::LeftToRight);
    QCOMPARE(panel.layout()->contentsMargins(), QMargins(3, 3, 3, 3));
    for (StateWidgetBox *box : {static_cast<StateWidgetBox *>(&panel), panel.header(), panel.measure(), panel.footer()}) {
        QCOMPARE(boxLayoutOf(box)->contentsMargins(), QMargins(3, 3, 3, 3));
        QCOMPARE(boxLayoutOf(box)->spacing(), 3);
    }
    for (StateWidgetBox *box : {panel.header(), panel.measure(), panel.footer()})
        QCOMPARE(box->layout()->contentsMargins(), QMargins(0, 0, 0, 0));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(boxLayoutOf(&panel)->stretch(i), 0);

    // Laid out top to bottom: header above the measurements above the footer.
    panel.resize(240, 200);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QVERIFY(panel.header()->y() < panel.measure()->y());
    QVERIFY(panel.measure()->y() < panel.footer()->y());
    QVERIFY(panel.measureWidget(0)->y() < panel.measureWidget(1)->y());
    QVERIFY(panel.headerWidget(0)->x() < panel.headerWidget(1)->x());
}

void TestMeasure::parentOnlyPanelHasOneRow()
{
    QWidget parent;
    auto *panel = new PowerSupplyLCD(&parent);
    QCOMPARE(panel->parentWidget(), &parent);
    QCOMPARE(panel->headerWidgetCount(), 0);
    QCOMPARE(panel->measureWidgetCount(), 1);
    QCOMPARE(panel->footerWidgetCount(), 0);
    QCOMPARE(panel->layout()->contentsMargins(), QMargins(3, 3, 3, 3));
}

void TestMeasure::accessorsReturnNullOutsideTheBoxes_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("-1") << -1;
    QTest::newRow("count") << 2;
    QTest::newRow("5") << 5;
    QTest::newRow("large") << 30;
}

void TestMeasure::accessorsReturnNullOutsideTheBoxes()
{
    QFETCH(int, index);
    PowerSupplyLCD panel(2, 2, 2);
    QCOMPARE(panel.headerWidget(index), nullptr);
    QCOMPARE(panel.footerWidget(index), nullptr);
    QCOMPARE(panel.measureWidget(index), nullptr);
}

void TestMeasure::accessorsReturnNullForOtherKinds()
{
    PowerSupplyLCD panel(2, 1, 0);
    auto *value = new ValueWidget;
    panel.header()->add(value);
    QCOMPARE(panel.headerWidgetCount(), 3);
    QCOMPARE(panel.headerWidget(2), nullptr);
    QVERIFY(panel.headerWidget(1));

    panel.measure()->add(new StateLabel(QStringLiteral("not a value")));
    QCOMPARE(panel.measureWidgetCount(), 2);
    QCOMPARE(panel.measureWidget(1), nullptr);
    panel.setValue(1, QStringLiteral("9.9"));
    QCOMPARE(qobject_cast<StateLabel *>(panel.measure()->widget(1))->text(), QStringLiteral("not a value"));
}

void TestMeasure::setValueAndUnitReachOneRow()
{
    PowerSupplyLCD panel(0, 3, 0);
    panel.setValue(1, QStringLiteral("5.000"));
    panel.setUnit(1, QStringLiteral("A"));
    QCOMPARE(panel.measureWidget(0)->value(), QStringLiteral("0.000"));
    QCOMPARE(panel.measureWidget(1)->value(), QStringLiteral("5.000"));
    QCOMPARE(panel.measureWidget(2)->value(), QStringLiteral("0.000"));
    QCOMPARE(panel.measureWidget(0)->unit(), QStringLiteral("V"));
    QCOMPARE(panel.measureWidget(1)->unit(), QStringLiteral("A"));
    QCOMPARE(panel.measureWidget(2)->unit(), QStringLiteral("V"));
}

void TestMeasure::setValueOutOfRangeChangesNothing_data()
{
    QTest::addColumn<int>("measures");
    QTest::addColumn<int>("index");
    QTest::newRow("empty panel") << 0 << 0;
    QTest::newRow("negative") << 2 << -1;
    QTest::newRow("count") << 2 << 2;
}

void TestMeasure::setValueOutOfRangeChangesNothing()
{
    QFETCH(int, measures);
    QFETCH(int, index);
    PowerSupplyLCD panel(1, measures, 1);
    panel.setValue(index, QStringLiteral("7"));
    panel.setUnit(index, QStringLiteral("W"));
    QCOMPARE(panel.measureWidget(index), nullptr);
    for (int i = 0; i < measures; ++i) {
        QCOMPARE(panel.measureWidget(i)->value(), QStringLiteral("0.000"));
        QCOMPARE(panel.measureWidget(i)->unit(), QStringLiteral("V"));
    }
}

void TestMeasure::panelStateReachesEverything()
{
    PowerSupplyLCD panel(2, 3, 1);
    const QList<AbstractStateWidget *> all = allStateWidgets(&panel);
    // panel + 3 boxes + 2 headers + 3 × (value widget + 2 labels) + 1 footer
    QCOMPARE(all.size(), 1 + 3 + 2 + 9 + 1);
    panel.setState(AbstractStateWidget::kActive, true);
    for (AbstractStateWidget *w : all)
        QCOMPARE(w->states(), States(AbstractStateWidget::kActive));

    const std::pair<QColor, QColor> pair{Qt::green, Qt::black};
    panel.setColor(AbstractStateWidget::kEnabled, pair, false);
    for (AbstractStateWidget *w : all) {
        QCOMPARE(w->color(AbstractStateWidget::kEnabled, false), pair);
        QCOMPARE(qobject_cast<StandardStateWidget *>(w)->content()->palette().color(QPalette::Window),
                 QColor(Qt::green));
    }

    // setStates reaches only the panel.
    panel.setStates(AbstractStateWidget::kEnabled);
    QCOMPARE(panel.states(), States(AbstractStateWidget::kEnabled));
    QCOMPARE(panel.header()->states(), States(AbstractStateWidget::kActive));
}

void TestMeasure::panelRingShowsActiveColor()
{
    PowerSupplyLCD panel(1, 1, 1);
    panel.resize(200, 160);
    QCOMPARE(panel.layout()->contentsMargins(), QMargins(3, 3, 3, 3));
    panel.setState(AbstractStateWidget::kActive, true);
    QImage image = panel.grab().toImage();
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(image.pixelColor(i, 80), kOrange);
        QCOMPARE(image.pixelColor(199 - i, 80), kOrange);
        QCOMPARE(image.pixelColor(100, i), kOrange);
        QCOMPARE(image.pixelColor(100, 159 - i), kOrange);
    }
    QCOMPARE(image.pixelColor(3, 80), kDarkGrey);

    panel.setState(AbstractStateWidget::kActive, false);
    image = panel.grab().toImage();
    QCOMPARE(image.pixelColor(0, 80), kDarkGrey);
}

void TestMeasure::destroyingPanelDeletesEverything()
{
    auto *panel = new PowerSupplyLCD(2, 2, 2);
    QList<QPointer<QWidget>> all;
    for (AbstractStateWidget *w : allStateWidgets(panel))
        all.append(w);
    QCOMPARE(all.size(), 1 + 3 + 2 + 6 + 2);
    delete panel;
    for (const auto &w : all)
        QVERIFY(!w);
}

void TestMeasure::partsTakenByTheHostAreLetGo_data()
{
    QTest::addColumn<Taking>("take");
    QTest::addColumn<QString>("gone"); // which accessor must answer null
    QTest::newRow("header handed to another box")
        << Taking([](PowerSupplyLCD *p, StateWidgetBox *other, StateWidgetBox *) { other->add(p->header()); }) << "header";
    QTest::newRow("header handed to a box that lives on")
        << Taking([](PowerSupplyLCD *p, StateWidgetBox *, StateWidgetBox *keeper) { keeper->add(p->header()); })
        << "header";
    QTest::newRow("unit label handed to a box that lives on") << Taking(
        [](PowerSupplyLCD *p, StateWidgetBox *, StateWidgetBox *keeper) { keeper->add(p->measureWidget(0)->unitWidget()); })
                                                              << "unit";
    QTest::newRow("header deleted") << Taking([](PowerSupplyLCD *p, StateWidgetBox *, StateWidgetBox *) { delete p->header(); })
                                    << "header";
    QTest::newRow("footer handed to another box")
        << Taking([](PowerSupplyLCD *p, StateWidgetBox *other, StateWidgetBox *) { other->add(p->footer()); }) << "footer";
    QTest::newRow("measurements deleted") << Taking([](PowerSupplyLCD *p, StateWidgetBox *, StateWidgetBox *) { delete p->measure(); })
                                          << "measure";
    QTest::newRow("measurements re-parented")
        << Taking([](PowerSupplyLCD *p, StateWidgetBox *other, StateWidgetBox *) { p->measure()->setParent(other); }) << "measure";
    QTest::newRow("value label deleted")
        << Taking([](PowerSupplyLCD *p, StateWidgetBox *, StateWidgetBox *) { delete p->measureWidget(0)->valueWidget(); }) << "value";
    QTest::newRow("unit label handed to another box")
        << Taking([](PowerSupplyLCD *p, StateWidgetBox *other, StateWidgetBox *) { other->add(p->measureWidget(0)->unitWidget()); })
        << "unit";
    QTest::newRow("panel content replaced")
        << Taking([](PowerSupplyLCD *p, StateWidgetBox *, StateWidgetBox *) { p->setContent(new QWidget); }) << "all";
}

void TestMeasure::partsTakenByTheHostAreLetGo()
{
    QFETCH(Taking, take);
    QFETCH(QString, gone);
    StateWidgetBox keeper;
    PowerSupplyLCD panel(2, 2, 2);
    panel.setValue(0, QStringLiteral("1.000"));
    {
        StateWidgetBox shortLived; // deletes what it was given as it goes
        take(&panel, &shortLived, &keeper);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Every call by index and every accessor still answers.
    panel.setValue(0, QStringLiteral("2.000"));
    panel.setUnit(0, QStringLiteral("A"));
    panel.setState(AbstractStateWidget::kAll, true);
    const bool all = gone == QLatin1String("all");
    QCOMPARE(panel.header() == nullptr, all || gone == QLatin1String("header"));
    QCOMPARE(panel.footer() == nullptr, all || gone == QLatin1String("footer"));
    QCOMPARE(panel.measure() == nullptr, all || gone == QLatin1String("measure"));
    QCOMPARE(panel.headerWidget(0) == nullptr, panel.header() == nullptr);
    QCOMPARE(panel.headerWidgetCount(), panel.header() ? 2 : 0);
    QCOMPARE(panel.footerWidgetCount(), panel.footer() ? 2 : 0);
    QCOMPARE(panel.measureWidgetCount(), panel.measure() ? 2 : 0);
    if (ValueWidget *row = panel.measureWidget(0)) {
        QCOMPARE(row->valueWidget() == nullptr, gone == QLatin1String("value"));
        QCOMPARE(row->unitWidget() == nullptr, gone == QLatin1String("unit"));
        QCOMPARE(row->value(), row->valueWidget() ? QStringLiteral("2.000") : QString());
        QCOMPARE(row->unit(), row->unitWidget() ? QStringLiteral("A") : QString());
        for (AbstractStateWidget *w : allStateWidgets(row))
            QCOMPARE(w->states(), States(AbstractStateWidget::kAll));
    }
}

QTEST_MAIN(TestMeasure)
#include "tst_measure.moc"
