// Small helpers shared by the autotests.
#pragma once

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QTest>
#include <QWidget>

namespace rilotest {

// Called from every test's cleanup(): a top-level widget left behind is a leak
// that neither LeakSanitizer nor valgrind can see, since Qt still points to it.
inline bool noTopLevelWidgetsLeft()
{
    const auto widgets = QApplication::topLevelWidgets();
    for (QWidget *w : widgets)
        qWarning("top-level widget left behind: %s (%s)", w->metaObject()->className(),
                 qPrintable(w->objectName()));
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
    const QImage image = widget->grab().toImage();
    return image.pixelColor(x, y);
}

} // namespace rilotest

#define RILO_CHECK_NO_TOPLEVELS() QVERIFY(rilotest::noTopLevelWidgetsLeft())
