// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

#include <widget/statelabel.h>

#include <QLabel>

namespace rilo {
namespace widget {

StateLabel::StateLabel(const QString &text, int pointSize, Qt::Alignment alignment, QWidget *parent,
                       Qt::WindowFlags flags)
    : StandardStateWidget(new QLabel, parent, flags)
{
    setBorderWidth(0);
    m_label = static_cast<QLabel *>(content());
    m_label->setMargin(2);
    setText(text);
    m_label->setAlignment(alignment);
    setPointSize(pointSize);
}

StateLabel::StateLabel(QWidget *parent)
    : StateLabel(QString(), 9, Qt::AlignLeft | Qt::AlignVCenter, parent, Qt::WindowFlags())
{
}

StateLabel::~StateLabel() = default;

QLabel *StateLabel::label() const
{
    return m_label;
}

QString StateLabel::text() const
{
    return m_label->text();
}

void StateLabel::setText(const QString &text)
{
    // The accessible name follows the text, unless the host has named the
    // widget itself.
    const QString name = accessibleName();
    if (name.isEmpty() || name == m_label->text())
        setAccessibleName(text);
    m_label->setText(text);
}

void StateLabel::setPointSize(int pointSize)
{
    if (pointSize <= 0)
        return;
    QFont font = m_label->font();
    font.setPointSize(pointSize);
    m_label->setFont(font);
}

void StateLabel::setAlignment(Qt::Alignment alignment)
{
    m_label->setAlignment(alignment);
}

void StateLabel::setMargin(int margin)
{
    m_label->setMargin(margin);
}

} // namespace widget
} // namespace rilo
