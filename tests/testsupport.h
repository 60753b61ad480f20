// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Small helpers shared by the autotests.
#pragma once

#include <QtTest>
#include <QtWidgets>

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

// A table of one column "row", each row named after its text.
inline void rows(std::initializer_list<const char *> texts)
{
    QTest::addColumn<QString>("row");
    for (const char *text : texts)
        QTest::newRow(text) << QString::fromLatin1(text);
}

// Colour of one pixel of a widget's rendering, in widget coordinates.
inline QColor pixelAt(QWidget *widget, int x, int y)
{
    return widget->grab().toImage().pixelColor(x, y);
}

// Row, column, row span, column span of a widget or an item (a nested layout too) in a grid; empty if not there.
template <typename T>
inline QVector<int> positionOf(const QGridLayout *grid, const T *wanted)
{
    const int index = grid ? grid->indexOf(const_cast<T *>(wanted)) : -1;
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    if (index >= 0)
        grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    return index < 0 ? QVector<int>() : QVector<int>{row, column, rowSpan, columnSpan};
}

// What an assistive technology reads for a widget: what its accessible interface says, not what the widget stores.
inline QString spoken(QWidget *widget, QAccessible::Text text = QAccessible::Name)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(text) : QString();
}

} // namespace rilotest

#define RILO_CHECK_NO_TOPLEVELS() QVERIFY(rilotest::noTopLevelWidgetsLeft())
