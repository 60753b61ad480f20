// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

#include "widgeticons.h"

#include <QPainter>
#include <QPixmap>

#include <functional>

namespace widgeticons {

namespace {

const QColor kOrange(0xFF, 0x7A, 0x00);
const QColor kDarkGrey(0x35, 0x35, 0x38);
const QColor kGreen(0x00, 0xD4, 0x00);
const QColor kGrey(0xA9, 0xA9, 0xA9);

QIcon draw(const std::function<void(QPainter &)> &paint)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    painter.end();
    return QIcon(pixmap);
}

void text(QPainter &p, const QRect &rect, const QString &s, int pixelSize, const QColor &color = Qt::white)
{
    QFont font = p.font();
    font.setPixelSize(pixelSize);
    font.setBold(true);
    p.setFont(font);
    p.setPen(color);
    p.drawText(rect, Qt::AlignCenter, s);
}

// A dark inside with an orange ring, the look of an active state widget.
void frame(QPainter &p, const QRect &rect)
{
    p.fillRect(rect, kOrange);
    p.fillRect(rect.adjusted(2, 2, -2, -2), kDarkGrey);
}

} // namespace

QIcon stateLabel()
{
    return draw([](QPainter &p) {
        frame(p, QRect(1, 7, 30, 18));
        text(p, QRect(1, 7, 30, 18), QStringLiteral("Aa"), 12);
    });
}

QIcon stateWidgetBox()
{
    return draw([](QPainter &p) {
        p.fillRect(QRect(1, 7, 30, 18), kDarkGrey);
        for (int i = 0; i < 3; ++i)
            frame(p, QRect(3 + i * 9, 10, 8, 12));
    });
}

QIcon valueWidget()
{
    return draw([](QPainter &p) {
        frame(p, QRect(1, 7, 30, 18));
        text(p, QRect(2, 7, 20, 18), QStringLiteral("1.0"), 9);
        text(p, QRect(21, 11, 9, 14), QStringLiteral("V"), 7);
    });
}

QIcon powerSupply()
{
    return draw([](QPainter &p) {
        frame(p, QRect(2, 1, 28, 30));
        text(p, QRect(2, 3, 28, 8), QStringLiteral("CH1"), 6);
        text(p, QRect(2, 10, 28, 10), QStringLiteral("12.0V"), 8);
        text(p, QRect(2, 19, 28, 10), QStringLiteral("1.5A"), 8);
    });
}

QIcon flagPanelText()
{
    return draw([](QPainter &p) {
        p.setPen(kGrey);
        p.drawRect(QRect(1, 5, 29, 22));
        p.fillRect(QRect(4, 13, 24, 1), QColor(0xFF, 0x74, 0x00));
        text(p, QRect(2, 15, 28, 11), QStringLiteral("A B C"), 7, Qt::black);
    });
}

QIcon flagPanelState()
{
    return draw([](QPainter &p) {
        p.setPen(kGrey);
        p.drawRect(QRect(1, 5, 29, 22));
        p.fillRect(QRect(4, 13, 24, 1), QColor(0xFF, 0x74, 0x00));
        const QColor colors[] = {kGreen, kGrey, kGreen};
        for (int i = 0; i < 3; ++i) {
            p.setPen(Qt::NoPen);
            p.setBrush(colors[i]);
            p.drawRoundedRect(QRect(5 + i * 8, 17, 6, 6), 2, 2);
        }
    });
}

QIcon onOffSelector()
{
    return draw([](QPainter &p) {
        p.setPen(kGrey);
        p.setBrush(Qt::white);
        p.drawRect(QRect(1, 8, 29, 16));
        text(p, QRect(2, 8, 20, 16), QStringLiteral("ON"), 9, kDarkGrey);
        p.setBrush(kDarkGrey);
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygon({QPoint(23, 14), QPoint(29, 14), QPoint(26, 19)}));
    });
}

QIcon fileDropComboBox()
{
    return draw([](QPainter &p) {
        p.setPen(kGrey);
        p.setBrush(Qt::white);
        p.drawRect(QRect(1, 8, 29, 16));
        // A sheet of paper with a folded corner.
        p.setPen(kDarkGrey);
        p.drawPolygon(QPolygon({QPoint(5, 11), QPoint(12, 11), QPoint(15, 14), QPoint(15, 21), QPoint(5, 21)}));
        p.setBrush(kDarkGrey);
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygon({QPoint(23, 14), QPoint(29, 14), QPoint(26, 19)}));
    });
}

} // namespace widgeticons
