// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// The panels the benchmarks compare: the library's readout and chain of boxes,
// and what a developer would write without the library (plain QLabels in plain
// layouts, coloured with setPalette or with style sheets).
#pragma once

#include <widget/powersupplylcd.h>
#include <widget/statelabel.h>
#include <widget/statewidgetbox.h>

#include <QLabel>
#include <QStringList>
#include <QVector>
#include <QWidget>

#include <memory>

namespace bench {

constexpr int kCaptions = 4; // header and footer captions of every panel

// A plain readout: one widget with a column layout holding a header row of
// captions, a grid of value and unit labels, and a footer row of captions.
class PlainPanel : public QWidget
{
public:
    explicit PlainPanel(int rows, QWidget *parent = nullptr);

    void setValue(int row, const QString &text);
    // Colours every label (and the panel) by palette or by style sheet.
    void setColorsByPalette(const QColor &background, const QColor &text);
    void setColorsByStyleSheet(const QColor &background, const QColor &text);

    QVector<QLabel *> labels; // captions, values and units
    QVector<QLabel *> values;
};

// A state widget box that counts the render() calls it receives, as a host
// that overrides render() would see them.
class CountingBox : public rilo::widget::StateWidgetBox
{
public:
    explicit CountingBox(int *counter)
        : rilo::widget::StateWidgetBox(QBoxLayout::TopToBottom)
        , m_counter(counter)
    {
    }
    void render() override
    {
        ++*m_counter;
        rilo::widget::StateWidgetBox::render();
    }

private:
    int *m_counter;
};

class CountingLabel : public rilo::widget::StateLabel
{
public:
    explicit CountingLabel(int *counter)
        : rilo::widget::StateLabel(QStringLiteral("level"))
        , m_counter(counter)
    {
    }
    void render() override
    {
        ++*m_counter;
        rilo::widget::StateLabel::render();
    }

private:
    int *m_counter;
};

// A chain of \a depth nested boxes, each holding a caption and the next box.
std::unique_ptr<CountingBox> makeChain(int depth, int *renderCounter);

// The same chain without the library: nested widgets with a label each.
class PlainChain : public QWidget
{
public:
    explicit PlainChain(int depth);
    void setColorsByStyleSheet(const QColor &background, const QColor &text);
    QVector<QLabel *> labels;
};

// The widgets and layouts of a readout's rows, built in plain Qt with the
// library's steps and nothing of the library: per row a frame with a grid
// layout around a content widget with a box layout, holding two framed
// labels; every frame and content fills its background, every label has a
// margin, a text and a font size, and every widget is polished at once with
// its polish request taken back. What this costs is the floor below which no
// implementation of that structure can go.
class StructurePanel : public QWidget
{
public:
    explicit StructurePanel(int rows, QWidget *parent = nullptr);
};

// Two sets of value texts, so that consecutive frames always change every text.
QVector<QStringList> valueTexts(int rows);

} // namespace bench
