// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Private records of the flag panels.
#pragma once

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

    // Every part is guarded: the host reaches them through findChild() or
    // layout() and may delete them; a part that is gone stays gone.
    QPointer<QLabel> titleLabel;     // created by the first setTitle()
    bool titleMade = false;          // the title label was made (and may be gone since)
    QList<QPointer<QWidget>> flags;  // creation order; a flag's index is its position
    QPointer<QFrame> splitLine;      // the line under the title
    QPointer<QGridLayout> mainLayout; // title, split line, flag row; installed on the panel
    QPointer<QGridLayout> flagLayout; // the flag row, a child layout of mainLayout
    QColor splitLineColor;           // invalid until the constructor sets it

    // Assistive technology. A lamp speaks only through its colour, so every
    // flag also has a text ("on", "off", or the label's own text) and the
    // panel's accessible description lists those of the visible flags.
    QStringList flagSpeech;          // what each flag says, by index
    QString ourName;                 // the accessible name the panel gave itself last
    QString ourDescription;          // the accessible description it gave itself last
    // Set when the host deletes a flag: ourDescription may still list it, so
    // the next change rebuilds the description instead of extending it.
    bool descriptionStale = false;

    // The panel's accessible name follows its title unless the host named it.
    void titleChanged(QWidget *panel, const QString &title);
    // Records what the flag at index now says after setFlag() set and showed
    // it. nameFlag: give the flag widget that text as its accessible name
    // (labels speak their text already). wasHidden: the flag was hidden
    // before this call. Updates the description only when what the visible
    // flags say has changed.
    // appended: the flag was created by this call, at the right end. An
    // appended flag extends the description (constant time, so that building
    // a long panel stays linear) instead of rebuilding it.
    void flagSet(QWidget *panel, int index, const QString &speech, bool nameFlag, bool wasHidden,
                 bool appended = false);
    // The flag at index, or null when there is none or the host deleted it.
    QWidget *flag(int index) const;
    // Puts a new flag at the right end of the flag row and the list, and
    // watches it so that a deletion by the host marks the description stale.
    // The caller checks first that the flag row still exists.
    void appendFlag(QWidget *panel, QWidget *flag);
    // Adds the words of an appended flag at the end of our description, in
    // amortised constant time.
    void appendToDescription(QWidget *panel, const QString &speech);
    // Rebuilds the panel's accessible description from the visible flags,
    // unless the host has given the panel a description of its own.
    void updateDescription(QWidget *panel);

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
