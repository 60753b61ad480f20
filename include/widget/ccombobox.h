// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

/*!
 * \file ccombobox.h
 * A combo box that collects files dropped onto it.
 */
#pragma once

#include <widget/widget_config.h>

#include <QComboBox>
#include <QStringList>
#include <QVariant>

#include <memory>

namespace rilo {
namespace widget {

class CComboBoxPrivate;

/*!
 * \brief A combo box whose entries are file paths dropped onto it.
 *
 * The user drags files from the desktop or a file manager onto the box; their
 * local paths become entries at the top, in the order of the drag, and the
 * top entry is selected. A drag is accepted only when every file it carries
 * has one of suffixes() (compared case-insensitively; an empty list accepts
 * every drag that carries URLs). Entries are unique by exact, case-sensitive
 * text, and the box holds at most maxCount() entries, dropping the bottom
 * ones to make room.
 *
 * insertItem() and insertItems() apply these rules; QComboBox::addItem() and
 * QComboBox::addItems() do not. maxCount() and setMaxCount() are the box's own
 * bound and hide QComboBox's functions of the same name, whose value stays
 * independent.
 *
 * A drop and insertItems() look at the existing entries once, not once per
 * new text, so a drop of N files onto a box of M entries costs about what
 * N calls of QComboBox::insertItem() cost. The trimming before and after an
 * insertion removes at most as many entries as the box held, so it ends even
 * when a handler of the box's signals adds entries back.
 */
class RILO_WIDGET_EXPORT CComboBox : public QComboBox
{
    Q_OBJECT

public:
    /*! Creates an empty box that accepts drops, with a bound of 10 entries and no suffix filter. */
    explicit CComboBox(QWidget *parent = nullptr);
    /*! Destroys the box. */
    ~CComboBox() override;

    /*! Whether the box accepts drops; mirrors QWidget::acceptDrops(). */
    bool allowDrop() const;
    /*! Turns drops on or off. Does nothing when \a allow equals the current setting. */
    void setAllowDrop(bool allow);

    /*! The accepted file suffixes, without the dot; empty accepts every file. */
    QStringList suffixes() const;
    /*!
     * Replaces the accepted suffixes, written without the dot ("csv", not
     * ".csv": a leading dot never matches). Applies from the next drag that enters.
     */
    void setSuffixes(const QStringList &suffixes);

    /*! The most entries the insert operations leave in the box. */
    int maxCount() const;
    /*!
     * Sets the bound. Entries beyond it stay until the next insertion, which
     * trims the box from the bottom. A bound below 1 is stored as 1: the box
     * always keeps room for the newest entry.
     */
    void setMaxCount(int count);

    /*!
     * The local paths carried by the most recent drop, in the order of the
     * drag: also those that were already entries and those the bound removed
     * again. Empty until the first drop; insertItem() and insertItems() do not
     * change it.
     */
    QStringList urls() const;

    /*!
     * Inserts an entry with \a text and \a userData unless an entry with the
     * same text exists (which then keeps its place and data). First removes
     * entries from the bottom until there is room for one more under
     * maxCount(). The entry goes to position \a index clamped to the range
     * 0 ... count() - 1, so an index past the end puts it just above the last
     * entry, and only an empty box takes it at position 0.
     */
    void insertItem(int index, const QString &text, const QVariant &userData = QVariant());

    /*!
     * Inserts the texts of \a texts that are not entries yet at \a index, as
     * QComboBox::insertItems() does, then removes entries from the bottom
     * until at most maxCount() are left. Repeated texts within \a texts are
     * all inserted.
     */
    void insertItems(int index, const QStringList &texts);

signals:
    /*! A signal for hosts and subclasses; the box itself never emits it. */
    void mySignal();

protected:
    /*!
     * Accepts a drag that carries at least one URL when every URL's local file
     * has an accepted suffix (or no suffixes are set); ignores it otherwise.
     */
    void dragEnterEvent(QDragEnterEvent *event) override;
    /*!
     * Inserts the local paths of the dropped URLs at the top in drag order and
     * selects the top entry. A URL that is not a local file gives an empty
     * path, which becomes an empty entry like any other text.
     */
    void dropEvent(QDropEvent *event) override;

private:
    Q_DISABLE_COPY(CComboBox)
    const std::unique_ptr<CComboBoxPrivate> d;
};

} // namespace widget
} // namespace rilo
