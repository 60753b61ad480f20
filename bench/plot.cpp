// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Draws the wall-clock time-against-M curves of a benchmark CSV into a PNG: one
// chart per scenario, ours and the baseline, both axes logarithmic. Each title
// says that it shows wall-clock time; the instruction counts
// (bench/callgrind.sh) are a table of their own.
//
//   rilo-bench-plot <results.csv> <out.png>

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

#include <cmath>
#include <utility>
#include <cstdio>

namespace {

struct Series
{
    QMap<int, double> ours, baseline;
};

// Each scenario with the name of its baseline.
const std::pair<const char *, const char *> kScenarios[] = {
    {"live frame", "plain QLabels"},      {"state", "style sheets"},
    {"state + paint", "style sheets"},    {"construct hidden", "plain QLabels"},
    {"destroy unshown", "plain QLabels"}, {"chain state", "style sheets"},
};

void drawChart(QPainter &p, const QRectF &area, const QString &title, const QString &baselineName, const Series &series)
{
    const QRectF plot = area.adjusted(62, 30, -14, -40);
    p.setPen(Qt::black);
    p.drawText(area.adjusted(0, 4, 0, 0), Qt::AlignHCenter | Qt::AlignTop, title + QStringLiteral(" (wall clock)"));

    double lo = 1e300, hi = 0;
    int minX = 1 << 30, maxX = 0;
    for (const auto *map : {&series.ours, &series.baseline}) {
        for (auto it = map->cbegin(); it != map->cend(); ++it) {
            if (it.value() <= 0)
                continue;
            lo = std::min(lo, it.value());
            hi = std::max(hi, it.value());
            minX = std::min(minX, it.key());
            maxX = std::max(maxX, it.key());
        }
    }
    if (hi <= 0 || maxX <= minX)
        return;
    const double y0 = std::floor(std::log10(lo)), y1 = std::ceil(std::log10(hi)) + (lo == hi ? 1 : 0);
    const double x0 = std::log2(minX), x1 = std::log2(maxX);
    auto map = [&](int x, double y) {
        return QPointF(plot.left() + (std::log2(x) - x0) / (x1 - x0) * plot.width(),
                       plot.bottom() - (std::log10(y) - y0) / (y1 - y0) * plot.height());
    };

    p.setPen(QColor(220, 220, 220));
    for (double e = y0; e <= y1; ++e) {
        const double y = plot.bottom() - (e - y0) / (y1 - y0) * plot.height();
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    p.setPen(Qt::black);
    p.drawRect(plot);
    QFont small = p.font();
    small.setPixelSize(11);
    p.setFont(small);
    for (double e = y0; e <= y1; ++e) {
        const double y = plot.bottom() - (e - y0) / (y1 - y0) * plot.height();
        p.drawText(QRectF(area.left(), y - 8, 56, 16), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(std::pow(10.0, e), 'g', 3) + QStringLiteral(" ms"));
    }
    for (auto it = series.ours.cbegin(); it != series.ours.cend(); ++it) {
        const QPointF at = map(it.key(), lo);
        p.drawText(QRectF(at.x() - 30, plot.bottom() + 4, 60, 16), Qt::AlignCenter, QString::number(it.key()));
    }
    p.drawText(QRectF(plot.left(), plot.bottom() + 20, plot.width(), 16), Qt::AlignCenter,
               title.startsWith(QLatin1String("chain")) ? QStringLiteral("depth") : QStringLiteral("M (rows)"));

    const struct
    {
        const QMap<int, double> *values;
        QColor color;
        Qt::PenStyle style;
        QString name;
    } lines[] = {
        {&series.ours, QColor(0xFF, 0x7A, 0x00), Qt::SolidLine, QStringLiteral("rilo widgets")},
        {&series.baseline, QColor(0x35, 0x35, 0x38), Qt::DashLine, baselineName},
    };
    int legend = 0;
    for (const auto &line : lines) {
        QPainterPath path;
        bool first = true;
        for (auto it = line.values->cbegin(); it != line.values->cend(); ++it) {
            if (it.value() <= 0)
                continue;
            const QPointF point = map(it.key(), it.value());
            first ? path.moveTo(point) : path.lineTo(point);
            first = false;
            p.setBrush(line.color);
            p.setPen(Qt::NoPen);
            p.drawEllipse(point, 3, 3);
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(line.color, 2, line.style));
        p.drawPath(path);
        const QPointF key(plot.left() + 8, plot.top() + 12 + 16 * legend++);
        p.drawLine(key, key + QPointF(22, 0));
        p.setPen(Qt::black);
        p.drawText(key + QPointF(28, 4), line.name);
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <results.csv> <out.png>\n", argv[0]);
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    QMap<QString, Series> data;
    QTextStream in(&file);
    in.readLine(); // header
    while (!in.atEnd()) {
        const QStringList fields = in.readLine().split(QLatin1Char(','));
        if (fields.size() < 5 || fields.at(4) != QLatin1String("ms"))
            continue;
        Series &series = data[fields.at(0)];
        series.ours.insert(fields.at(1).toInt(), fields.at(2).toDouble());
        series.baseline.insert(fields.at(1).toInt(), fields.at(3).toDouble());
    }

    const int columns = 3, rows = 2, width = 380, height = 280;
    QImage image(columns * width, rows * height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    painter.setFont(font);
    int index = 0;
    for (const auto &scenario : kScenarios) {
        const QRectF area((index % columns) * width, (index / columns) * height, width, height);
        painter.save();
        drawChart(painter, area, QLatin1String(scenario.first), QLatin1String(scenario.second),
                  data.value(QLatin1String(scenario.first)));
        painter.restore();
        ++index;
    }
    painter.end();
    if (!image.save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
