// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

#include <widget/standardstatewidget.h>

#include "standardstatewidgetprivate.h"

#include <QGridLayout>

namespace rilo {
namespace widget {

namespace {

// True if \a brush is what applyColors() installs for \a color.
bool isSolid(const QBrush &brush, const QColor &color)
{
    return brush.style() == Qt::SolidPattern && brush.color() == color && brush.transform().isIdentity();
}

// True if \a widget's palette already holds \a colors as its own Window and
// WindowText roles in every colour group. Installing them again would then
// produce the very palette the widget has: QWidget::setPalette() would find
// nothing to change, but only after copying and resolving palettes, which is
// most of the cost of a render. Boxes re-render their whole subtree for every
// flag change on the way down, so most renders land here.
bool holdsColors(const QWidget *widget, const std::pair<QColor, QColor> &colors)
{
    if (!widget->testAttribute(Qt::WA_SetPalette))
        return false;
    const QPalette &palette = widget->palette();
    for (int group = QPalette::Active; group <= QPalette::Inactive; ++group) {
        const auto colorGroup = QPalette::ColorGroup(group);
        // Inherited, not set: setPalette() would make them the widget's own.
        // Qt 5 records this per role, Qt 6 per role and colour group;
        // isBrushSet() asks each Qt its own way.
        if (!palette.isBrushSet(colorGroup, QPalette::Window) || !palette.isBrushSet(colorGroup, QPalette::WindowText))
            return false;
        if (!isSolid(palette.brush(colorGroup, QPalette::Window), colors.first)
            || !isSolid(palette.brush(colorGroup, QPalette::WindowText), colors.second))
            return false;
    }
    return true;
}

// True if nothing of \a frame's own background can be seen: its content lies
// over all of it and fills it with an opaque brush. That is every frame of
// border width 0 once laid out, which is every frame inside a box but the
// outermost.
bool coveredByContent(const QWidget *frame, const QWidget *content)
{
    if (!content || !frame->isVisible() || !content->isVisible() || content->parentWidget() != frame)
        return false;
    if (content->geometry() != frame->rect() || !content->autoFillBackground()
        || content->testAttribute(Qt::WA_TranslucentBackground)
        || content->testAttribute(Qt::WA_NoSystemBackground) || content->graphicsEffect()
        || !content->mask().isEmpty())
        return false;
    return content->palette().brush(content->backgroundRole()).isOpaque();
}

// Sets Window and WindowText of every colour group, so that disabling the
// widget (QWidget::setEnabled(false)) keeps its state colours.
//
// setPalette() schedules a repaint of the widget. When the widget is hidden
// under its opaque \a content (see coveredByContent()), that repaint could not change
// a pixel, yet each one costs the next paint of the window a walk over the
// widget's siblings: for a full-panel state change of hundreds of such
// frames, that made the repaint grow with the square of the rows. The repaint
// is held back for this one call; an update state the host set is left alone.
void applyColors(QWidget *widget, const std::pair<QColor, QColor> &colors, const QWidget *content = nullptr)
{
    if (holdsColors(widget, colors))
        return;
    QPalette palette = widget->palette();
    palette.setBrush(QPalette::All, QPalette::Window, QBrush(colors.first, Qt::SolidPattern));
    palette.setBrush(QPalette::All, QPalette::WindowText, QBrush(colors.second, Qt::SolidPattern));
    const bool holdRepaint = widget->updatesEnabled() && coveredByContent(widget, content);
    if (holdRepaint)
        widget->setAttribute(Qt::WA_UpdatesDisabled, true);
    widget->setPalette(palette);
    if (holdRepaint)
        widget->setAttribute(Qt::WA_UpdatesDisabled, false);
}

} // namespace

StandardStateWidget::StandardStateWidget(QWidget *content, QWidget *parent, Qt::WindowFlags flags)
    : AbstractStateWidget(parent, flags)
    , d(new StandardStateWidgetPrivate)
{
    setAutoFillBackground(true);
    if (!content)
        content = new QWidget;
    d->content = content;
    content->setAutoFillBackground(true);

    d->gridLayout = new QGridLayout;
    d->gridLayout->setContentsMargins(0, 0, 0, 0);
    d->gridLayout->setSpacing(0);
    d->gridLayout->addWidget(content);
    setLayout(d->gridLayout);
}

StandardStateWidget::~StandardStateWidget()
{
    delete d->content;
    d->content = nullptr;
    delete d->gridLayout;
    d->gridLayout = nullptr;
    delete d;
}

QWidget *StandardStateWidget::content() const
{
    return d->content;
}

void StandardStateWidget::setContent(QWidget *content)
{
    if (content == d->content)
        return;
    if (d->content) {
        d->gridLayout->removeWidget(d->content);
        d->content->deleteLater();
    }
    d->content = content;
    if (content) {
        content->setAutoFillBackground(true);
        d->gridLayout->addWidget(content);
        render();
    }
}

void StandardStateWidget::setBorderWidth(int width)
{
    width = qMax(0, width);
    const QMargins margins = d->gridLayout->contentsMargins();
    if (margins == QMargins(width, width, width, width))
        return;
    d->gridLayout->setContentsMargins(width, width, width, width);
}

void StandardStateWidget::render()
{
    applyColors(this, color(kActive, states().testFlag(kActive)), d->content);
    if (d->content)
        applyColors(d->content, color(kEnabled, states().testFlag(kEnabled)));
}

} // namespace widget
} // namespace rilo
