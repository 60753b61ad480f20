// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

#include <widget/statelabel.h>

#include "standardstatewidgetprivate.h"
#include "util/accessibletext_p.h"

#include <QLabel>

namespace rilo {
namespace widget {

namespace {

constexpr int kMaxPointSize = 1000;

} // namespace

StateLabel::StateLabel(const QString &text, int pointSize, Qt::Alignment alignment, QWidget *parent,
                       Qt::WindowFlags flags)
    : StandardStateWidget(new QLabel, parent, flags)
{
    QLabel *label = this->label();
    StandardStateWidgetPrivate::settle(label);
    label->setMargin(2);
    setText(text);
    label->setAlignment(alignment);
    setPointSize(pointSize);
}

StateLabel::StateLabel(QWidget *parent)
    : StateLabel(QString(), 9, Qt::AlignLeft | Qt::AlignVCenter, parent, Qt::WindowFlags())
{
}

StateLabel::~StateLabel() = default;

QLabel *StateLabel::label() const
{
    return qobject_cast<QLabel *>(content());
}

QString StateLabel::text() const
{
    const QLabel *label = this->label();
    return label ? label->text() : QString();
}

void StateLabel::setText(const QString &text)
{
    QLabel *label = this->label();
    if (!label)
        return;
    // The accessible name is the text, unless the host has named the widget
    // itself; a listener hears of the change.
    const bool changed = text != label->text();
    label->setText(text);
    if (changed && accessibleName().isEmpty())
        AccessibleText::notify(this, QAccessible::NameChanged);
}

void StateLabel::setPointSize(int pointSize)
{
    QLabel *label = this->label();
    if (!label || pointSize <= 0)
        return;
    QFont font = label->font();
    font.setPointSize(qMin(pointSize, kMaxPointSize));
    label->setFont(font);
}

void StateLabel::setAlignment(Qt::Alignment alignment)
{
    if (QLabel *label = this->label())
        label->setAlignment(alignment);
}

void StateLabel::setMargin(int margin)
{
    if (QLabel *label = this->label())
        label->setMargin(qBound(0, margin, StandardStateWidgetPrivate::kMaxExtent));
}

} // namespace widget
} // namespace rilo
