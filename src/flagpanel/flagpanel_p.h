// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Private records of the flag panels.
#pragma once

#include <QAccessible>
#include <QColor>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QList>
#include <QPointer>
#include <QStringList>

#include <functional>

namespace rilo {
namespace widget {

// Shared by every flag panel; subclasses extend it, so the destructor is
// virtual and the panel deletes the record through this base.
class FlagPanelPrivate
{
public:
    FlagPanelPrivate() = default;
    virtual ~FlagPanelPrivate() = default;

    // The record of \a panel (the member is protected; this class is a friend).
    static FlagPanelPrivate *get(FlagPanel *panel);

    // Every part is guarded: the host reaches them through findChild() or
    // layout() and may delete them; a part that is gone stays gone.
    QPointer<QLabel> titleLabel;      // created by the first setTitle()
    bool titleMade = false;           // the title label was made (and may be gone since)
    QList<QPointer<QWidget>> flags;   // creation order; a flag's index is its position
    QPointer<QFrame> splitLine;       // the line under the title
    QPointer<QGridLayout> mainLayout; // title, split line, flag row; installed on the panel
    QPointer<QGridLayout> flagLayout; // the flag row, a child layout of mainLayout
    QColor splitLineColor;            // invalid until the constructor sets it

    // Assistive technology. A lamp speaks only through its colour, so every
    // flag also has a text ("on", "off", or the label's own text) and the
    // panel's accessible description lists those of the visible flags. The
    // texts are put together when an assistive technology asks
    // (accessibleInterface()); nothing is stored on the widgets.
    QStringList flagSpeech; // what each flag says, by index
    QString ourName;        // the title: the panel's accessible name

    // The title changed: tells a listener, unless the host named the panel.
    void titleChanged(QWidget *panel, const QString &title);
    // Records what the flag at index now says after setFlag() set and showed
    // it, and tells a listener when that changes what the panel says.
    // nameFlag: the flag widget is a lamp, whose accessible name is that text
    // (labels speak their text already). wasHidden: the flag was hidden
    // before this call. A flag just appended needs nothing more, since the
    // description is put together when asked.
    void flagSet(QWidget *panel, int index, const QString &speech, bool nameFlag, bool wasHidden);
    // The flag at index, or null when there is none or the host deleted it.
    QWidget *flag(int index) const;
    // Puts a new flag at the right end of the flag row and the list, and
    // watches it so that a flag the host deletes leaves the list at once.
    // The caller checks first that the flag row still exists.
    void appendFlag(QWidget *panel, QWidget *flag);
    // What the visible flags say, joined with ", ".
    QString description() const;
    // Tells a listener that the description changed, unless the host has
    // given the panel a description of its own.
    void updateDescription(QWidget *panel);

    // The flag panels' accessible interfaces (see util/accessibletext_p.h):
    // the panels by their class names, and every plain QWidget that a lamp
    // panel lists as a lamp. Installed by every panel's constructor.
    static QAccessibleInterface *accessibleInterface(const QString &className, QObject *object);
    // The index of lamp in its lamp panel, -1 when it is none.
    static int lampIndex(QWidget *lamp);
    // A panel's name is its title, its description what the flags say.
    static QString panelText(QWidget *widget, QAccessible::Text text);
    // A lamp's name is "on" or "off", after its value.
    static QString lampText(QWidget *widget, QAccessible::Text text);
    // What FlagPanelText::setFlag() and FlagPanelState::setFlag() share. An
    // index within the row updates that flag with update() and shows it again
    // (a flag the host deleted stays gone, its index taken); any other index
    // appends a flag that create() makes as a child of panel, while the flag
    // row exists. speech and nameFlag are passed on to flagSet().
    void setFlag(QWidget *panel, int index, const QString &speech, bool nameFlag,
                 const std::function<QWidget *()> &create, const std::function<void(QWidget *)> &update);

private:
    Q_DISABLE_COPY(FlagPanelPrivate)
};

class FlagPanelStatePrivate : public FlagPanelPrivate
{
public:
    QColor enableColor;  // colour of a true flag
    QColor disableColor; // colour of a false flag
};

} // namespace widget
} // namespace rilo
