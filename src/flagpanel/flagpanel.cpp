// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

#include <widget/flagpanel.h>

#include "flagpanel_p.h"
#include "util/accessibletext_p.h"

#include <QCoreApplication>
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

// Takes back the polish request that Qt posted when the panel made \a part,
// as long as the panel itself is not polished yet: the panel's own request,
// posted before, polishes its children with it, so the part's request could
// only find it polished already. Left behind, every request makes the part's
// destructor scan the application's whole event queue, which made taking
// down a panel of many flags grow with the square of its size.
void dropPolishRequest(const QWidget *panel, QWidget *part)
{
    if (!panel->testAttribute(Qt::WA_WState_Polished))
        QCoreApplication::removePostedEvents(part, QEvent::PolishRequest);
}

} // namespace

// ---------------------------------------------------------------------------
// FlagPanelPrivate: what the panel tells assistive technology

FlagPanelPrivate *FlagPanelPrivate::get(FlagPanel *panel)
{
    return panel->d.get();
}

void FlagPanelPrivate::titleChanged(QWidget *panel, const QString &title)
{
    if (title == ourName)
        return;
    ourName = title;
    if (panel->accessibleName().isEmpty())
        AccessibleText::notify(panel, QAccessible::NameChanged);
}

QWidget *FlagPanelPrivate::flag(int index) const
{
    return flags.value(index).data(); // value(): a null guard for an index outside the list
}

void FlagPanelPrivate::appendFlag(QWidget *panel, QWidget *flag)
{
    const int index = flags.size();
    flags.append(flag);
    // Right of every flag already there. (An empty grid reports one column, so
    // the first flag lands in column 1; the empty column 0 takes no space.)
    flagLayout->addWidget(flag, 0, flagLayout->columnCount());
    dropPolishRequest(panel, flag);
    // A flag on its way out no longer counts for assistive technology: its
    // entry goes before the widget's own destructor runs, so no accessible
    // interface is made for it any more. The panel is the context: once it is
    // gone, so is the connection. The panel deletes its flags before its record.
    QObject::connect(flag, &QObject::destroyed, panel, [this, index] {
        if (index < flags.size())
            flags[index] = nullptr;
    });
}

void FlagPanelPrivate::flagSet(QWidget *panel, int index, const QString &speech, bool nameFlag, bool wasHidden)
{
    QWidget *const target = flag(index);
    if (!target)
        return;
    while (flagSpeech.size() < flags.size())
        flagSpeech.append(QString());
    // Panels are updated several times a second with mostly the same values:
    // an unchanged flag that was visible already changes nothing for a
    // screen reader.
    if (speech == flagSpeech.at(index) && !wasHidden)
        return;
    const bool nameChanged = speech != flagSpeech.at(index);
    flagSpeech[index] = speech;
    if (nameFlag && nameChanged && target->accessibleName().isEmpty())
        AccessibleText::notify(target, QAccessible::NameChanged);
    updateDescription(panel);
}

void FlagPanelPrivate::updateDescription(QWidget *panel)
{
    if (panel->accessibleDescription().isEmpty())
        AccessibleText::notify(panel, QAccessible::DescriptionChanged);
}

QString FlagPanelPrivate::description() const
{
    QString text;
    for (int i = 0; i < flags.size(); ++i) {
        const QWidget *flag = flags.at(i).data();
        const QString speech = flagSpeech.value(i);
        // An empty text flag has nothing to say; leaving it out spares the
        // listener a bare comma. A flag the host deleted says nothing.
        if (!flag || isClearedFlag(flag) || speech.isEmpty())
            continue;
        if (!text.isEmpty())
            text.append(QLatin1String(", "));
        text.append(speech);
    }
    return text;
}

QAccessibleInterface *FlagPanelPrivate::accessibleInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String(FlagPanelText::staticMetaObject.className())
        || className == QLatin1String(FlagPanelState::staticMetaObject.className())
        || className == QLatin1String(FlagPanel::staticMetaObject.className())) {
        auto *panel = qobject_cast<FlagPanel *>(object);
        // A QFrame, which Qt presents as a border.
        return panel ? new AccessibleText(panel, QAccessible::Border, &panelText) : nullptr;
    }
    // A lamp is a plain QWidget: it is one of ours while a lamp panel lists it.
    if (className != QLatin1String(QWidget::staticMetaObject.className()) || !object->isWidgetType())
        return nullptr;
    auto *lamp = static_cast<QWidget *>(object);
    return lampIndex(lamp) >= 0 ? new AccessibleText(lamp, QAccessible::Client, &lampText) : nullptr;
}

int FlagPanelPrivate::lampIndex(QWidget *lamp)
{
    auto *panel = qobject_cast<FlagPanelState *>(lamp->parentWidget());
    const FlagPanelPrivate *d = panel ? FlagPanelPrivate::get(panel) : nullptr;
    for (int i = 0; d && i < d->flags.size(); ++i) {
        if (d->flags.at(i).data() == lamp)
            return i;
    }
    return -1;
}

QString FlagPanelPrivate::panelText(QWidget *widget, QAccessible::Text text)
{
    auto *panel = qobject_cast<FlagPanel *>(widget);
    const FlagPanelPrivate *d = panel ? FlagPanelPrivate::get(panel) : nullptr;
    if (!d)
        return QString();
    if (text == QAccessible::Name)
        return d->ourName;
    return text == QAccessible::Description ? d->description() : QString();
}

QString FlagPanelPrivate::lampText(QWidget *widget, QAccessible::Text text)
{
    const int index = text == QAccessible::Name ? lampIndex(widget) : -1;
    if (index < 0)
        return QString();
    return FlagPanelPrivate::get(static_cast<FlagPanel *>(widget->parentWidget()))->flagSpeech.value(index);
}

// ---------------------------------------------------------------------------
// FlagPanelPrivate: setting a flag

void FlagPanelPrivate::setFlag(QWidget *panel, int index, const QString &speech, bool nameFlag,
                               const std::function<QWidget *()> &create, const std::function<void(QWidget *)> &update)
{
    if (isExistingFlag(index, flags.size())) {
        QWidget *existing = flag(index);
        if (!existing)
            return; // deleted by the host; the index stays taken
        const bool wasHidden = isClearedFlag(existing);
        update(existing);
        existing->show();
        flagSet(panel, index, speech, nameFlag, wasHidden);
        return;
    }
    if (!flagLayout)
        return;
    appendFlag(panel, create());
    flagSet(panel, flags.size() - 1, speech, nameFlag, false);
}

// ---------------------------------------------------------------------------
// FlagPanel

FlagPanel::FlagPanel(FlagPanelPrivate *record, QWidget *parent)
    : QFrame(parent, Qt::WindowFlags())
    , d(record ? record : new FlagPanelPrivate)
{
    AccessibleText::install(&FlagPanelPrivate::accessibleInterface);
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);

    d->splitLine = new QFrame(this);
    dropPolishRequest(this, d->splitLine);
    d->splitLine->setFrameShape(QFrame::HLine);
    d->splitLine->setFrameShadow(QFrame::Plain);
    // splitLineColor starts invalid, so this always stores and applies the colour.
    setSplitLineColor(QColor(QStringLiteral("#FF7400")));

    d->flagLayout = new QGridLayout;
    d->mainLayout = new QGridLayout;
    d->mainLayout->setContentsMargins(3, 3, 3, 3);
    d->mainLayout->addWidget(d->splitLine, 1, 0);
    d->mainLayout->addLayout(d->flagLayout, 2, 0);
    setLayout(d->mainLayout);
}

FlagPanel::~FlagPanel()
{
    // Parts the host deleted already are skipped. The flag grid is a child of
    // the main grid and goes with it.
    for (const QPointer<QWidget> &flag : qAsConst(d->flags))
        delete flag.data();
    d->flags.clear();
    delete d->titleLabel.data();
    delete d->mainLayout.data();
    delete d->splitLine.data();
}

void FlagPanel::setTitle(const QString &title)
{
    // The label is made once, and only while the panel's layout can take it;
    // a label the host deleted is not made again.
    if (!d->titleLabel && !d->titleMade && d->mainLayout) {
        d->titleLabel = new QLabel(title, this);
        dropPolishRequest(this, d->titleLabel);
        d->titleLabel->setAlignment(Qt::AlignCenter);
        d->mainLayout->addWidget(d->titleLabel, 0, 0);
        d->titleMade = true;
    }
    if (QLabel *label = d->titleLabel.data())
        label->setText(title);
    d->titleChanged(this, title);
}

void FlagPanel::setSplitLineColor(const QColor &color)
{
    if (color == d->splitLineColor)
        return;
    d->splitLineColor = color;
    if (QFrame *line = d->splitLine.data())
        line->setStyleSheet(QString::fromLatin1(kSplitLineStyle).arg(color.name()));
}

void FlagPanel::clearFlags()
{
    // Hiding a flag reaches the host's event filters, which may delete other
    // flags or the panel: walk a copy of the guarded list and stop once the
    // panel is gone.
    const QPointer<FlagPanel> self(this);
    const QList<QPointer<QWidget>> flags = d->flags;
    bool anyShown = false;
    for (const QPointer<QWidget> &flag : flags) {
        if (!flag)
            continue;
        anyShown = anyShown || !isClearedFlag(flag);
        flag->hide();
        if (!self)
            return;
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
    d->setFlag(
        this, index, text, false,
        [this, &text] {
            auto *label = new QLabel(text, this);
            label->setAlignment(Qt::AlignCenter);
            return label;
        },
        [&text](QWidget *flag) { static_cast<QLabel *>(flag)->setText(text); });
}

// ---------------------------------------------------------------------------
// FlagPanelState

FlagPanelState::FlagPanelState(QWidget *parent)
    : FlagPanel(new FlagPanelStatePrivate, parent)
    , dState(dynamic_cast<FlagPanelStatePrivate *>(d.get()))
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
    d->setFlag(
        this, index, speech, true,
        [this, &style] {
            auto *flag = new QWidget(this);
            flag->setStyleSheet(style);
            return flag;
        },
        [&style](QWidget *flag) { flag->setStyleSheet(style); });
}

} // namespace widget
} // namespace rilo
