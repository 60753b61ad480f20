// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Small helpers shared by the autotests.
#pragma once

#include <QAccessible>
#include <QApplication>
#include <QColor>
#include <QFont>
#include <QGridLayout>
#include <QImage>
#include <QTest>
#include <QVector>
#include <QWidget>

namespace rilotest {

// For every test's cleanup(): a top-level widget left behind is a leak that neither LeakSanitizer nor valgrind sees.
inline bool noTopLevelWidgetsLeft()
{
    const auto widgets = QApplication::topLevelWidgets();
    for (QWidget *w : widgets)
        qWarning("top-level widget left behind: %s (%s)", w->metaObject()->className(), qPrintable(w->objectName()));
    return widgets.isEmpty();
}

// One application font so that text metrics do not depend on the machine.
inline void useTestFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    QApplication::setFont(font);
}

// Colour of one pixel of a widget's rendering, in widget coordinates.
inline QColor pixelAt(QWidget *widget, int x, int y)
{
    return widget->grab().toImage().pixelColor(x, y);
}

// Where an item (a nested layout is one) sits in a grid: row, column, row span, column span; empty if not there.
inline QVector<int> positionOf(const QGridLayout *grid, const QLayoutItem *wanted)
{
    for (int i = 0; grid && i < grid->count(); ++i) {
        if (grid->itemAt(i) == wanted) {
            int row, column, rowSpan, columnSpan;
            grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
            return {row, column, rowSpan, columnSpan};
        }
    }
    return {};
}

// Where a widget sits in a grid, as above.
inline QVector<int> positionOf(const QGridLayout *grid, const QWidget *widget)
{
    const int index = grid ? grid->indexOf(const_cast<QWidget *>(widget)) : -1;
    return index < 0 ? QVector<int>() : positionOf(grid, grid->itemAt(index));
}

// What an assistive technology reads for a widget: what its accessible interface says, not what the widget stores.
inline QString spoken(QWidget *widget, QAccessible::Text text = QAccessible::Name)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(text) : QString();
}

} // namespace rilotest

#define RILO_CHECK_NO_TOPLEVELS() QVERIFY(rilotest::noTopLevelWidgetsLeft())
