// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Autotest of the measurement readouts: the value widget and the power-supply panel.
#include "testsupport.h"

#include <widget/powersupplylcd.h>
#include <widget/statelabel.h>
#include <widget/valuewidget.h>

using namespace rilo::widget;
using namespace rilo::widget::measure;
using W = AbstractStateWidget;
using Taking = std::function<void(PowerSupplyLCD *panel, StateWidgetBox *shortLived, StateWidgetBox *keeper)>;
Q_DECLARE_METATYPE(Taking) // takes a part away from (the panel, a box deleted right after, a box that lives on)
#define TAKE(name, ...)                                                                                                \
    QTest::newRow(name) << Taking([]([[maybe_unused]] PowerSupplyLCD *p, [[maybe_unused]] StateWidgetBox *shortLived,  \
                                     [[maybe_unused]] StateWidgetBox *keeper) { __VA_ARGS__; })

static const QColor kOrange(0xFF, 0x7A, 0x00);

// A readout as one line: texts, alignments, stretches, point sizes, margins.
static QString describe(ValueWidget *w)
{
    const QLabel *value = w->valueWidget()->label(), *unit = w->unitWidget()->label();
    const auto *l = qobject_cast<QBoxLayout *>(w->content()->layout());
    return QString::asprintf("%s|%s a%x/%x s%d:%d %dpt m%d dir%d", qPrintable(w->value()), qPrintable(w->unit()),
                             int(value->alignment()), int(unit->alignment()), l->stretch(0), l->stretch(1),
                             unit->font().pointSize(), l->contentsMargins().left(), l->direction());
}

class TestMeasure : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { rilotest::useTestFont(); }
    void cleanup() { RILO_CHECK_NO_TOPLEVELS(); }

    void panelAndReadoutDefaultsStatesAndTexts()
    {
        QWidget parent;
        auto *forms = new PowerSupplyLCD(&parent);
        QCOMPARE(QString::asprintf("%d %d %d ring%d", forms->headerWidgetCount(), forms->measureWidgetCount(),
                                   forms->footerWidgetCount(), forms->layout()->contentsMargins().top()),
                 "0 1 0 ring3");
        PowerSupplyLCD panel(2, 1, 1);
        QString directions; // the panel's, then its boxes', which are its widgets in this order
        for (StateWidgetBox *box :
             {static_cast<StateWidgetBox *>(&panel), panel.header(), panel.measure(), panel.footer()})
            directions += QString::number(qobject_cast<QBoxLayout *>(box->content()->layout())->direction());
        QVERIFY(directions == "2020" && panel.header() == panel.widget(0) && panel.measure() == panel.widget(1)
                && panel.footer() == panel.widget(2));
        const StateLabel *caption = panel.headerWidget(1), *footer = panel.footerWidget(0);
        QCOMPARE(QString::asprintf("'%s' a%x %dpt '%s' a%x", qPrintable(caption->text()),
                                   int(caption->label()->alignment()), caption->label()->font().pointSize(),
                                   qPrintable(footer->text()), int(footer->label()->alignment())),
                 "'' a84 9pt '' a84");
        const QList<W *> all = panel.findChildren<W *>() << &panel;
        QCOMPARE(all.size(), 1 + 3 + 2 + 3 + 1); // panel, boxes, captions, a row with two labels, a footer
        panel.setState(W::kActive, true);
        panel.setColor(W::kEnabled, {Qt::green, Qt::black}, false);
        for (W *w : all) // the state reaches everything
            QVERIFY(w->states() == W::kActive && w->palette().color(QPalette::Window) == kOrange
                    && static_cast<StandardStateWidget *>(w)->content()->palette().color(QPalette::Window)
                           == Qt::green);
        ValueWidget w;
        QCOMPARE(describe(&w), "0.000|V a82/41 s5:1 9pt m3 dir0");
        QCOMPARE(rilotest::spoken(&w), QStringLiteral("0.000 V"));
        w.setValue(QStringLiteral(" 1e3 "));
        w.setUnit(QStringLiteral("mA")); // taken as they are, nothing else changes
        QCOMPARE(describe(&w), QStringLiteral(" 1e3 |mA a82/41 s5:1 9pt m3 dir0"));
        QVERIFY(rilotest::spoken(&w) == " 1e3  mA" && rilotest::spoken(w.valueWidget()) == " 1e3 " // each speaks
                && rilotest::spoken(&w, QAccessible::Description).isEmpty());
        w.setUnit(QString());
        QCOMPARE(rilotest::spoken(&w), QStringLiteral(" 1e3 "));
    }

    void panelHasTheCountsItWasBuiltWith_data()
    {
        QTest::addColumn<QVector<int>>("counts"); // headers, measures, footers asked for, then made
        QTest::newRow("2 3 1") << QVector<int>{2, 3, 1, 2, 3, 1};
        QTest::newRow("0 0 0") << QVector<int>{0, 0, 0, 0, 0, 0};
        QTest::newRow("negative") << QVector<int>{-1, -5, -2, 0, 0, 0};
        QTest::newRow("wild") << QVector<int>{INT_MAX, 1, 1001, 1000, 1, 1000};
    }

    void panelHasTheCountsItWasBuiltWith()
    {
        QFETCH(QVector<int>, counts);
        PowerSupplyLCD panel(counts[0], counts[1], counts[2]);
        QCOMPARE(QVector<int>({panel.headerWidgetCount(), panel.measureWidgetCount(), panel.footerWidgetCount()}),
                 counts.mid(3));
        panel.setValue(1, QStringLiteral("5.000")); // by index: each row on its own, nothing outside
        panel.setUnit(1, QStringLiteral("A"));
        for (int i = -1; i <= panel.measureWidgetCount(); ++i) {
            const ValueWidget *row = panel.measureWidget(i);
            const bool inside = i >= 0 && i < panel.measureWidgetCount();
            QCOMPARE(row ? QString(row->value() + row->unit()) : "-", QString(!inside  ? "-"
                                                                              : i == 1 ? "5.000A"
                                                                                       : "0.000V"));
        }
        QVERIFY(!panel.headerWidget(panel.headerWidgetCount()) && !panel.footerWidget(-1));
        // A widget of another kind where a caption or a row is expected.
        panel.header()->add(new ValueWidget);
        panel.measure()->add(new StateLabel(QStringLiteral("no value")));
        panel.setValue(panel.measureWidgetCount() - 1, QStringLiteral("9.9"));
        QVERIFY(!panel.headerWidget(panel.headerWidgetCount() - 1)
                && !panel.measureWidget(panel.measureWidgetCount() - 1));
        QCOMPARE(qobject_cast<StateLabel *>(panel.measure()->widget(panel.measureWidgetCount() - 1))->text(),
                 "no value");
    }

    void partsTakenByTheHostAreLetGo_data()
    {
        QTest::addColumn<Taking>("take");
        QTest::addColumn<QString>("gone"); // which accessor must answer null
        TAKE("header handed to another box", shortLived->add(p->header())) << "header ";
        TAKE("header handed to a box that lives on", keeper->add(p->header())) << "header ";
        TAKE("header deleted", delete p->header()) << "header ";
        TAKE("footer handed to another box", shortLived->add(p->footer())) << "footer ";
        TAKE("measurements deleted", delete p->measure()) << "measure ";
        TAKE("measurements re-parented", p->measure()->setParent(shortLived)) << "measure ";
        TAKE("value label deleted", delete p->measureWidget(0)->valueWidget()) << "value ";
        TAKE("unit label handed to another box", shortLived->add(p->measureWidget(0)->unitWidget())) << "unit ";
        TAKE("unit label handed to a box that lives on", keeper->add(p->measureWidget(0)->unitWidget())) << "unit ";
        TAKE("panel content replaced", p->setContent(new QWidget)) << "header footer measure ";
    }

    void partsTakenByTheHostAreLetGo()
    {
        QFETCH(Taking, take);
        StateWidgetBox keeper;
        PowerSupplyLCD panel(2, 2, 2);
        panel.setValue(0, QStringLiteral("1.000")); // shortLived deletes what it was given as it goes
        auto *shortLived = new StateWidgetBox;
        take(&panel, shortLived, &keeper);
        delete shortLived;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ValueWidget *row = panel.measureWidget(0);
        panel.setValue(0, QStringLiteral("2.000"));
        panel.setUnit(0, QStringLiteral("A"));
        panel.setState(W::kAll, true);
        const QString gone = QString(panel.header() ? "" : "header ") + (panel.footer() ? "" : "footer ")
                           + (panel.measure() ? "" : "measure ") + (row && !row->valueWidget() ? "value " : "")
                           + (row && !row->unitWidget() ? "unit " : "");
        QTEST(gone, "gone");
        QVERIFY((panel.headerWidget(0) == nullptr) == (panel.header() == nullptr)
                && panel.headerWidgetCount() + panel.footerWidgetCount() + panel.measureWidgetCount()
                       == 2 * (!!panel.header() + !!panel.footer() + !!panel.measure()));
        if (row) {
            QVERIFY(row->value() == (row->valueWidget() ? "2.000" : "")
                    && row->unit() == (row->unitWidget() ? "A" : ""));
            for (W *w : row->findChildren<W *>() + QList<W *>{row})
                QCOMPARE(w->states(), W::States(W::kAll));
        }
    }
};

QTEST_MAIN(TestMeasure)
#include "tst_measure.moc"
