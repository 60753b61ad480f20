// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

#include <widget/flagpanel.h>

#include "flagpanel_p.h"

#include <QGridLayout>
#include <QLabel>

namespace rilo {
namespace widget {

namespace {

const char kSplitLineStyle[] = "border-style:none;background-color:%1";
const char kStateFlagStyle[] = "border-width: 0px; border-radius: 2px;background-color:%1";

// True when index names a flag that exists; anything else appends, negative
// indices included, so that no value handed to a panel is lost.
bool isExistingFlag(int index, int count)
{
    return index >= 0 && index < count;
}

// True for a flag that clearFlags() (or the host) hid. A flag appended to a
// panel on screen is not shown yet either (its layout shows it from the event
// loop), but it is on its way and counts as visible.
bool isClearedFlag(const QWidget *flag)
{
    return flag->isHidden() && flag->testAttribute(Qt::WA_WState_ExplicitShowHide);
}

} // namespace

// ---------------------------------------------------------------------------
// FlagPanelPrivate: what the panel tells assistive technology

void FlagPanelPrivate::titleChanged(QWidget *panel, const QString &title)
{
    // A name that differs from the one we gave last is the host's own.
    const QString current = panel->accessibleName();
    if (!current.isEmpty() && current != ourName)
        return;
    ourName = title;
    if (current != title)
        panel->setAccessibleName(title);
}

void FlagPanelPrivate::flagSet(QWidget *panel, int index, const QString &speech, bool nameFlag, bool wasHidden)
{
    if (index < 0 || index >= flags.size())
        return;
    while (flagSpeech.size() < flags.size())
        flagSpeech.append(QString());
    const QString previous = flagSpeech.at(index);
    if (nameFlag) {
        QWidget *flag = flags.at(index);
        const QString name = flag->accessibleName();
        if ((name.isEmpty() || name == previous) && name != speech)
            flag->setAccessibleName(speech);
    }
    // Panels are updated several times a second with mostly the same values:
    // an unchanged flag that was visible already changes nothing for a
    // screen reader, so leave the description (and its change event) alone.
    if (speech == previous && !wasHidden)
        return;
    flagSpeech[index] = speech;
    updateDescription(panel);
}

void FlagPanelPrivate::updateDescription(QWidget *panel)
{
    const QString current = panel->accessibleDescription();
    if (!current.isEmpty() && current != ourDescription)
        return;
    QStringList visible;
    for (int i = 0; i < flags.size(); ++i) {
        const QString speech = flagSpeech.value(i);
        // An empty text flag has nothing to say; leaving it out spares the
        // listener a bare comma.
        if (!isClearedFlag(flags.at(i)) && !speech.isEmpty())
            visible.append(speech);
    }
    ourDescription = visible.join(QLatin1String(", "));
    if (current != ourDescription)
        panel->setAccessibleDescription(ourDescription);
}

// ---------------------------------------------------------------------------
// FlagPanel

FlagPanel::FlagPanel(FlagPanelPrivate *d, QWidget *parent)
    : QFrame(parent, Qt::WindowFlags())
    , d(d ? d : new FlagPanelPrivate)
{
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);

    this->d->splitLine = new QFrame(this);
    this->d->splitLine->setFrameShape(QFrame::HLine);
    this->d->splitLine->setFrameShadow(QFrame::Plain);
    this->d->splitLine->setLineWidth(1);
    // splitLineColor starts invalid, so this always stores and applies the colour.
    setSplitLineColor(QColor(QStringLiteral("#FF7400")));

    this->d->flagLayout = new QGridLayout;
    this->d->mainLayout = new QGridLayout;
    this->d->mainLayout->setContentsMargins(3, 3, 3, 3);
    this->d->mainLayout->addWidget(this->d->splitLine, 1, 0);
    this->d->mainLayout->addLayout(this->d->flagLayout, 2, 0);
    setLayout(this->d->mainLayout);
}

FlagPanel::~FlagPanel()
{
    for (QWidget *flag : qAsConst(d->flags))
        delete flag;
    d->flags.clear();
    delete d->titleLabel;
    d->titleLabel = nullptr;
    // The flag grid is a child of the main grid and goes with it.
    delete d->mainLayout;
    d->mainLayout = nullptr;
    d->flagLayout = nullptr;
    delete d->splitLine;
    d->splitLine = nullptr;
    delete d;
    d = nullptr;
}

void FlagPanel::setTitle(const QString &title)
{
    if (!d->titleLabel) {
        d->titleLabel = new QLabel(title, this);
        d->titleLabel->setAlignment(Qt::AlignCenter);
        d->mainLayout->addWidget(d->titleLabel, 0, 0);
    }
    d->titleLabel->setText(title);
    d->titleChanged(this, title);
}

void FlagPanel::setSplitLineColor(const QColor &color)
{
    if (color == d->splitLineColor)
        return;
    d->splitLineColor = color;
    d->splitLine->setStyleSheet(QString::fromLatin1(kSplitLineStyle).arg(color.name()));
}

void FlagPanel::clearFlags()
{
    bool anyShown = false;
    for (QWidget *flag : qAsConst(d->flags)) {
        anyShown = anyShown || !isClearedFlag(flag);
        flag->hide();
    }
    if (anyShown)
        d->updateDescription(this);
}

int FlagPanel::flagCount() const
{
    return d->flags.size();
}

QSize FlagPanel::sizeHint() const
{
    return QSize(100, QFrame::sizeHint().height());
}

void FlagPanel::mouseReleaseEvent(QMouseEvent *event)
{
    Q_UNUSED(event)
    emit clicked();
}

// ---------------------------------------------------------------------------
// FlagPanelText

FlagPanelText::FlagPanelText(QWidget *parent)
    : FlagPanel(new FlagPanelPrivate, parent)
{
}

FlagPanelText::~FlagPanelText() = default;

void FlagPanelText::setFlag(const QVariant &value, int index)
{
    const QString text = value.toString();
    if (isExistingFlag(index, d->flags.size())) {
        auto *label = static_cast<QLabel *>(d->flags.at(index));
        const bool wasHidden = isClearedFlag(label);
        label->setText(text);
        label->show();
        d->flagSet(this, index, text, false, wasHidden);
        return;
    }
    auto *label = new QLabel(text, this);
    label->setAlignment(Qt::AlignCenter);
    d->flags.append(label);
    // Right of every flag already there. (An empty grid reports one column, so
    // the first flag lands in column 1; the empty column 0 takes no space.)
    d->flagLayout->addWidget(label, 0, d->flagLayout->columnCount());
    d->flagSet(this, d->flags.size() - 1, text, false, false);
}

// ---------------------------------------------------------------------------
// FlagPanelState

FlagPanelState::FlagPanelState(QWidget *parent)
    : FlagPanel(new FlagPanelStatePrivate, parent)
    , dState(dynamic_cast<FlagPanelStatePrivate *>(d))
{
    // darker() answers in HSV with 16-bit components; round the default to
    // 8-bit RGB so that it compares equal to QColor(0, 212, 0) as a host
    // would write it.
    dState->enableColor = QColor::fromRgba(QColor(QStringLiteral("#00FF00")).darker(120).rgba());
    dState->disableColor = QColor(QStringLiteral("#A9A9A9"));
}

FlagPanelState::~FlagPanelState()
{
    // The base deletes the record.
    dState = nullptr;
}

const QColor &FlagPanelState::enableColor() const
{
    return dState->enableColor;
}

void FlagPanelState::setEnableColor(const QColor &color)
{
    dState->enableColor = color;
}

const QColor &FlagPanelState::disableColor() const
{
    return dState->disableColor;
}

void FlagPanelState::setDisableColor(const QColor &color)
{
    dState->disableColor = color;
}

void FlagPanelState::setFlag(const QVariant &value, int index)
{
    const bool on = value.toBool();
    const QColor &color = on ? dState->enableColor : dState->disableColor;
    const QString style = QString::fromLatin1(kStateFlagStyle).arg(color.name());
    // The lamp's words follow its value, not its colour: a host that paints
    // "on" grey still gets "on" read out.
    const QString speech = on ? tr("on") : tr("off");
    if (isExistingFlag(index, d->flags.size())) {
        QWidget *flag = d->flags.at(index);
        const bool wasHidden = isClearedFlag(flag);
        flag->setStyleSheet(style);
        flag->show();
        d->flagSet(this, index, speech, true, wasHidden);
        return;
    }
    auto *flag = new QWidget(this);
    flag->setStyleSheet(style);
    d->flags.append(flag);
    d->flagLayout->addWidget(flag, 0, d->flagLayout->columnCount());
    d->flagSet(this, d->flags.size() - 1, speech, true, false);
}

} // namespace widget
} // namespace rilo
