// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

/*!
 * \file ccheckbox.h
 * An on/off selector in the form of a two-entry combo box.
 */
#pragma once

#include <widget/widget_config.h>

#include <QComboBox>

#include <memory>

namespace rilo {
namespace widget {

class CCheckboxPrivate;

/*!
 * \brief An on/off input shown as a drop-down list with two entries.
 *
 * Entry 0 stands for the checked state, entry 1 for the unchecked state; the
 * current index is 0 while checked and 1 while unchecked. Both texts can be
 * renamed (by default tr("ON") and tr("OFF")). While a text is still the
 * default, it follows a change of the application's language; once the host
 * renamed it, it keeps the host's text. toggled() follows every change
 * of the current index after construction, whether the user picked the other
 * entry, the host called setChecked() or changed the index through the
 * QComboBox interface. Any index other than 0, including -1 after the host
 * cleared the items, counts as unchecked.
 */
class RILO_WIDGET_EXPORT CCheckbox : public QComboBox
{
    Q_OBJECT

public:
    /*! Creates an unchecked selector showing "OFF". Construction emits nothing. */
    explicit CCheckbox(QWidget *parent = nullptr);
    /*! Destroys the selector. */
    ~CCheckbox() override;

    /*!
     * Checks (\a checked true) or unchecks the selector. Does nothing when the
     * state does not change; otherwise rewrites both entry texts, selects the
     * matching entry and emits toggled() once.
     */
    void setChecked(bool checked);
    /*! The current state. */
    bool isChecked() const;

    /*!
     * Renames the checked state (entry 0). Does nothing when \a text equals
     * the current text (case-sensitive); emits nothing, as the index stays.
     */
    void setCheckedText(const QString &text);
    /*! Text of the checked state. */
    QString checkedText() const;

    /*!
     * Renames the unchecked state (entry 1). Does nothing when \a text equals
     * the current text (case-sensitive); emits nothing, as the index stays.
     */
    void setUnCheckedText(const QString &text);
    /*! Text of the unchecked state. */
    QString unCheckedText() const;

protected:
    /*!
     * On QEvent::LanguageChange, sets the texts that are still the defaults in
     * the new language, without changing the state or emitting toggled(); then
     * passes the event on to QComboBox.
     */
    void changeEvent(QEvent *event) override;

signals:
    /*! Emitted once for every change of the current index, with the new state. */
    void toggled(bool checked);

private:
    Q_DISABLE_COPY(CCheckbox)
    const std::unique_ptr<CCheckboxPrivate> d;
};

} // namespace widget
} // namespace rilo
