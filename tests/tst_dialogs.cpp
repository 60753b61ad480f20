// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Tests of the check-button dialogs and the parameter dialogs.
#include "testsupport.h"

#include <widget/checkbuttondialog.h>
#include <widget/paramdialog.h>

#include <QtWidgets>

#include <limits>
#include <memory>

using namespace rilo::widget;

namespace {

// A dialog of `kind` ("pairs", "records", "choice" or "spin") with buttons from `items` ("text=value ...").
QDialog *makeDialog(const QString &kind, const QString &items, int columns)
{
    QList<std::pair<QString, QVariant>> pairs;
    QList<DialogButtonParam> records;
    for (const QString &item : items.split(' ', Qt::SkipEmptyParts)) {
        bool number = false;
        const int value = item.section('=', 1).toInt(&number);
        pairs.append({item.section('=', 0, 0), number ? QVariant(value) : QVariant(item.section('=', 1))});
        records.append({pairs.last().first, pairs.last().second});
    }
    return kind == "pairs"   ? new CheckButtonDialog(pairs, columns)
         : kind == "records" ? new CheckButtonDialog_(records, columns)
         : kind == "choice"  ? CheckButtonAndSpinBoxDialog::makeInstance(records, columns)
                             : static_cast<QDialog *>(new SpinBoxDialog);
}

// The dialog's check buttons in the order of the input list, or its other buttons (OK).
QList<QPushButton *> checkButtons(QDialog *dialog, bool checkable = true)
{
    QList<QPushButton *> result;
    for (QPushButton *button : dialog->findChildren<QPushButton *>())
        if (button->isCheckable() == checkable)
            result << button;
    return result;
}

QPushButton *okButton(QDialog *dialog)
{
    return checkButtons(dialog, false).value(0);
}

// The check states ("010"), "@" and the index of the focused check button ("-" for none), for a choice "=" and the
// checked value.
QString state(QDialog *dialog)
{
    QString result;
    const QList<QPushButton *> buttons = checkButtons(dialog);
    for (QPushButton *button : buttons)
        result += button->isChecked() ? '1' : '0';
    const int focus = buttons.indexOf(qobject_cast<QPushButton *>(dialog->focusWidget()));
    result += '@' + (focus < 0 ? QStringLiteral("-") : QString::number(focus));
    if (auto *choice = qobject_cast<CheckButtonAndSpinBoxDialog *>(dialog))
        result += '=' + choice->checked().toString();
    return result;
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { RILO_CHECK_NO_TOPLEVELS(); }

    // Button i in row i / columns + 1, column i % columns; all in row 0 for 0 or fewer columns. Each carries its value,
    // is at least 80 × 49, and is in the dialog's group (exclusive for the choice only).
    void buttonsFollowTheGridRule_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QString>("cells");
        for (const char *kind : {"pairs", "records", "choice"})
            for (const char *row : {"2|1,0 1,1 2,0 2,1 3,0", "0|0,0 0,1 0,2 0,3 0,4", "-2|0,0 0,1 0,2", "3|"})
                QTest::addRow("%s: %s", kind, row)
                    << kind << QString(row).section('|', 0, 0).toInt() << QString(row).section('|', 1);
    }
    void buttonsFollowTheGridRule()
    {
        QFETCH(QString, kind);
        QFETCH(QString, cells);
        const int count = cells.split(' ', Qt::SkipEmptyParts).size();
        QFETCH(int, columns);
        QStringList items, at;
        for (int i = 0; i < count; ++i)
            items << QStringLiteral("B%1=%2").arg(i).arg(i * 10);
        const std::unique_ptr<QDialog> dialog(makeDialog(kind, items.join(' '), columns));
        auto *grid = qobject_cast<QGridLayout *>(dialog->layout());
        const QList<QPushButton *> buttons = checkButtons(dialog.get());
        for (int i = 0; i < buttons.size(); ++i) {
            const QVector<int> cell = rilotest::positionOf(grid, buttons[i]);
            at << QStringLiteral("%1,%2").arg(cell.value(0)).arg(cell.value(1));
            QCOMPARE(buttons[i]->text() + '=' + buttons[i]->property("UserData").toString(), items[i]);
            QVERIFY(buttons[i]->minimumSize() == QSize(80, 49) && buttons[i]->group() == buttons[0]->group());
            QCOMPARE(buttons[i]->group()->exclusive(), kind == "choice");
        }
        QCOMPARE(at.join(' '), cells);
        QCOMPARE(grid->count(), count + (kind == "choice" ? 2 : 0)); // the buttons (and value row and OK)
        for (auto make : {&CheckButtonDialog::makeButton, &CheckButtonDialog_::makeButton,
                          &CheckButtonAndSpinBoxDialog::makeButton}) {
            const std::unique_ptr<QPushButton> button(make(QStringLiteral("Range"), 3.5));
            QVERIFY(!button->parent() && button->isCheckable() && button->minimumSize() == QSize(80, 49));
            QCOMPARE(button->text() + button->property("UserData").toString(), QStringLiteral("Range3.5"));
        }
    }

    // Calls: "t:TEXT" / "t:TEXT-" check / uncheck by text, "v:V" / "v:V-" by value, "all" / "none" (setCheckedAll),
    // "excl" (setExclusive(true)), "c:N" a click on button N, "stray" (see there), "rename" (a click handler renames
    // the entry to Renamed=99). The state after each call (see state()), a click signal as "!" and the button's text
    // (with "+" if already checked).
    void checkingByTextValueAndClick_data()
    {
        QTest::addColumn<QStringList>("row"); // kind|items|calls|states
        for (const char *row :
             {"pairs|Cancel=0 OK=1|t:ok t:CANCEL t:Ok- t:nothing|01@1 11@0 10@1 10@1",
              "pairs|a=7 b=7 A=8|v:7 t:A- v:8 v:7.0 v:none|100@0 000@0 001@2 101@0 101@0",
              "pairs|B0=0 B1=10 B2=20|all none|111@- 000@-", "pairs|B0=0 B1=10 B2=20|excl all none|000@- 001@- 001@-",
              "pairs||t:x v:1 all excl|@- @- @- @-",
              "pairs|CH1=1 CH2=two|c:1 c:0 c:1 stray|!CH2+ 01@1 !CH1+ 11@0 !CH2 10@1 10@1",
              "pairs|B0=0 B1=10 B2=20|excl c:0 c:2 c:2|000@- !B0+ 100@0 !B2+ 001@2 !B2+ 001@2",
              "pairs|Volt=1 Amp=2|rename c:1 none t:amp t:renamed v:99-|00@- !Amp+ 01@1 00@1 00@1 01@1 00@1",
              "records|OK=1 Off=2 x=2|t:ok t:OK v:2 v:3 c:2|000@- 100@0 110@1 110@1 !x 111@2",
              "choice|Low=1 High=2 Auto=3|v:1 t:High t:auto c:0|100@0=1 010@1=2 010@1=2 100@0=1"})
            QTest::newRow(row) << QString(row).split('|');
    }
    void checkingByTextValueAndClick()
    {
        QFETCH(QStringList, row);
        const std::unique_ptr<QDialog> dialog(makeDialog(row[0], row[1], 0));
        dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        if (QWidget *focus = dialog->focusWidget())
            focus->clearFocus();
        auto *pairs = qobject_cast<CheckButtonDialog *>(dialog.get());
        auto *records = qobject_cast<CheckButtonDialog_ *>(dialog.get());
        auto *choice = qobject_cast<CheckButtonAndSpinBoxDialog *>(dialog.get());
        QStringList states;
        if (pairs)
            connect(pairs, &CheckButtonDialog::buttonClicked, this, [&states](CheckButtonDialog::TParam &p) {
                states << '!' + std::get<0>(p) + (std::get<2>(p)->isChecked() ? "+" : "");
            });
        if (records)
            connect(records, &CheckButtonDialog_::buttonClicked, this,
                    [&states](QObject *b) { states << '!' + b->property("text").toString(); });
        for (const QString &call : row[2].split(' ')) {
            const QString arg = call.mid(2).remove(QRegularExpression("-$"));
            const QVariant value = arg.contains('.') ? QVariant(arg.toDouble())
                                 : arg == "none"     ? QVariant(arg)
                                                     : QVariant(arg.toInt());
            const bool check = !call.endsWith('-');
            if (call == "all" || call == "none")
                pairs->setCheckedAll(call == "all");
            else if (call == "excl")
                pairs->setExclusive(true);
            else if (call == "rename")
                connect(pairs, &CheckButtonDialog::buttonClicked, this, [](CheckButtonDialog::TParam &p) {
                    std::get<0>(p) = QStringLiteral("Renamed"), std::get<1>(p) = 99;
                });
            else if (call == "stray") { // a button of the host's, wired to the click slot, is no entry
                QPushButton stray;
                connect(&stray, SIGNAL(clicked()), pairs, SLOT(sltButtonClicked()));
                stray.click();
            } else if (call.startsWith("c:"))
                QTest::mouseClick(checkButtons(dialog.get()).at(arg.toInt()), Qt::LeftButton);
            else if (call.startsWith("t:"))
                pairs ? pairs->setChecked(arg, check) : records ? records->setCheck(arg) : choice->setCheck(arg);
            else
                pairs ? pairs->setChecked(value, check) : records ? records->setCheck(value) : choice->setCheck(value);
            states << state(dialog.get());
        }
        QCOMPARE(states.join(' '), row[3]);
        QVERIFY(dialog->isVisible()); // the dialog never closes by itself
    }

    // A value set on a spin box dialog (default range 0 to 99.99, two decimals) or on a choice with the range 0 to 30;
    // NaN is ignored.
    void valuesAreClamped_data()
    {
        QTest::addColumn<QString>("row"); // input, the spin box dialog's value, the choice's
        for (const char *row : {"12.5 12.5 12.5", "150 99.99 30", "-5 0 0", "12.345678 12.35 12.35", "inf 99.99 30",
                                "-inf 0 0", "nan 7.5 7.5"})
            QTest::newRow(row) << QString(row);
    }
    void valuesAreClamped()
    {
        QFETCH(QString, row);
        const double input = row.section(' ', 0, 0).toDouble();
        SpinBoxDialog spin;
        const std::unique_ptr<CheckButtonAndSpinBoxDialog> choice(CheckButtonAndSpinBoxDialog::makeInstance({}, 0));
        choice->setValueRange(0, 30);
        choice->setValueRange(std::numeric_limits<double>::quiet_NaN(), 1); // ignored
        spin.setValue(7.5), choice->setValue(7.5), spin.setValue(input), choice->setValue(input);
        QCOMPARE(QStringLiteral("%1 %2 %3").arg(row.section(' ', 0, 0)).arg(spin.value()).arg(choice->value()), row);
    }

    // A language change keeps the suffix (the translations are tested with the catalogs); where the label, spin box,
    // suffix and OK stand, without a help button; the host's window flags are kept; a modal run.
    void spinBoxDialogsTranslateLayOutAndRun()
    {
        SpinBoxDialog spin;
        const std::unique_ptr<CheckButtonAndSpinBoxDialog> choice(
            CheckButtonAndSpinBoxDialog::makeInstance({{"A", 1}, {"B", 2}, {"C", 3}, {"D", 4}}, 2));
        choice->setSuffix(QStringLiteral("V"));
        QEvent languageChange(QEvent::LanguageChange);
        QApplication::sendEvent(&spin, &languageChange);
        QApplication::sendEvent(choice.get(), &languageChange);
        for (QDialog *dialog : {static_cast<QDialog *>(&spin), static_cast<QDialog *>(choice.get())}) {
            auto *outer = static_cast<QGridLayout *>(dialog->layout());
            QLayout *row = outer->itemAt(outer->count() - 2)->layout();
            QStringList seen;
            for (int i = 0; i < row->count(); ++i)
                seen << row->itemAt(i)->widget()->metaObject()->className()
                            + QString::number(
                                rilotest::positionOf(static_cast<QGridLayout *>(row), row->itemAt(i)).value(1));
            QVERIFY(!dialog->windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
            QCOMPARE(outer->itemAt(outer->indexOf(okButton(dialog)))->alignment(), Qt::AlignRight | Qt::AlignVCenter);
            seen << QString::number(rilotest::positionOf(outer, okButton(dialog)).value(0)) << okButton(dialog)->text();
            QCOMPARE(seen.join(' '), dialog == &spin ? "QLabel0 QDoubleSpinBox1 1 OK" : "QDoubleSpinBox0 QLabel1 6 OK");
            QEvent fontChange(QEvent::FontChange); // the base class lays the dialog out again
            outer->activate();
            QApplication::sendEvent(dialog, &fontChange);
            QVERIFY(outer->activate());
        }
        QCOMPARE(choice->findChild<QLabel *>()->text() + spin.findChild<QLabel *>()->text(), QStringLiteral("VValue"));
        QCOMPARE(spin.findChild<QLabel *>()->buddy(), spin.findChild<QDoubleSpinBox *>()); // its mnemonic's target
        QCOMPARE(static_cast<QGridLayout *>(choice->layout())->horizontalSpacing(), 18);
        const CheckButtonDialog_ flagged({{"a", 1}}, 0, nullptr, Qt::Tool | Qt::WindowStaysOnTopHint);
        QVERIFY(flagged.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        // OK accepts with the value the user typed; closing the window rejects.
        for (QDialog *dialog :
             {static_cast<QDialog *>(&spin), static_cast<QDialog *>(choice.get()), static_cast<QDialog *>(&spin)}) {
            const bool close = dialog == &spin && spin.value() > 0;
            QTimer::singleShot(0, dialog, [dialog, close] {
                if (close)
                    return void(QApplication::activeModalWidget()->close());
                if (!checkButtons(dialog).isEmpty())
                    QTest::mouseClick(checkButtons(dialog).at(1), Qt::LeftButton);
                dialog->findChild<QDoubleSpinBox *>()->selectAll();
                QTest::keyClicks(dialog->findChild<QDoubleSpinBox *>(), QStringLiteral("24.5"));
                QTest::mouseClick(okButton(dialog), Qt::LeftButton);
            });
            QCOMPARE(dialog->exec(), close ? int(QDialog::Rejected) : int(QDialog::Accepted));
        }
        QCOMPARE(choice->checked().toInt() + spin.value() + choice->value(), 2 + 24.5 + 24.5);
    }

    // A host deletes a part, or from a handler another button or the dialog; then every public call runs. What is left,
    // or "deleted".
    void partsTheHostDeletesAreSkipped_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("attack");
        QTest::addColumn<QString>("left");
        for (const char *row :
             {"pairs||100@0", "pairs|QPushButton|10@0", "pairs|toggled 0 2|10@0", "pairs|click|deleted",
              "pairs|QButtonGroup|100@0", "pairs|QGridLayout|100@0", "records||111@0", "records|QPushButton|11@0",
              "records|click|deleted", "choice||001@2=20 7.5", "choice|QPushButton|01@1=10 7.5",
              "choice|QDoubleSpinBox|001@2=20 0", "choice|QLabel|001@2=20 7.5", "choice|OK|001@2=20 7.5",
              "choice|toggled 1 0|01@1=20 7.5", "spin||5", "spin|QDoubleSpinBox|0", "spin|QLabel|5", "spin|OK|5"})
            QTest::newRow(row) << QString(row).section('|', 0, 0) << QString(row).section('|', 1, 1)
                               << QString(row).section('|', 2);
    }
    void partsTheHostDeletesAreSkipped()
    {
        QFETCH(QString, kind);
        QFETCH(QString, attack);
        QPointer<QDialog> dialog = makeDialog(kind, QStringLiteral("B0=0 B1=10 B2=20"), 3);
        const QList<QPushButton *> buttons = checkButtons(dialog);
        if (attack == "click") {
            auto deleteDialog = [&dialog] { delete dialog.data(); };
            kind == "pairs" ? void(connect(static_cast<CheckButtonDialog *>(dialog.data()),
                                           &CheckButtonDialog::buttonClicked, deleteDialog))
                            : void(connect(static_cast<CheckButtonDialog_ *>(dialog.data()),
                                           &CheckButtonDialog_::buttonClicked, deleteDialog));
            buttons[1]->click();
        } else if (attack.startsWith("toggled")) {
            QPointer<QPushButton> victim = buttons[attack.section(' ', 2).toInt()];
            connect(buttons[attack.section(' ', 1, 1).toInt()], &QPushButton::toggled,
                    [victim] { delete victim.data(); });
        } else if (!attack.isEmpty()) {
            QObject *part = attack == "OK"          ? okButton(dialog)
                          : attack == "QPushButton" ? buttons[kind == "choice" ? 2 : 1]
                                                    : nullptr;
            for (QObject *child : dialog->children())
                if (!part && child->metaObject()->className() == attack)
                    part = child;
            delete part;
        }
        // Every public call of the kind, then a language change.
        if (auto *d = qobject_cast<CheckButtonDialog *>(dialog)) {
            d->setExclusive(false), d->setChecked(QStringLiteral("b1"), true), d->setChecked(QVariant(20), true);
            d->setCheckedAll(true), d->setCheckedAll(false), d->setChecked(QStringLiteral("b0"), true);
        }
        if (auto *d = qobject_cast<CheckButtonDialog_ *>(dialog))
            d->setCheck(QStringLiteral("B1")), d->setCheck(QVariant(20)), d->setCheck(QStringLiteral("B0"));
        if (auto *d = qobject_cast<CheckButtonAndSpinBoxDialog *>(dialog))
            d->setCheck(QStringLiteral("B1")), d->setCheck(QVariant(20)), d->setValueRange(0, 50), d->setValue(7.5),
                d->setSuffix(QStringLiteral("V"));
        if (auto *d = qobject_cast<SpinBoxDialog *>(dialog))
            d->setValue(5);
        QEvent languageChange(QEvent::LanguageChange);
        if (dialog)
            QApplication::sendEvent(dialog, &languageChange);
        QString left = dialog ? state(dialog) : QStringLiteral("deleted");
        if (auto *spin = qobject_cast<SpinBoxDialog *>(dialog))
            left = QString::number(spin->value());
        if (auto *choice = qobject_cast<CheckButtonAndSpinBoxDialog *>(dialog))
            left += ' ' + QString::number(choice->value());
        QTEST(left, "left");
        delete dialog.data();
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
