// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Private records of the flag panels.
#pragma once

#include <QColor>
#include <QList>
#include <QStringList>

class QFrame;
class QGridLayout;
class QLabel;
class QWidget;

namespace rilo {
namespace widget {

// Shared by every flag panel; subclasses extend it, so the destructor is
// virtual and the panel deletes the record through this base.
class FlagPanelPrivate
{
public:
    FlagPanelPrivate() = default;
    virtual ~FlagPanelPrivate() = default;

    QLabel *titleLabel = nullptr;    // created by the first setTitle()
    QList<QWidget *> flags;          // creation order; a flag's index is its position
    QFrame *splitLine = nullptr;     // the line under the title
    QGridLayout *mainLayout = nullptr; // title, split line, flag row; installed on the panel
    QGridLayout *flagLayout = nullptr; // the flag row, a child layout of mainLayout
    QColor splitLineColor;           // invalid until the constructor sets it

    // Assistive technology. A lamp speaks only through its colour, so every
    // flag also has a text ("on", "off", or the label's own text) and the
    // panel's accessible description lists those of the visible flags.
    QStringList flagSpeech;          // what each flag says, by index
    QString ourName;                 // the accessible name the panel gave itself last
    QString ourDescription;          // the accessible description it gave itself last

    // The panel's accessible name follows its title unless the host named it.
    void titleChanged(QWidget *panel, const QString &title);
    // Records what the flag at index now says after setFlag() set and showed
    // it. nameFlag: give the flag widget that text as its accessible name
    // (labels speak their text already). wasHidden: the flag was hidden
    // before this call. Updates the description only when what the visible
    // flags say has changed.
    void flagSet(QWidget *panel, int index, const QString &speech, bool nameFlag, bool wasHidden);
    // Rebuilds the panel's accessible description from the visible flags,
    // unless the host has given the panel a description of its own.
    void updateDescription(QWidget *panel);

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
