// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Wall-clock benchmarks of the state widgets and readouts against what a
// developer would write without them (plain QLabels coloured by palette or by
// style sheet), and of the library's containers at scale (a flag panel, a
// check-button dialog, a file drop) against plain Qt doing the same work.
// Each scenario runs ours and the baseline side by side in this process,
// alternating, and reports the median of the runs and the ratio.
//
//   rilo-bench [--smoke] [--runs N] [--csv FILE]
//
// --smoke runs every scenario once at the smallest size (for CI).

#include "panels.h"

#include <widget/ccombobox.h>
#include <widget/checkbuttondialog.h>
#include <widget/flagpanel.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>

using rilo::widget::AbstractStateWidget;
using rilo::widget::measure::PowerSupplyLCD;

namespace {

struct Options
{
    bool smoke = false;
    int runs = 5;
    double minRunMs = 40; // one run repeats the step until this much time has passed
};

// One line of the result table. The goal applies to the ratio or to our own
// figure, as `goalOnOurs` says; rows without a goal are for reading only.
struct Row
{
    Row(const QString &scenario, int size, double ours, double baseline, const QString &unit)
        : scenario(scenario)
        , size(size)
        , ours(ours)
        , baseline(baseline)
        , unit(unit)
    {
    }

    QString scenario;
    int size = 0;
    double ours = 0;
    double baseline = 0;
    QString unit;
    double limit = 0; // 0: no goal
    bool goalOnOurs = false;
    QString goal;

    double ratio() const { return baseline > 0 ? ours / baseline : 0; }
    bool hasGoal() const { return limit > 0; }
    bool met() const { return (goalOnOurs ? ours : ratio()) <= limit; }
};

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    const int n = values.size();
    return n % 2 ? values.at(n / 2) : (values.at(n / 2 - 1) + values.at(n / 2)) / 2;
}

// Milliseconds per call of \a step, repeated until minRunMs has passed.
double timeSteps(const Options &options, const std::function<void()> &step)
{
    QElapsedTimer timer;
    int calls = 0;
    timer.start();
    do {
        step();
        ++calls;
    } while (!options.smoke && timer.nsecsElapsed() < options.minRunMs * 1e6);
    return timer.nsecsElapsed() / 1e6 / calls;
}

// Runs ours and the baseline alternately (ours first in even runs) and
// returns both medians.
std::pair<double, double> alternate(const Options &options, const std::function<double()> &ours,
                                    const std::function<double()> &baseline)
{
    QVector<double> a, b;
    const int runs = options.smoke ? 1 : options.runs;
    for (int run = 0; run < runs; ++run) {
        if (run % 2 == 0) {
            a.append(ours());
            b.append(baseline());
        } else {
            b.append(baseline());
            a.append(ours());
        }
    }
    return {median(a), median(b)};
}

void settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

// Shown once so that layouts and style sheets are polished, then hidden or left
// visible as the scenario needs.
void polish(QWidget *widget, bool keepVisible)
{
    widget->show();
    settle();
    if (!keepVisible) {
        widget->hide();
        settle();
    }
}

const QColor kOrange(0xFF, 0x7A, 0x00);
const QColor kGrey(0x35, 0x35, 0x38);
const QColor kWhite(0xff, 0xff, 0xff);

// M value updates, then layout and paint.
Row liveFrame(const Options &options, int rows)
{
    const QVector<QStringList> texts = bench::valueTexts(rows);
    PowerSupplyLCD lcd(bench::kCaptions, rows, bench::kCaptions);
    lcd.render();
    polish(&lcd, true);
    bench::PlainPanel plain(rows);
    plain.setColorsByPalette(kGrey, kWhite);
    polish(&plain, true);

    int frameOurs = 0, framePlain = 0;
    const auto times = alternate(
        options,
        [&] {
            return timeSteps(options, [&] {
                const QStringList &set = texts.at(++frameOurs % 2);
                for (int row = 0; row < rows; ++row)
                    lcd.setValue(row, set.at(row));
                QApplication::processEvents();
            });
        },
        [&] {
            return timeSteps(options, [&] {
                const QStringList &set = texts.at(++framePlain % 2);
                for (int row = 0; row < rows; ++row)
                    plain.setValue(row, set.at(row));
                QApplication::processEvents();
            });
        });
    Row row{QStringLiteral("live frame"), rows, times.first, times.second, QStringLiteral("ms")};
    if (rows >= 64) {
        row.limit = 1.15;
        row.goal = QStringLiteral("ratio <= 1.15");
    }
    return row;
}

// setState(kActive, ...) on the whole panel against a style sheet on every
// label; hidden (no paint) or shown with the repaint included.
Row stateChange(const Options &options, int rows, bool paint)
{
    PowerSupplyLCD lcd(bench::kCaptions, rows, bench::kCaptions);
    lcd.render();
    polish(&lcd, paint);
    bench::PlainPanel plain(rows);
    plain.setColorsByStyleSheet(kGrey, kWhite);
    polish(&plain, paint);

    bool oursOn = false, plainOn = false;
    const auto times = alternate(
        options,
        [&] {
            return timeSteps(options, [&] {
                oursOn = !oursOn;
                lcd.setState(AbstractStateWidget::kActive, oursOn);
                if (paint)
                    QApplication::processEvents();
            });
        },
        [&] {
            return timeSteps(options, [&] {
                plainOn = !plainOn;
                plain.setColorsByStyleSheet(plainOn ? kOrange : kGrey, kWhite);
                if (paint)
                    QApplication::processEvents();
            });
        });
    Row row{paint ? QStringLiteral("state + paint") : QStringLiteral("state"), rows, times.first, times.second,
            QStringLiteral("ms")};
    if (paint && rows >= 64) {
        row.limit = rows >= 512 ? 16.7 : 2.0;
        row.goalOnOurs = true;
        row.goal = QStringLiteral("ours <= %1 ms").arg(row.limit);
    } else if (!paint && rows >= 64) {
        row.limit = 0.5;
        row.goal = QStringLiteral("ratio <= 0.5");
    }
    return row;
}

// A chain of nested boxes: the state change against style sheets, and the cost
// of one redundant render (nothing to change) against one changing render.
QVector<Row> chain(const Options &options, int depth, double *changingAtFirstDepth)
{
    int renders = 0;
    std::unique_ptr<bench::CountingBox> box = bench::makeChain(depth, &renders);
    box->render();
    polish(box.get(), false);
    bench::PlainChain plain(depth);
    plain.setColorsByStyleSheet(kGrey, kWhite);
    polish(&plain, false);

    bool oursOn = false, plainOn = false;
    const auto change = alternate(
        options,
        [&] {
            return timeSteps(options, [&] {
                oursOn = !oursOn;
                box->setState(AbstractStateWidget::kActive, oursOn);
            });
        },
        [&] {
            return timeSteps(options, [&] {
                plainOn = !plainOn;
                plain.setColorsByStyleSheet(plainOn ? kOrange : kGrey, kWhite);
            });
        });

    // Renders per state change, of which 2 * depth (each box and its caption
    // once) change colours; the others find their colours already in place.
    renders = 0;
    oursOn = !oursOn;
    box->setState(AbstractStateWidget::kActive, oursOn);
    const int perChange = renders;
    const int changing = 2 * depth;
    renders = 0;
    box->render();
    const int perRender = renders;

    QVector<double> redundant;
    for (int run = 0; run < (options.smoke ? 1 : options.runs); ++run)
        redundant.append(timeSteps(options, [&] { box->render(); }) / perRender);
    const double redundantMs = median(redundant);
    const double changingMs = (change.first - (perChange - changing) * redundantMs) / changing;

    QVector<Row> rows;
    rows.append(Row(QStringLiteral("chain state"), depth, change.first, change.second, QStringLiteral("ms")));
    Row cost{QStringLiteral("chain redundant/changing render"), depth, redundantMs * 1000, changingMs * 1000,
             QStringLiteral("us")};
    cost.limit = 0.10;
    cost.goal = QStringLiteral("ratio <= 0.10");
    rows.append(cost);
    // Linear in depth: each changing widget costs the same however deep the chain.
    const bool firstDepth = *changingAtFirstDepth <= 0;
    if (firstDepth)
        *changingAtFirstDepth = changingMs;
    Row linear{QStringLiteral("chain changing render vs first depth"), depth, changingMs * 1000,
               *changingAtFirstDepth * 1000, QStringLiteral("us")};
    if (!firstDepth) {
        linear.limit = 1.25;
        linear.goal = QStringLiteral("ratio <= 1.25 (linear)");
    }
    rows.append(linear);
    std::printf("  chain %d: %d renders per state change, %d of them changing\n", depth, perChange, changing);
    return rows;
}

size_t heapInUse()
{
    return mallinfo2().uordblks;
}

struct BuildFigures
{
    double constructMs = 0;
    double destroyMs = 0;
    double heapBytes = 0;
};

// Builds and destroys a hidden panel that never runs the event loop.
template <typename Panel>
BuildFigures buildAndDestroy(const Options &options, const std::function<Panel *()> &make)
{
    BuildFigures figures;
    QElapsedTimer timer;
    int calls = 0;
    QElapsedTimer total;
    total.start();
    do {
        const size_t before = heapInUse();
        timer.start();
        Panel *panel = make();
        figures.constructMs += timer.nsecsElapsed() / 1e6;
        figures.heapBytes = double(heapInUse()) - double(before);
        timer.start();
        delete panel;
        figures.destroyMs += timer.nsecsElapsed() / 1e6;
        ++calls;
        QApplication::processEvents();
    } while (!options.smoke && total.nsecsElapsed() < options.minRunMs * 1e6 * 2);
    figures.constructMs /= calls;
    figures.destroyMs /= calls;
    return figures;
}

struct BuildRun
{
    QVector<BuildFigures> ours, plain, floor;
};

BuildRun buildRuns(const Options &options, int rows)
{
    BuildRun result;
    const int runs = options.smoke ? 1 : options.runs;
    auto ours = [&] {
        result.ours.append(buildAndDestroy<PowerSupplyLCD>(
            options, [rows] { return new PowerSupplyLCD(bench::kCaptions, rows, bench::kCaptions); }));
    };
    auto plain = [&] {
        result.plain.append(
            buildAndDestroy<bench::PlainPanel>(options, [rows] { return new bench::PlainPanel(rows); }));
    };
    for (int run = 0; run < runs; ++run) {
        if (run % 2 == 0) {
            ours();
            plain();
        } else {
            plain();
            ours();
        }
        result.floor.append(
            buildAndDestroy<bench::StructurePanel>(options, [rows] { return new bench::StructurePanel(rows); }));
    }
    return result;
}

double medianOf(const QVector<BuildFigures> &figures, double BuildFigures::*field)
{
    QVector<double> values;
    for (const BuildFigures &f : figures)
        values.append(f.*field);
    return median(values);
}

QVector<Row> construction(const Options &options, const QVector<int> &sizes)
{
    QVector<Row> rows;
    const BuildRun empty = buildRuns(options, 0);
    const double emptyOurs = medianOf(empty.ours, &BuildFigures::heapBytes);
    const double emptyPlain = medianOf(empty.plain, &BuildFigures::heapBytes);
    const double emptyFloor = medianOf(empty.floor, &BuildFigures::heapBytes);
    QMap<int, std::pair<double, double>> destroyBySize;
    for (int size : sizes) {
        const BuildRun run = buildRuns(options, size);
        Row construct{QStringLiteral("construct hidden"), size, medianOf(run.ours, &BuildFigures::constructMs),
                      medianOf(run.plain, &BuildFigures::constructMs), QStringLiteral("ms")};
        if (size >= 64) {
            construct.limit = 3.0;
            construct.goal = QStringLiteral("ratio <= 3");
        }
        rows.append(construct);
        Row heap{QStringLiteral("heap per row"), size,
                 (medianOf(run.ours, &BuildFigures::heapBytes) - emptyOurs) / size,
                 (medianOf(run.plain, &BuildFigures::heapBytes) - emptyPlain) / size, QStringLiteral("bytes")};
        if (size >= 64) {
            heap.limit = 2.5;
            heap.goal = QStringLiteral("ratio <= 2.5");
        }
        rows.append(heap);
        // For reading: the same widgets and layouts in plain Qt, against the
        // same plain labels. Ours can come near this, not below it.
        rows.append(Row{QStringLiteral("structure floor per row"), size,
                        (medianOf(run.floor, &BuildFigures::heapBytes) - emptyFloor) / size, heap.baseline,
                        QStringLiteral("bytes")});
        Row destroy{QStringLiteral("destroy unshown"), size, medianOf(run.ours, &BuildFigures::destroyMs),
                    medianOf(run.plain, &BuildFigures::destroyMs), QStringLiteral("ms")};
        rows.append(destroy);
        destroyBySize.insert(size, {destroy.ours, destroy.baseline});
    }
    // Linear means 8 times the rows cost about 8 times the time.
    if (destroyBySize.contains(64) && destroyBySize.contains(512)) {
        Row growth{QStringLiteral("destroy growth 64->512"), 512, destroyBySize[512].first / destroyBySize[64].first,
                   destroyBySize[512].second / destroyBySize[64].second, QStringLiteral("x")};
        growth.limit = 8.5;
        growth.goalOnOurs = true;
        growth.goal = QStringLiteral("ours <= 8.5x (linear)");
        rows.append(growth);
    }
    return rows;
}

// ---------------------------------------------------------------------------
// Scale: N flags, N check buttons, a drop of N files, each against plain Qt
// doing the same work in the same run.

// Milliseconds to build one object with make(); each object is destroyed
// (untimed) and the event loop runs before the next build.
template <typename T>
double timeBuilds(const Options &options, const std::function<T *()> &make)
{
    double total = 0;
    int calls = 0;
    QElapsedTimer timer, all;
    all.start();
    do {
        timer.start();
        T *object = make();
        total += timer.nsecsElapsed() / 1e6;
        delete object;
        QApplication::processEvents();
        ++calls;
    } while (!options.smoke && all.nsecsElapsed() < options.minRunMs * 1e6);
    return total / calls;
}

const char kLampStyle[] = "border-width: 0px; border-radius: 2px;background-color:%1";
constexpr int kScaleColumns = 100; // grid width of the check-button scenario

// A panel of n lamps, every other one on, against n QLabels coloured by the
// same style sheets in one QGridLayout.
std::pair<double, double> flagPanel(const Options &options, int n)
{
    return alternate(
        options,
        [&] {
            return timeBuilds<QWidget>(options, [n] {
                auto *panel = new rilo::widget::FlagPanelState;
                for (int i = 0; i < n; ++i)
                    panel->setFlag(i % 2 == 0, i);
                return panel;
            });
        },
        [&] {
            return timeBuilds<QWidget>(options, [n] {
                const QString on = QString::fromLatin1(kLampStyle).arg(QColor(0, 212, 0).name());
                const QString off = QString::fromLatin1(kLampStyle).arg(QColor(169, 169, 169).name());
                auto *widget = new QWidget;
                auto *grid = new QGridLayout(widget);
                for (int i = 0; i < n; ++i) {
                    auto *label = new QLabel(widget);
                    label->setStyleSheet(i % 2 == 0 ? on : off);
                    grid->addWidget(label, 0, i);
                }
                return widget;
            });
        });
}

// A panel of n text flags against n centred QLabels in one QGridLayout.
std::pair<double, double> textPanel(const Options &options, int n)
{
    QStringList texts;
    for (int i = 0; i < n; ++i)
        texts.append(QStringLiteral("F%1").arg(i));
    return alternate(
        options,
        [&] {
            return timeBuilds<QWidget>(options, [&texts] {
                auto *panel = new rilo::widget::FlagPanelText;
                for (int i = 0; i < texts.size(); ++i)
                    panel->setFlag(texts.at(i), i);
                return panel;
            });
        },
        [&] {
            return timeBuilds<QWidget>(options, [&texts] {
                auto *widget = new QWidget;
                auto *grid = new QGridLayout(widget);
                for (int i = 0; i < texts.size(); ++i) {
                    auto *label = new QLabel(texts.at(i), widget);
                    label->setAlignment(Qt::AlignCenter);
                    grid->addWidget(label, 0, i);
                }
                return widget;
            });
        });
}

// A dialog of n checkable buttons in kScaleColumns columns against n
// QPushButtons in a grid of a plain QDialog.
std::pair<double, double> checkButtons(const Options &options, int n)
{
    QList<std::pair<QString, QVariant>> items;
    for (int i = 0; i < n; ++i)
        items.append({QStringLiteral("B%1").arg(i), i});
    return alternate(
        options,
        [&] {
            return timeBuilds<QDialog>(options,
                                       [&items] { return new rilo::widget::CheckButtonDialog(items, kScaleColumns); });
        },
        [&] {
            return timeBuilds<QDialog>(options, [&items] {
                auto *dialog = new QDialog;
                auto *grid = new QGridLayout(dialog);
                for (int i = 0; i < items.size(); ++i) {
                    auto *button = new QPushButton(items.at(i).first, dialog);
                    button->setCheckable(true);
                    grid->addWidget(button, i / kScaleColumns + 1, i % kScaleColumns);
                }
                return dialog;
            });
        });
}

// A drop of n new files onto a box with a bound of 10^6 against
// QComboBox::insertItem() of the same texts, each at the top.
std::pair<double, double> fileDrop(const Options &options, int n)
{
    QList<QUrl> urls;
    QStringList paths;
    for (int i = 0; i < n; ++i) {
        paths.append(QStringLiteral("/data/run%1/trace.csv").arg(i));
        urls.append(QUrl::fromLocalFile(paths.last()));
    }
    QMimeData mime;
    mime.setUrls(urls);
    return alternate(
        options,
        [&] {
            return timeBuilds<QComboBox>(options, [&mime] {
                auto *box = new rilo::widget::CComboBox;
                box->setMaxCount(1000000);
                QDragEnterEvent enter(QPoint(1, 1), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(box, &enter);
                QDropEvent drop(QPointF(1, 1), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(box, &drop);
                return box;
            });
        },
        [&] {
            return timeBuilds<QComboBox>(options, [&paths] {
                auto *box = new QComboBox;
                for (int i = paths.size() - 1; i >= 0; --i)
                    box->insertItem(0, paths.at(i));
                box->setCurrentIndex(0);
                return box;
            });
        });
}

// Rows for one scenario over the sizes: ours within 1.5 times plain Qt at
// the largest size, and growing no faster than plain Qt from the smallest
// size to the largest (within 15 %, the runs' noise). At the smallest size
// fixed costs weigh most (a drop converts every URL to a path, which the
// baseline's ready texts skip); that row is for reading.
QVector<Row> scale(const Options &options, const char *name, const QVector<int> &sizes,
                   const std::function<std::pair<double, double>(const Options &, int)> &measure)
{
    QVector<Row> rows;
    for (int n : sizes) {
        std::printf("%s, N = %d\n", name, n);
        std::fflush(stdout);
        const auto times = measure(options, n);
        Row row{QString::fromLatin1(name), n, times.first, times.second, QStringLiteral("ms")};
        if (n == sizes.last() && sizes.size() > 1) {
            row.limit = 1.5;
            row.goal = QStringLiteral("ratio <= 1.5");
        }
        rows.append(row);
    }
    if (rows.size() >= 2) {
        const Row &first = rows.first();
        const Row &last = rows.last();
        Row growth{QStringLiteral("%1 growth %2->%3").arg(QLatin1String(name)).arg(first.size).arg(last.size),
                   last.size, last.ours / first.ours, last.baseline / first.baseline, QStringLiteral("x")};
        growth.limit = 1.15;
        growth.goal = QStringLiteral("ratio <= 1.15 (as plain)");
        rows.append(growth);
    }
    return rows;
}

QString number(double value)
{
    if (value == 0)
        return QStringLiteral("0");
    if (qAbs(value) >= 100)
        return QString::number(value, 'f', 0);
    return QString::number(value, 'g', 3);
}

void printTable(const QVector<Row> &rows)
{
    std::printf("\n%-38s %5s %10s %10s %-5s %7s  %-22s %s\n", "scenario", "M", "ours", "baseline", "unit", "ratio",
                "goal", "met");
    for (const Row &row : rows) {
        std::printf("%-38s %5d %10s %10s %-5s %7s  %-22s %s\n", qPrintable(row.scenario), row.size,
                    qPrintable(number(row.ours)), qPrintable(number(row.baseline)), qPrintable(row.unit),
                    qPrintable(QString::number(row.ratio(), 'f', 2)), qPrintable(row.goal),
                    row.hasGoal() ? (row.met() ? "yes" : "NO") : "-");
    }
}

bool writeCsv(const QString &fileName, const QVector<Row> &rows)
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QTextStream out(&file);
    out << "scenario,M,ours,baseline,unit,ratio,goal,met\n";
    for (const Row &row : rows) {
        out << row.scenario << ',' << row.size << ',' << row.ours << ',' << row.baseline << ',' << row.unit << ','
            << row.ratio() << ',' << row.goal << ',' << (row.hasGoal() ? (row.met() ? "yes" : "no") : "") << '\n';
    }
    return true;
}

} // namespace

// The offscreen platform warns about every shown window; that says nothing here.
void quietHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (message.contains(QLatin1String("propagateSizeHints")) || message.contains(QLatin1String("XDG_RUNTIME_DIR")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtFatalMsg)
        std::abort();
}

int main(int argc, char **argv)
{
    qInstallMessageHandler(quietHandler);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    QApplication::setFont(font);

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption smokeOption(QStringLiteral("smoke"),
                                         QStringLiteral("Run each scenario once at the smallest size."));
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Runs per side (median)."),
                                        QStringLiteral("n"), QStringLiteral("5"));
    const QCommandLineOption csvOption(QStringLiteral("csv"), QStringLiteral("Write the table to this CSV file."),
                                       QStringLiteral("file"));
    const QCommandLineOption onlyOption(QStringLiteral("only"),
                                        QStringLiteral("Run only the scenarios whose name starts with this."),
                                        QStringLiteral("name"));
    const QCommandLineOption sizesOption(QStringLiteral("sizes"), QStringLiteral("Comma-separated M (and depths)."),
                                         QStringLiteral("list"));
    const QCommandLineOption scaleOption(QStringLiteral("scale-sizes"),
                                         QStringLiteral("Comma-separated N of the scale scenarios."),
                                         QStringLiteral("list"));
    parser.addOptions({smokeOption, runsOption, csvOption, onlyOption, sizesOption, scaleOption});
    parser.process(app);

    Options options;
    options.smoke = parser.isSet(smokeOption);
    options.runs = qMax(1, parser.value(runsOption).toInt());

    QVector<int> sizes = options.smoke ? QVector<int>{8} : QVector<int>{8, 64, 512};
    QVector<int> depths = options.smoke ? QVector<int>{8} : QVector<int>{8, 16, 32};
    if (parser.isSet(sizesOption)) {
        sizes.clear();
        const QStringList list = parser.value(sizesOption).split(QLatin1Char(','));
        for (const QString &size : list)
            sizes.append(qMax(1, size.toInt()));
        depths = sizes;
    }
    const QString only = parser.value(onlyOption);
    auto wanted = [&only](const char *name) { return only.isEmpty() || QLatin1String(name).startsWith(only); };

    QVector<Row> rows;
    for (int size : wanted("live") ? sizes : QVector<int>()) {
        std::printf("live frame, M = %d\n", size);
        std::fflush(stdout);
        rows.append(liveFrame(options, size));
    }
    for (int size : wanted("state") ? sizes : QVector<int>()) {
        std::printf("state, M = %d\n", size);
        std::fflush(stdout);
        rows.append(stateChange(options, size, false));
    }
    for (int size : wanted("paint") ? sizes : QVector<int>()) {
        std::printf("state + paint, M = %d\n", size);
        std::fflush(stdout);
        rows.append(stateChange(options, size, true));
    }
    double changingAtFirstDepth = 0;
    for (int depth : wanted("chain") ? depths : QVector<int>()) {
        std::printf("chain, depth %d\n", depth);
        std::fflush(stdout);
        rows.append(chain(options, depth, &changingAtFirstDepth));
    }
    if (wanted("construct")) {
        std::printf("construct and destroy\n");
        std::fflush(stdout);
        rows.append(construction(options, sizes));
    }
    QVector<int> scaleSizes = options.smoke ? QVector<int>{1000} : QVector<int>{1000, 10000};
    if (parser.isSet(scaleOption)) {
        scaleSizes.clear();
        const QStringList list = parser.value(scaleOption).split(QLatin1Char(','));
        for (const QString &size : list)
            scaleSizes.append(qMax(1, size.toInt()));
    }
    if (wanted("lamp"))
        rows.append(scale(options, "lamp panel build", scaleSizes, flagPanel));
    if (wanted("text"))
        rows.append(scale(options, "text panel build", scaleSizes, textPanel));
    if (wanted("check"))
        rows.append(scale(options, "check-button dialog build", scaleSizes, checkButtons));
    if (wanted("drop"))
        rows.append(scale(options, "file drop", scaleSizes, fileDrop));

    printTable(rows);
    if (parser.isSet(csvOption)) {
        if (!writeCsv(parser.value(csvOption), rows)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(parser.value(csvOption)));
            return 1;
        }
    }
    return 0;
}
