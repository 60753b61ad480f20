// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

/*!
 * \file checkbuttondialog.h
 * A dialog of checkable push buttons built from (text, value) pairs.
 */
#pragma once

#include <widget/widget_config.h>

#include <QDialog>
#include <QList>
#include <QString>
#include <QVariant>

#include <memory>
#include <tuple>
#include <utility>

class QPushButton;

namespace rilo {
namespace widget {

class CheckButtonDialogPrivate;

/*!
 * \brief A dialog that offers checkable push buttons in a grid and reports
 * every click at once.
 *
 * Each (text, value) pair becomes one checkable QPushButton of at least
 * 80 × 49 pixels showing the text; the value is stored on the button as its
 * dynamic property "UserData". The buttons are independent (any number
 * checked) until setExclusive(true). The dialog has no OK or Cancel button and
 * never closes by itself: the host reacts to buttonClicked() and closes it.
 *
 * Layout: with a column count greater than 0, button i goes to row
 * i / columns + 1 and column i % columns (row 0 stays empty); with a column
 * count of 0 all buttons stand in row 0. A negative column count is treated
 * like 0.
 *
 * The dialog owns its buttons; they are children of the dialog and are deleted
 * last to first when it is destroyed. A button the host deletes (found with
 * findChildren(), say) is gone for the dialog too: the setters pass its
 * entry over and set the entry's button to null when they meet it; deleting
 * the button group leaves setExclusive() without effect. The buttons get the group identifiers -2,
 * -3, ... in input order, as QButtonGroup assigns them, in constant time per
 * button, so a dialog of 10,000 buttons builds as fast as a grid of plain
 * push buttons.
 */
class RILO_WIDGET_EXPORT CheckButtonDialog : public QDialog
{
    Q_OBJECT

public:
    /*! One button's entry: its text, its value and the button itself (owned by the dialog). */
    using TParam = std::tuple<QString, QVariant, QPushButton *>;

    /*!
     * Builds the dialog as a child of \a parent with window \a flags, one
     * button per item of \a items, laid out in \a columns columns.
     */
    explicit CheckButtonDialog(const QList<std::pair<QString, QVariant>> &items, int columns = 0,
                               QWidget *parent = nullptr, const Qt::WindowFlags &flags = Qt::WindowFlags());
    /*!
     * Deletes the layout and the button group, then the buttons from the
     * last to the first (those the host left), so that no button is searched
     * for in them one by one.
     */
    ~CheckButtonDialog() override;

    /*!
     * Switches between independent buttons (\a exclusive false, the default)
     * and exclusive ones, of which at most one is checked.
     */
    void setExclusive(bool exclusive);

    /*!
     * Checks or unchecks the first button whose stored text equals \a text,
     * ignoring case, and gives it keyboard focus. Later buttons with the same
     * text are not touched; without a match nothing happens. Pass a QString
     * (QStringLiteral): a bare string literal would be ambiguous with the
     * QVariant overload.
     */
    void setChecked(const QString &text, bool checked);
    /*!
     * Checks or unchecks the first button whose value equals \a value
     * (QVariant equality) and gives it keyboard focus; without a match nothing
     * happens.
     */
    void setChecked(const QVariant &value, bool checked);
    /*!
     * Checks or unchecks every button in order; focus does not move. In
     * exclusive mode checking all leaves the last button checked, and the
     * checked button cannot be unchecked. A handler of a button's toggled()
     * may delete other buttons or the dialog: deleted buttons are skipped,
     * and the walk ends when the dialog is gone.
     */
    void setCheckedAll(bool checked);

    /*!
     * Creates one button configured as the dialog's buttons are (text
     * \a text, "UserData" \a data, checkable, minimum 80 × 49), without a
     * parent: the caller owns it.
     */
    static QPushButton *makeButton(const QString &text, const QVariant &data);

Q_SIGNALS:
    /*!
     * Emitted when a button is clicked, after the click has toggled it.
     * \a param is the dialog's own stored entry for that button, passed by
     * reference: a handler that changes the text changes what a later
     * setChecked(text, ...) matches. The type is not registered with the
     * meta-type system, so only direct connections receive this signal.
     */
    void buttonClicked(CheckButtonDialog::TParam &param);

private Q_SLOTS:
    void sltButtonClicked();

private:
    Q_DISABLE_COPY(CheckButtonDialog)
    const std::unique_ptr<CheckButtonDialogPrivate> d;
};

} // namespace widget
} // namespace rilo
