// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Instruction counts of the benchmark scenarios, for regression checks on a
// noisy machine: run with QtTest's callgrind backend,
//   rilo-bench-callgrind -callgrind
// (bench/callgrind.sh does that and checks that the state change grows
// linearly with the number of rows).

#include "panels.h"

#include <QApplication>
#include <QTest>

using rilo::widget::AbstractStateWidget;
using rilo::widget::measure::PowerSupplyLCD;

class BenchCallgrind : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void stateChange_data() { sideAndSize(); }
    void stateChange();
    void stateChangeWithPaint_data() { sideAndSize(); }
    void stateChangeWithPaint();
    void liveFrame_data() { sideAndSize(); }
    void liveFrame();
    void construct_data() { sideAndSize(); }
    void construct();

private:
    static void sideAndSize();
};

void BenchCallgrind::initTestCase()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    QApplication::setFont(font);
}

void BenchCallgrind::sideAndSize()
{
    QTest::addColumn<bool>("ours");
    QTest::addColumn<int>("rows");
    const QList<int> sizes = qEnvironmentVariableIsSet("RILO_BENCH_SMOKE") ? QList<int>{8} : QList<int>{64, 512};
    for (int rows : sizes) {
        QTest::addRow("ours:%d", rows) << true << rows;
        QTest::addRow("baseline:%d", rows) << false << rows;
    }
}

namespace {

void settle(QWidget *widget, bool keepVisible)
{
    widget->show();
    QApplication::processEvents();
    QApplication::processEvents();
    if (!keepVisible) {
        widget->hide();
        QApplication::processEvents();
    }
}

const QColor kOrange(0xFF, 0x7A, 0x00);
const QColor kGrey(0x35, 0x35, 0x38);
const QColor kWhite(0xff, 0xff, 0xff);

void stateScenario(bool ours, int rows, bool paint)
{
    bool on = false;
    if (ours) {
        PowerSupplyLCD lcd(bench::kCaptions, rows, bench::kCaptions);
        lcd.render();
        settle(&lcd, paint);
        QBENCHMARK {
            on = !on;
            lcd.setState(AbstractStateWidget::kActive, on);
            if (paint)
                QApplication::processEvents();
        }
    } else {
        bench::PlainPanel plain(rows);
        plain.setColorsByStyleSheet(kGrey, kWhite);
        settle(&plain, paint);
        QBENCHMARK {
            on = !on;
            plain.setColorsByStyleSheet(on ? kOrange : kGrey, kWhite);
            if (paint)
                QApplication::processEvents();
        }
    }
}

} // namespace

void BenchCallgrind::stateChange()
{
    QFETCH(bool, ours);
    QFETCH(int, rows);
    stateScenario(ours, rows, false);
}

void BenchCallgrind::stateChangeWithPaint()
{
    QFETCH(bool, ours);
    QFETCH(int, rows);
    stateScenario(ours, rows, true);
}

void BenchCallgrind::liveFrame()
{
    QFETCH(bool, ours);
    QFETCH(int, rows);
    const QVector<QStringList> texts = bench::valueTexts(rows);
    int frame = 0;
    if (ours) {
        PowerSupplyLCD lcd(bench::kCaptions, rows, bench::kCaptions);
        lcd.render();
        settle(&lcd, true);
        QBENCHMARK {
            const QStringList &set = texts.at(++frame % 2);
            for (int row = 0; row < rows; ++row)
                lcd.setValue(row, set.at(row));
            QApplication::processEvents();
        }
    } else {
        bench::PlainPanel plain(rows);
        plain.setColorsByPalette(kGrey, kWhite);
        settle(&plain, true);
        QBENCHMARK {
            const QStringList &set = texts.at(++frame % 2);
            for (int row = 0; row < rows; ++row)
                plain.setValue(row, set.at(row));
            QApplication::processEvents();
        }
    }
}

void BenchCallgrind::construct()
{
    QFETCH(bool, ours);
    QFETCH(int, rows);
    QBENCHMARK {
        if (ours)
            delete new PowerSupplyLCD(bench::kCaptions, rows, bench::kCaptions);
        else
            delete new bench::PlainPanel(rows);
        QApplication::processEvents();
    }
}

QTEST_MAIN(BenchCallgrind)
#include "bench_callgrind.moc"
