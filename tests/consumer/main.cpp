// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// A power-supply panel built from the installed headers, switched active, rendered offscreen and checked by pixel;
// and the library's German catalog, which must be found in the library itself (in a static build too, where its
// resource is linked only when referred to).
#include <widget/powersupplylcd.h>
#include <widget/statelabel.h>
#include <widget/valuewidget.h>

#include <QApplication>
#include <QImage>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    rilo::widget::measure::PowerSupplyLCD panel(1, 2, 1);
    panel.headerWidget(0)->setText(QStringLiteral("CH1"));
    panel.setValue(0, QStringLiteral("12.000"));
    panel.setUnit(1, QStringLiteral("A"));
    panel.setState(rilo::widget::AbstractStateWidget::kActive, true);
    panel.resize(240, 200);
    panel.show();

    const QImage image = panel.grab().toImage();
    const QColor ring = image.pixelColor(1, image.height() / 2);
    std::printf("ring colour %s, value %s %s\n", qPrintable(ring.name()), qPrintable(panel.measureWidget(0)->value()),
                qPrintable(panel.measureWidget(1)->unit()));
    QTranslator translator;
    const bool catalog = rilo::widget::loadTranslation(&translator, QLocale(QLocale::German, QLocale::Germany));
    std::printf("German catalog %s\n", catalog ? "loaded" : "missing");
    const bool ok =
        ring == QColor(0xFF, 0x7A, 0x00) && panel.measureWidget(0)->value() == QLatin1String("12.000") && catalog;
    return ok ? 0 : 1;
}
