// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

/*!
 * \file flagpanel.h
 * Titled strips with a row of flags: texts or on/off lamps.
 */
#pragma once

#include <widget/widget_config.h>

#include <QColor>
#include <QFrame>
#include <QVariant>

#include <memory>

namespace rilo {
namespace widget {

class FlagPanelPrivate;
class FlagPanelStatePrivate;

/*!
 * \brief Abstract base of the flag panels: a framed strip with an optional
 * centred title, an orange split line and a row of flags.
 *
 * The panel is a sunken styled frame. Its grid holds the title in row 0 (only
 * after the first setTitle()), the split line in row 1 and the flag row in
 * row 2. Subclasses decide what a flag is and how setFlag() shows a value;
 * the base owns the frame, the title, the split line, the flags and the
 * clicked() signal.
 *
 * Flags are created by setFlag() one at a time, left to right, and are never
 * removed or re-indexed while the panel lives: flagCount() only grows.
 * clearFlags() hides the flags; setting a flag again shows it. The panel owns
 * its title label, split line and flags and deletes them, flags first, when
 * it is destroyed.
 *
 * For assistive technology the panel's accessible name follows its title
 * (from the first setTitle() on), and its accessible description lists what
 * its visible flags say, joined with ", ": the texts of a FlagPanelText
 * ("Remote, OVP"), "on" or "off" for the lamps of a FlagPanelState
 * ("on, off, on"). Hidden flags and empty texts are left out. Each flag is an
 * accessible child of its own with the same words as its name, so a screen
 * reader that walks the panel hears every flag. A name or description the
 * host has set with setAccessibleName() or setAccessibleDescription() wins;
 * an empty one hands the text back to the panel. These texts are put
 * together when an assistive technology asks for them, never stored on the
 * widgets: the first panel constructed installs the flag panels' accessible
 * interface factory (QAccessible::installFactory(), which keeps it once).
 * Changes are announced only while accessibility is active, and only when
 * what the visible flags say changes, so setting the same values again costs
 * nothing extra.
 *
 * The host can reach every part through findChild() or layout() and may
 * delete it; a part that is gone stays gone and the panel goes on without
 * it. setFlag() for the index of a deleted flag does nothing (the index
 * stays taken and flagCount() does not shrink); a deleted flag no longer
 * counts in the accessible description. After the title label is deleted,
 * setTitle() only renames the panel for assistive technology; after the
 * split line is deleted, setSplitLineColor() only stores the colour; once
 * the flag row (or the panel's layout, which holds it) is deleted, setFlag()
 * appends no flag any more and setTitle() makes no title label.
 */
class RILO_WIDGET_EXPORT FlagPanel : public QFrame
{
    Q_OBJECT

public:
    /*!
     * Deletes the flags in index order, the title, the layouts, the split
     * line and the private record, skipping parts the host deleted already.
     */
    ~FlagPanel() override;

    /*!
     * Shows \a title centred above the split line. The first call creates the
     * title label in row 0; later calls only change its text. An empty title
     * keeps an empty label (the row is never removed). The panel's accessible
     * name follows the title, unless the host has named the panel itself.
     */
    virtual void setTitle(const QString &title);

    /*!
     * Sets the split line's colour through its style sheet
     * ("border-style:none;background-color:\#rrggbb", alpha dropped). A colour
     * equal to the current one changes nothing. The default is \#ff7400.
     */
    void setSplitLineColor(const QColor &color);

    /*!
     * Shows \a value in the flag at \a index and shows that flag. An index
     * from 0 to flagCount() - 1 updates the existing flag. Any other index
     * (flagCount() or more, and also a negative one) appends a new flag at the
     * right end, whose index is the former flagCount() whatever \a index was.
     */
    virtual void setFlag(const QVariant &value, int index) = 0;

    /*!
     * Hides every flag. The flags keep their values and indices and
     * flagCount() stays; a later setFlag() for an index shows that flag again.
     * The accessible description then lists no flags until they are set again.
     */
    virtual void clearFlags();

    /*! The number of flags created so far. */
    int flagCount() const;

    /*! Width 100 however many flags the panel holds; the height of QFrame::sizeHint(). */
    QSize sizeHint() const override;

Q_SIGNALS:
    /*!
     * Emitted once whenever any mouse button is released over the panel,
     * its title or its flags.
     */
    void clicked();

protected:
    /*!
     * Builds the panel as a child of \a parent (which may be null) and takes
     * ownership of \a d, the private record of the concrete subclass. A null
     * \a d is replaced by a plain FlagPanelPrivate.
     */
    explicit FlagPanel(FlagPanelPrivate *d, QWidget *parent = nullptr);

    /*! Emits clicked() for the release of any button; the event does not go on to QFrame. */
    void mouseReleaseEvent(QMouseEvent *event) override;

    /*! The private record, shared with the subclasses; owned by the panel. */
    const std::unique_ptr<FlagPanelPrivate> d;

private:
    Q_DISABLE_COPY(FlagPanel)
    friend class FlagPanelPrivate;
};

/*!
 * \brief A flag panel whose flags are centred text labels.
 *
 * setFlag() shows QVariant::toString() of the value: numbers in their
 * default decimal form, a bool as "true" or "false", an invalid variant as an
 * empty text. A screen reader reads each flag's text, and the panel's
 * accessible description joins the visible, non-empty ones.
 */
class RILO_WIDGET_EXPORT FlagPanelText : public FlagPanel
{
    Q_OBJECT

public:
    /*! Creates an empty panel with no title and no flags. */
    explicit FlagPanelText(QWidget *parent = nullptr);
    ~FlagPanelText() override;

    /*!
     * Sets the text of the flag at \a index to \a value.toString() and shows
     * it; an index outside 0 to flagCount() - 1 (negative ones included)
     * appends a new text flag instead.
     */
    void setFlag(const QVariant &value, int index) override;

private:
    Q_DISABLE_COPY(FlagPanelText)
};

/*!
 * \brief A flag panel whose flags are coloured on/off patches (lamps).
 *
 * A flag shows the enable colour when its value converts to \c true
 * (QVariant::toBool()), otherwise the disable colour; an invalid value counts
 * as false. The defaults are RGB 0, 212, 0 (a green) and RGB 169, 169, 169 (a
 * grey). A lamp is a plain QWidget styled with
 * "border-width: 0px; border-radius: 2px;background-color:#rrggbb"; it has no
 * size of its own, so it takes the space the panel's flag row gives it.
 *
 * As a colour says nothing to a screen reader, each lamp's accessible name is
 * tr("on") or tr("off") after its value, whatever colours the host chose, and
 * the panel's accessible description lists them ("on, off, on").
 */
class RILO_WIDGET_EXPORT FlagPanelState : public FlagPanel
{
    Q_OBJECT

public:
    /*! Creates an empty panel with no title, no flags and the default colours. */
    explicit FlagPanelState(QWidget *parent = nullptr);
    ~FlagPanelState() override;

    /*! The colour of a flag whose value is true. */
    const QColor &enableColor() const;
    /*!
     * Replaces the colour of true flags. Flags already shown keep their colour
     * until their next setFlag().
     */
    void setEnableColor(const QColor &color);

    /*! The colour of a flag whose value is false. */
    const QColor &disableColor() const;
    /*!
     * Replaces the colour of false flags. Flags already shown keep their colour
     * until their next setFlag().
     */
    void setDisableColor(const QColor &color);

    /*!
     * Colours the flag at \a index by \a value.toBool() and shows it; an index
     * outside 0 to flagCount() - 1 (negative ones included) appends a new lamp
     * instead.
     */
    void setFlag(const QVariant &value, int index) override;

private:
    Q_DISABLE_COPY(FlagPanelState)
    FlagPanelStatePrivate *dState; // the same record as d, typed
};

} // namespace widget
} // namespace rilo
