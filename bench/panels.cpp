// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

#include "panels.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QGridLayout>

namespace bench {

namespace {

QLabel *makeLabel(const QString &text, Qt::Alignment alignment)
{
    auto *label = new QLabel(text);
    label->setMargin(2);
    label->setAlignment(alignment);
    QFont font = label->font();
    font.setPointSize(9);
    label->setFont(font);
    label->setAutoFillBackground(true);
    return label;
}

// Polishes a widget now and takes back the polish request Qt posted for it.
void settle(QWidget *widget)
{
    widget->ensurePolished();
    QCoreApplication::removePostedEvents(widget, QEvent::PolishRequest);
}

// A filled frame with a grid layout around a filled content widget.
QWidget *frameAround(QWidget *content)
{
    auto *frame = new QWidget;
    settle(frame);
    frame->setAutoFillBackground(true);
    content->setAutoFillBackground(true);
    auto *grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->addWidget(content);
    frame->setLayout(grid);
    return frame;
}

QWidget *framedLabel(const QString &text, Qt::Alignment alignment)
{
    auto *label = new QLabel;
    QWidget *frame = frameAround(label);
    settle(label);
    label->setMargin(2);
    label->setText(text);
    label->setAlignment(alignment);
    QFont font = label->font();
    font.setPointSize(9);
    label->setFont(font);
    return frame;
}

QString sheetFor(const QColor &background, const QColor &text)
{
    return QStringLiteral("background-color: %1; color: %2;").arg(background.name(), text.name());
}

} // namespace

PlainPanel::PlainPanel(int rows, QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(3, 3, 3, 3);
    column->setSpacing(3);

    auto *header = new QHBoxLayout;
    for (int i = 0; i < kCaptions; ++i) {
        labels.append(makeLabel(QString(), Qt::AlignCenter));
        header->addWidget(labels.last());
    }
    column->addLayout(header);

    auto *grid = new QGridLayout;
    grid->setSpacing(3);
    for (int row = 0; row < rows; ++row) {
        QLabel *value = makeLabel(QStringLiteral("0.000"), Qt::AlignRight | Qt::AlignVCenter);
        QLabel *unit = makeLabel(QStringLiteral("V"), Qt::AlignLeft | Qt::AlignBottom);
        grid->addWidget(value, row, 0);
        grid->addWidget(unit, row, 1);
        labels.append(value);
        labels.append(unit);
        values.append(value);
    }
    grid->setColumnStretch(0, 5);
    grid->setColumnStretch(1, 1);
    column->addLayout(grid);

    auto *footer = new QHBoxLayout;
    for (int i = 0; i < kCaptions; ++i) {
        labels.append(makeLabel(QString(), Qt::AlignCenter));
        footer->addWidget(labels.last());
    }
    column->addLayout(footer);
}

void PlainPanel::setValue(int row, const QString &text)
{
    if (row >= 0 && row < values.size())
        values.at(row)->setText(text);
}

void PlainPanel::setColorsByPalette(const QColor &background, const QColor &text)
{
    for (QWidget *widget : labels) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::WindowText, text);
        widget->setPalette(palette);
    }
}

void PlainPanel::setColorsByStyleSheet(const QColor &background, const QColor &text)
{
    const QString sheet = sheetFor(background, text);
    for (QWidget *widget : labels)
        widget->setStyleSheet(sheet);
}

std::unique_ptr<CountingBox> makeChain(int depth, int *renderCounter)
{
    auto outer = std::make_unique<CountingBox>(renderCounter);
    CountingBox *box = outer.get();
    for (int level = 0; level < depth; ++level) {
        box->add(new CountingLabel(renderCounter));
        if (level + 1 < depth) {
            auto *inner = new CountingBox(renderCounter);
            box->add(inner);
            box = inner;
        }
    }
    return outer;
}

PlainChain::PlainChain(int depth)
{
    QWidget *holder = this;
    for (int level = 0; level < depth; ++level) {
        auto *layout = new QVBoxLayout(holder);
        layout->setContentsMargins(3, 3, 3, 3);
        labels.append(makeLabel(QStringLiteral("level"), Qt::AlignCenter));
        layout->addWidget(labels.last());
        if (level + 1 < depth) {
            auto *inner = new QWidget;
            layout->addWidget(inner);
            holder = inner;
        }
    }
}

void PlainChain::setColorsByStyleSheet(const QColor &background, const QColor &text)
{
    const QString sheet = sheetFor(background, text);
    for (QWidget *widget : labels)
        widget->setStyleSheet(sheet);
}

StructurePanel::StructurePanel(int rows, QWidget *parent)
    : QWidget(parent)
{
    auto *column = new QVBoxLayout(this);
    for (int row = 0; row < rows; ++row) {
        auto *content = new QWidget;
        settle(content);
        QWidget *frame = frameAround(content);
        auto *box = new QBoxLayout(QBoxLayout::LeftToRight);
        box->setContentsMargins(3, 3, 3, 3);
        box->setSpacing(3);
        content->setLayout(box);
        box->addWidget(framedLabel(QStringLiteral("0.000"), Qt::AlignRight | Qt::AlignVCenter));
        box->addWidget(framedLabel(QStringLiteral("V"), Qt::AlignLeft | Qt::AlignBottom));
        box->setStretch(0, 5);
        box->setStretch(1, 1);
        column->addWidget(frame);
    }
}

QVector<QStringList> valueTexts(int rows)
{
    QVector<QStringList> sets(2);
    for (int set = 0; set < 2; ++set) {
        for (int row = 0; row < rows; ++row)
            sets[set].append(QString::number(row % 30 + 0.125 * (set + 1), 'f', 3));
    }
    return sets;
}

} // namespace bench
