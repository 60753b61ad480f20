// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

#include <widget/standardstatewidget.h>

#include "abstractstatewidgetprivate.h"
#include "standardstatewidgetprivate.h"

#include <QCoreApplication>

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
        || content->testAttribute(Qt::WA_TranslucentBackground) || content->testAttribute(Qt::WA_NoSystemBackground)
        || content->graphicsEffect() || !content->mask().isEmpty())
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

FrameGridLayout *StandardStateWidgetPrivate::ownGrid(const StandardStateWidget *q)
{
    return dynamic_cast<FrameGridLayout *>(q->layout());
}

FrameGridLayout *StandardStateWidgetPrivate::makeGrid(StandardStateWidget *q, QWidget *content) const
{
    auto *gridLayout = new FrameGridLayout;
    gridLayout->setContentsMargins(borderWidth, borderWidth, borderWidth, borderWidth);
    gridLayout->setSpacing(0);
    if (content)
        gridLayout->addWidget(content);
    q->setLayout(gridLayout);
    return gridLayout;
}

QGridLayout *StandardStateWidgetPrivate::grid(StandardStateWidget *q)
{
    if (FrameGridLayout *own = ownGrid(q))
        return own;
    if (q->layout())
        return nullptr;
    return makeGrid(q, q->content());
}

void StandardStateWidgetPrivate::settle(QWidget *widget)
{
    widget->ensurePolished();
    QCoreApplication::removePostedEvents(widget, QEvent::PolishRequest);
}

bool StandardStateWidgetPrivate::isSelfOrAncestor(const QWidget *candidate, const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        if (w == candidate)
            return true;
    }
    return false;
}

StandardStateWidget::StandardStateWidget(QWidget *content, QWidget *parent, Qt::WindowFlags flags)
    : AbstractStateWidget(parent, flags)
    , d(new StandardStateWidgetPrivate)
{
    setAutoFillBackground(true);
    // A content that would close a cycle (this frame's parent or one of its
    // ancestors) is not taken; the frame gets a plain one instead.
    if (!content || StandardStateWidgetPrivate::isSelfOrAncestor(content, this)) {
        content = new QWidget;
        StandardStateWidgetPrivate::settle(content);
    }
    d->content = content;
    content->setAutoFillBackground(true);
    d->makeGrid(this, content);
}

StandardStateWidget::~StandardStateWidget()
{
    delete content(); // only if it is still ours
    delete StandardStateWidgetPrivate::ownGrid(this);
}

QWidget *StandardStateWidget::content() const
{
    QWidget *content = d->content.data();
    return content && content->parentWidget() == this ? content : nullptr;
}

void StandardStateWidget::setContent(QWidget *content)
{
    QWidget *current = this->content();
    if (content == current)
        return;
    if (content && StandardStateWidgetPrivate::isSelfOrAncestor(content, this)) {
        qWarning("rilo::widget::StandardStateWidget::setContent: a widget cannot hold itself or one of its "
                 "ancestors; ignored");
        return;
    }
    QGridLayout *grid = d->grid(this);
    if (current) {
        if (grid)
            grid->removeWidget(current);
        current->deleteLater();
    }
    d->content = content;
    if (content) {
        content->setAutoFillBackground(true);
        if (grid) {
            grid->addWidget(content);
        } else {
            // The host replaced the frame's layout with one of its own; the
            // content is still the frame's child, laid out by nobody.
            content->setParent(this);
            content->show();
        }
        // Rendered like a state call, so that a render() that replaces the
        // content again is kept for later instead of recursing.
        AbstractStateWidgetPrivate *base = AbstractStateWidgetPrivate::get(this);
        if (base->beginCall({AbstractStateWidgetPrivate::Call::Render, {}, kNone, false, {}})) {
            const QPointer<StandardStateWidget> self(this);
            render();
            if (self)
                base->endCall(this);
        }
    }
}

void StandardStateWidget::setBorderWidth(int width)
{
    width = qBound(0, width, StandardStateWidgetPrivate::kMaxExtent);
    d->borderWidth = width;
    QGridLayout *grid = d->grid(this);
    if (!grid || grid->contentsMargins() == QMargins(width, width, width, width))
        return;
    grid->setContentsMargins(width, width, width, width);
}

void StandardStateWidget::render()
{
    QWidget *content = this->content();
    applyColors(this, color(kActive, states().testFlag(kActive)), content);
    if (content)
        applyColors(content, color(kEnabled, states().testFlag(kEnabled)));
}

} // namespace widget
} // namespace rilo
