// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Tests of the check-button dialog and the parameter dialogs: grid placement,
// button set-up, checking by text and value, real clicks and modal runs.
#include "testsupport.h"

#include <widget/checkbuttondialog.h>
#include <widget/paramdialog.h>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QMetaMethod>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QTranslator>

#include <memory>

using rilo::widget::CheckButtonAndSpinBoxDialog;
using rilo::widget::CheckButtonDialog;
using rilo::widget::CheckButtonDialog_;
using rilo::widget::DialogButtonParam;
using rilo::widget::SpinBoxDialog;

using rilotest::positionOf;

namespace {

using Items = QList<std::pair<QString, QVariant>>;

Items items(int count)
{
    Items result;
    for (int i = 0; i < count; ++i)
        result.append({QStringLiteral("B%1").arg(i), i * 10});
    return result;
}

QList<DialogButtonParam> records(int count)
{
    QList<DialogButtonParam> result;
    for (int i = 0; i < count; ++i)
        result.append({QStringLiteral("B%1").arg(i), i * 10});
    return result;
}

// The dialog's check buttons, in creation order (the order of the input list).
QList<QPushButton *> checkButtons(QDialog *dialog)
{
    QList<QPushButton *> result;
    for (QPushButton *button : dialog->findChildren<QPushButton *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (button->isCheckable())
            result.append(button);
    }
    return result;
}

QPushButton *okButton(QDialog *dialog)
{
    for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
        if (!button->isCheckable() && button->text() == QLatin1String("OK"))
            return button;
    }
    return nullptr;
}

QList<bool> checkStates(const QList<QPushButton *> &buttons)
{
    QList<bool> result;
    for (QPushButton *button : buttons)
        result.append(button->isChecked());
    return result;
}

// Answers every translation request of the given contexts with the source
// text in brackets, so that a test sees which context a text went through.
class BracketTranslator : public QTranslator
{
public:
    explicit BracketTranslator(const QStringList &contexts)
        : m_contexts(contexts)
    {
    }
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (!m_contexts.contains(QLatin1String(context)))
            return QString();
        return QLatin1Char('[') + QLatin1String(sourceText) + QLatin1Char(']');
    }

private:
    QStringList m_contexts;
};

enum Kind { kCheckButtonDialog, kRecordDialog, kSpinChoiceDialog };

std::unique_ptr<QDialog> makeDialog(Kind kind, int count, int columns)
{
    switch (kind) {
    case kCheckButtonDialog:
        return std::make_unique<CheckButtonDialog>(items(count), columns);
    case kRecordDialog:
        return std::make_unique<CheckButtonDialog_>(records(count), columns);
    case kSpinChoiceDialog:
        return std::unique_ptr<QDialog>(CheckButtonAndSpinBoxDialog::makeInstance(records(count), columns));
    }
    return nullptr;
}

} // namespace

Q_DECLARE_METATYPE(Kind)

class TestDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { rilotest::useTestFont(); }
    void cleanup() { RILO_CHECK_NO_TOPLEVELS(); }

    void buttonsFollowTheGridRule_data();
    void buttonsFollowTheGridRule();
    void buttonsCarryTheirValueAndMinimumSize_data();
    void buttonsCarryTheirValueAndMinimumSize();
    void madeButtonHasNoParent();

    void buttonClickedSignatureNamesTheTupleReference();
    void setCheckedByTextIgnoresCaseAndFocuses();
    void setCheckedTakesTheFirstMatch();
    void setCheckedAllDependsOnExclusivity_data();
    void setCheckedAllDependsOnExclusivity();
    void emptyDialogIgnoresEveryCheck();
    void clickPassesTheStoredEntry();
    void exclusiveClicksLeaveOneChecked();
    void handlerCanRenameTheEntry();
    void destructorDeletesTheButtons();

    void recordDialogSignalsTheClickedButton();
    void recordDialogMatchesTextWithCase();
    void recordDialogKeepsTheWindowFlags();

    void spinBoxDialogClampsToTheDefaultRange_data();
    void spinBoxDialogClampsToTheDefaultRange();
    void spinBoxDialogHasNoContextHelpAndIsLaidOut();
    void spinBoxDialogOkEndsExecAccepted();
    void textsGoThroughTheClassContext();

    void spinChoiceRowsCountFromTheRecords_data();
    void spinChoiceRowsCountFromTheRecords();
    void spinChoiceIsExclusive();
    void spinChoiceSuffixStandsRightOfTheSpinBox();
    void spinChoiceRunsModally();
    void emptySpinChoiceDialogIgnoresSpinBoxCalls();
};

// ---------------------------------------------------------------------------
// Shared button and grid rules

void TestDialogs::buttonsFollowTheGridRule_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QVector<int>>("rows");
    QTest::addColumn<QVector<int>>("cols");

    const struct
    {
        Kind kind;
        const char *name;
    } kinds[] = {{kCheckButtonDialog, "pairs"}, {kRecordDialog, "records"}, {kSpinChoiceDialog, "choice"}};
    for (const auto &k : kinds) {
        const QByteArray n(k.name);
        QTest::newRow(QByteArray(n + ": 5 in 2 columns").constData()) << k.kind << 5 << 2 << QVector<int>{1, 1, 2, 2, 3}
                                              << QVector<int>{0, 1, 0, 1, 0};
        QTest::newRow(QByteArray(n + ": 5 in one row").constData()) << k.kind << 5 << 0 << QVector<int>{0, 0, 0, 0, 0}
                                            << QVector<int>{0, 1, 2, 3, 4};
        QTest::newRow(QByteArray(n + ": 3 in 3 columns").constData()) << k.kind << 3 << 3 << QVector<int>{1, 1, 1} << QVector<int>{0, 1, 2};
        QTest::newRow(QByteArray(n + ": negative columns as 0").constData()) << k.kind << 3 << -2 << QVector<int>{0, 0, 0}
                                                     << QVector<int>{0, 1, 2};
        QTest::newRow(QByteArray(n + ": none").constData()) << k.kind << 0 << 3 << QVector<int>{} << QVector<int>{};
    }
}

void TestDialogs::buttonsFollowTheGridRule()
{
    QFETCH(Kind, kind);
    QFETCH(int, count);
    QFETCH(int, columns);
    QFETCH(QVector<int>, rows);
    QFETCH(QVector<int>, cols);

    std::unique_ptr<QDialog> dialog = makeDialog(kind, count, columns);
    auto *grid = qobject_cast<QGridLayout *>(dialog->layout());
    QVERIFY(grid);
    const QList<QPushButton *> buttons = checkButtons(dialog.get());
    QCOMPARE(buttons.size(), count);
    for (int i = 0; i < count; ++i) {
        QCOMPARE(buttons.at(i)->text(), QStringLiteral("B%1").arg(i));
        QCOMPARE(positionOf(grid, buttons.at(i)), (QVector<int>{rows.at(i), cols.at(i), 1, 1}));
        QCOMPARE(int(grid->itemAt(grid->indexOf(buttons.at(i)))->alignment()), 0);
    }
    if (kind != kSpinChoiceDialog)
        QCOMPARE(grid->count(), count); // the grid holds only the buttons
}

void TestDialogs::buttonsCarryTheirValueAndMinimumSize_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<bool>("exclusive");
    QTest::newRow("pairs") << kCheckButtonDialog << false;
    QTest::newRow("records") << kRecordDialog << false;
    QTest::newRow("choice") << kSpinChoiceDialog << true;
}

void TestDialogs::buttonsCarryTheirValueAndMinimumSize()
{
    QFETCH(Kind, kind);
    QFETCH(bool, exclusive);

    std::unique_ptr<QDialog> dialog = makeDialog(kind, 3, 2);
    const QList<QPushButton *> buttons = checkButtons(dialog.get());
    QCOMPARE(buttons.size(), 3);
    for (int i = 0; i < buttons.size(); ++i) {
        QPushButton *button = buttons.at(i);
        QCOMPARE(button->property("UserData"), QVariant(i * 10));
        QCOMPARE(button->minimumSize(), QSize(80, 49));
        QCOMPARE(button->parentWidget(), dialog.get());
        QVERIFY(!button->isChecked());
        QVERIFY(button->group());
        QCOMPARE(button->group()->parent(), dialog.get());
        QCOMPARE(button->group()->exclusive(), exclusive);
        QCOMPARE(button->group(), buttons.first()->group());
    }
}

void TestDialogs::madeButtonHasNoParent()
{
    using Maker = QPushButton *(*)(const QString &, const QVariant &);
    for (Maker make : {Maker(&CheckButtonDialog::makeButton), Maker(&CheckButtonDialog_::makeButton),
                       Maker(&CheckButtonAndSpinBoxDialog::makeButton)}) {
        std::unique_ptr<QPushButton> button(make(QStringLiteral("Range"), 3.5));
        QVERIFY(!button->parent());
        QVERIFY(button->isCheckable());
        QCOMPARE(button->text(), QStringLiteral("Range"));
        QCOMPARE(button->property("UserData"), QVariant(3.5));
        QCOMPARE(button->minimumSize(), QSize(80, 49));
    }
}

// ---------------------------------------------------------------------------
// CheckButtonDialog

void TestDialogs::buttonClickedSignatureNamesTheTupleReference()
{
    const QMetaObject &meta = CheckButtonDialog::staticMetaObject;
    QCOMPARE(meta.className(), "rilo::widget::CheckButtonDialog");
    const int index = meta.indexOfSignal("buttonClicked(CheckButtonDialog::TParam&)");
    QVERIFY(index >= 0);
    const QMetaMethod signal = meta.method(index);
    QCOMPARE(signal.parameterTypes(), QList<QByteArray>{"CheckButtonDialog::TParam&"});
    QCOMPARE(signal.parameterType(0), int(QMetaType::UnknownType));
    QVERIFY(meta.indexOfSlot("sltButtonClicked()") >= 0);
    QCOMPARE(meta.method(meta.indexOfSlot("sltButtonClicked()")).access(), QMetaMethod::Private);
}

void TestDialogs::setCheckedByTextIgnoresCaseAndFocuses()
{
    CheckButtonDialog dialog({{QStringLiteral("Cancel"), 0}, {QStringLiteral("OK"), 1}}, 2);
    const QList<QPushButton *> buttons = checkButtons(&dialog);

    dialog.setChecked(QStringLiteral("ok"), true);
    QCOMPARE(checkStates(buttons), (QList<bool>{false, true}));
    QCOMPARE(dialog.focusWidget(), buttons.at(1));

    dialog.setChecked(QStringLiteral("CANCEL"), true);
    QCOMPARE(checkStates(buttons), (QList<bool>{true, true}));
    QCOMPARE(dialog.focusWidget(), buttons.at(0));

    dialog.setChecked(QStringLiteral("Ok"), false);
    QCOMPARE(checkStates(buttons), (QList<bool>{true, false}));
    QCOMPARE(dialog.focusWidget(), buttons.at(1));

    dialog.setChecked(QStringLiteral("nothing"), true);
    QCOMPARE(checkStates(buttons), (QList<bool>{true, false}));
    QCOMPARE(dialog.focusWidget(), buttons.at(1));
}

void TestDialogs::setCheckedTakesTheFirstMatch()
{
    CheckButtonDialog dialog({{QStringLiteral("a"), 7}, {QStringLiteral("b"), 7}, {QStringLiteral("A"), 8}}, 0);
    const QList<QPushButton *> buttons = checkButtons(&dialog);

    dialog.setChecked(QVariant(7), true);
    QCOMPARE(checkStates(buttons), (QList<bool>{true, false, false}));
    dialog.setChecked(QStringLiteral("A"), false);
    QCOMPARE(checkStates(buttons), (QList<bool>{false, false, false}));
    dialog.setChecked(QVariant(8), true);
    QCOMPARE(checkStates(buttons), (QList<bool>{false, false, true}));
    QCOMPARE(dialog.focusWidget(), buttons.at(2));
    // QVariant equality converts: the double 7.0 names the int 7.
    dialog.setChecked(QVariant(7.0), true);
    QCOMPARE(checkStates(buttons), (QList<bool>{true, false, true}));
    dialog.setChecked(QVariant(QStringLiteral("no such value")), true);
    QCOMPARE(checkStates(buttons), (QList<bool>{true, false, true}));
}

void TestDialogs::setCheckedAllDependsOnExclusivity_data()
{
    QTest::addColumn<bool>("exclusive");
    QTest::addColumn<QList<bool>>("afterAllOn");
    QTest::addColumn<QList<bool>>("afterAllOff");
    QTest::newRow("independent") << false << QList<bool>{true, true, true} << QList<bool>{false, false, false};
    // An exclusive group never lets its checked button go unchecked.
    QTest::newRow("exclusive") << true << QList<bool>{false, false, true} << QList<bool>{false, false, true};
}

void TestDialogs::setCheckedAllDependsOnExclusivity()
{
    QFETCH(bool, exclusive);
    QFETCH(QList<bool>, afterAllOn);
    QFETCH(QList<bool>, afterAllOff);

    CheckButtonDialog dialog(items(3), 3);
    dialog.setExclusive(exclusive);
    const QList<QPushButton *> buttons = checkButtons(&dialog);
    QCOMPARE(buttons.first()->group()->exclusive(), exclusive);
    QWidget *focusBefore = dialog.focusWidget();
    dialog.setCheckedAll(true);
    QCOMPARE(checkStates(buttons), afterAllOn);
    dialog.setCheckedAll(false);
    QCOMPARE(checkStates(buttons), afterAllOff);
    QCOMPARE(dialog.focusWidget(), focusBefore);
}

void TestDialogs::emptyDialogIgnoresEveryCheck()
{
    CheckButtonDialog dialog({}, 4);
    dialog.setChecked(QStringLiteral("x"), true);
    dialog.setChecked(QVariant(1), true);
    dialog.setCheckedAll(true);
    dialog.setExclusive(true);
    QVERIFY(checkButtons(&dialog).isEmpty());
    QCOMPARE(dialog.layout()->count(), 0);
}

void TestDialogs::clickPassesTheStoredEntry()
{
    CheckButtonDialog dialog({{QStringLiteral("CH1"), 1}, {QStringLiteral("CH2"), QStringLiteral("two")}}, 2);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QList<QPushButton *> buttons = checkButtons(&dialog);

    QList<CheckButtonDialog::TParam> seen;
    QList<bool> checkedWhenSeen;
    connect(&dialog, &CheckButtonDialog::buttonClicked, this, [&](CheckButtonDialog::TParam &param) {
        seen.append(param);
        checkedWhenSeen.append(std::get<2>(param)->isChecked());
    });

    QTest::mouseClick(buttons.at(1), Qt::LeftButton);
    QCOMPARE(seen.size(), 1);
    QCOMPARE(std::get<0>(seen.at(0)), QStringLiteral("CH2"));
    QCOMPARE(std::get<1>(seen.at(0)), QVariant(QStringLiteral("two")));
    QCOMPARE(std::get<2>(seen.at(0)), buttons.at(1));
    QCOMPARE(checkedWhenSeen.at(0), true); // the click toggled before the signal

    QTest::mouseClick(buttons.at(0), Qt::LeftButton);
    QTest::mouseClick(buttons.at(1), Qt::LeftButton);
    QCOMPARE(seen.size(), 3);
    QCOMPARE(std::get<2>(seen.at(1)), buttons.at(0));
    QCOMPARE(checkStates(buttons), (QList<bool>{true, false}));
    QCOMPARE(checkedWhenSeen.at(2), false);
    QVERIFY(dialog.isVisible()); // the dialog never closes by itself
    QCOMPARE(dialog.result(), 0);
}

void TestDialogs::exclusiveClicksLeaveOneChecked()
{
    CheckButtonDialog dialog(items(3), 0);
    dialog.setExclusive(true);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QList<QPushButton *> buttons = checkButtons(&dialog);
    int clicks = 0;
    connect(&dialog, &CheckButtonDialog::buttonClicked, this, [&](CheckButtonDialog::TParam &) { ++clicks; });

    QTest::mouseClick(buttons.at(0), Qt::LeftButton);
    QTest::mouseClick(buttons.at(2), Qt::LeftButton);
    QCOMPARE(checkStates(buttons), (QList<bool>{false, false, true}));
    QTest::mouseClick(buttons.at(2), Qt::LeftButton);
    QCOMPARE(checkStates(buttons), (QList<bool>{false, false, true}));
    QCOMPARE(clicks, 3);
}

void TestDialogs::handlerCanRenameTheEntry()
{
    CheckButtonDialog dialog({{QStringLiteral("Volt"), 1}, {QStringLiteral("Amp"), 2}}, 0);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QList<QPushButton *> buttons = checkButtons(&dialog);
    connect(&dialog, &CheckButtonDialog::buttonClicked, this, [](CheckButtonDialog::TParam &param) {
        std::get<0>(param) = QStringLiteral("Renamed");
        std::get<1>(param) = 99;
    });
    QTest::mouseClick(buttons.at(1), Qt::LeftButton);
    dialog.setCheckedAll(false);

    dialog.setChecked(QStringLiteral("amp"), true);
    QCOMPARE(checkStates(buttons), (QList<bool>{false, false}));
    dialog.setChecked(QStringLiteral("renamed"), true);
    QCOMPARE(checkStates(buttons), (QList<bool>{false, true}));
    dialog.setChecked(QVariant(99), false);
    QCOMPARE(checkStates(buttons), (QList<bool>{false, false}));
    // The button itself keeps what it showed and carried.
    QCOMPARE(buttons.at(1)->text(), QStringLiteral("Amp"));
    QCOMPARE(buttons.at(1)->property("UserData"), QVariant(2));
}

void TestDialogs::destructorDeletesTheButtons()
{
    auto dialog = std::make_unique<CheckButtonDialog>(items(3), 2);
    QList<QPointer<QPushButton>> buttons;
    for (QPushButton *button : checkButtons(dialog.get()))
        buttons.append(button);
    QPointer<QButtonGroup> group = buttons.first()->group();
    dialog.reset();
    for (const auto &button : buttons)
        QVERIFY(!button);
    QVERIFY(!group);
}

// ---------------------------------------------------------------------------
// CheckButtonDialog_

void TestDialogs::recordDialogSignalsTheClickedButton()
{
    CheckButtonDialog_ dialog(records(3), 3);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QList<QPushButton *> buttons = checkButtons(&dialog);
    QSignalSpy spy(&dialog, &CheckButtonDialog_::buttonClicked);

    QTest::mouseClick(buttons.at(2), Qt::LeftButton);
    QTest::mouseClick(buttons.at(0), Qt::LeftButton);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0).at(0).value<QObject *>(), buttons.at(2));
    QCOMPARE(spy.at(1).at(0).value<QObject *>(), buttons.at(0));
    QCOMPARE(checkStates(buttons), (QList<bool>{true, false, true})); // independent buttons
    QVERIFY(dialog.isVisible());
}

void TestDialogs::recordDialogMatchesTextWithCase()
{
    CheckButtonDialog_ dialog({{QStringLiteral("OK"), 1}, {QStringLiteral("Off"), 2}, {QStringLiteral("x"), 2}}, 0);
    const QList<QPushButton *> buttons = checkButtons(&dialog);

    dialog.setCheck(QStringLiteral("ok"));
    QCOMPARE(checkStates(buttons), (QList<bool>{false, false, false}));
    dialog.setCheck(QStringLiteral("OK"));
    QCOMPARE(checkStates(buttons), (QList<bool>{true, false, false}));
    QCOMPARE(dialog.focusWidget(), buttons.at(0));
    dialog.setCheck(QVariant(2));
    QCOMPARE(checkStates(buttons), (QList<bool>{true, true, false}));
    QCOMPARE(dialog.focusWidget(), buttons.at(1));
    dialog.setCheck(QVariant(3));
    QCOMPARE(checkStates(buttons), (QList<bool>{true, true, false}));
}

void TestDialogs::recordDialogKeepsTheWindowFlags()
{
    QDialog plain(nullptr, Qt::Dialog);
    CheckButtonDialog_ dialog(records(1), 0, nullptr, Qt::Dialog);
    QCOMPARE(dialog.windowFlags(), plain.windowFlags());
    CheckButtonDialog_ tool(records(1), 0, nullptr, Qt::Tool | Qt::WindowStaysOnTopHint);
    QVERIFY(tool.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(tool.windowType(), Qt::Tool);
}

// ---------------------------------------------------------------------------
// SpinBoxDialog

void TestDialogs::spinBoxDialogClampsToTheDefaultRange_data()
{
    QTest::addColumn<double>("input");
    QTest::addColumn<double>("expected");
    QTest::newRow("inside") << 42.0 << 42.0;
    QTest::newRow("above the maximum") << 150.0 << 99.99;
    QTest::newRow("below the minimum") << -5.0 << 0.0;
    QTest::newRow("rounded to two decimals") << 12.345678 << 12.35;
}

void TestDialogs::spinBoxDialogClampsToTheDefaultRange()
{
    QFETCH(double, input);
    QFETCH(double, expected);
    SpinBoxDialog dialog;
    dialog.setValue(input);
    QCOMPARE(dialog.value(), expected);
    auto *spin = dialog.findChild<QDoubleSpinBox *>();
    QCOMPARE(spin->value(), expected);
    QCOMPARE(spin->suffix(), QString());
    QCOMPARE(spin->decimals(), 2);
}

void TestDialogs::spinBoxDialogHasNoContextHelpAndIsLaidOut()
{
    // The premise: a plain Qt 5 dialog asks for the help button. Qt 6 no
    // longer sets it on dialogs, so there the dialog has none either way.
    const bool qtSetsHelpButton = QT_VERSION < QT_VERSION_CHECK(6, 0, 0);
    QDialog plain;
    QCOMPARE(plain.windowFlags().testFlag(Qt::WindowContextHelpButtonHint), qtSetsHelpButton);

    SpinBoxDialog dialog;
    QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
    QCOMPARE(dialog.windowType(), Qt::Dialog);

    auto *outer = qobject_cast<QGridLayout *>(dialog.layout());
    QVERIFY(outer);
    QCOMPARE(outer->count(), 2);
    auto *inner = qobject_cast<QGridLayout *>(outer->itemAtPosition(0, 0)->layout());
    QVERIFY(inner);
    auto *label = qobject_cast<QLabel *>(inner->itemAtPosition(0, 0)->widget());
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("Value"));
    QCOMPARE(inner->itemAtPosition(0, 1)->widget(), dialog.findChild<QDoubleSpinBox *>());
    QPushButton *ok = okButton(&dialog);
    QVERIFY(ok);
    QCOMPARE(positionOf(outer, ok), (QVector<int>{1, 0, 1, 1}));
    QCOMPARE(outer->itemAt(outer->indexOf(ok))->alignment(), Qt::AlignRight | Qt::AlignVCenter);
}

void TestDialogs::spinBoxDialogOkEndsExecAccepted()
{
    SpinBoxDialog dialog;
    dialog.setValue(7.5);
    bool sawDialog = false;
    QTimer::singleShot(0, this, [&]() {
        auto *active = qobject_cast<SpinBoxDialog *>(QApplication::activeModalWidget());
        sawDialog = active == &dialog;
        if (QPushButton *ok = active ? okButton(active) : nullptr)
            QTest::mouseClick(ok, Qt::LeftButton);
        else
            dialog.reject();
    });
    const int result = dialog.exec();
    QVERIFY(sawDialog);
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(dialog.value(), 7.5);
    QVERIFY(!dialog.isVisible());
}

void TestDialogs::textsGoThroughTheClassContext()
{
    BracketTranslator translator({QStringLiteral("rilo::widget::SpinBoxDialog"),
                                  QStringLiteral("rilo::widget::CheckButtonAndSpinBoxDialog")});
    QVERIFY(QCoreApplication::installTranslator(&translator));
    SpinBoxDialog spin;
    std::unique_ptr<CheckButtonAndSpinBoxDialog> choice(CheckButtonAndSpinBoxDialog::makeInstance({}, 0));
    QCoreApplication::removeTranslator(&translator);

    QStringList spinTexts;
    for (QLabel *label : spin.findChildren<QLabel *>())
        spinTexts.append(label->text());
    for (QPushButton *button : spin.findChildren<QPushButton *>())
        spinTexts.append(button->text());
    QCOMPARE(spinTexts, (QStringList{QStringLiteral("[Value]"), QStringLiteral("[OK]")}));
    QCOMPARE(choice->findChild<QPushButton *>()->text(), QStringLiteral("[OK]"));
}

// ---------------------------------------------------------------------------
// CheckButtonAndSpinBoxDialog

void TestDialogs::spinChoiceRowsCountFromTheRecords_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("spinRow");
    QTest::addColumn<int>("okRow");
    QTest::newRow("four in two columns") << 4 << 2 << 5 << 6;
    QTest::newRow("none") << 0 << 2 << 1 << 2;
    QTest::newRow("three in a row") << 3 << 0 << 4 << 5;
}

void TestDialogs::spinChoiceRowsCountFromTheRecords()
{
    QFETCH(int, count);
    QFETCH(int, columns);
    QFETCH(int, spinRow);
    QFETCH(int, okRow);

    std::unique_ptr<CheckButtonAndSpinBoxDialog> dialog(
        CheckButtonAndSpinBoxDialog::makeInstance(records(count), columns));
    auto *grid = qobject_cast<QGridLayout *>(dialog->layout());
    QVERIFY(grid);
    QCOMPARE(grid->horizontalSpacing(), 18);
    QCOMPARE(grid->count(), count + 2);

    auto *spin = dialog->findChild<QDoubleSpinBox *>();
    QVERIFY(spin);
    QLayout *valueRow = nullptr;
    for (int i = 0; i < grid->count(); ++i) {
        if (QLayout *layout = grid->itemAt(i)->layout())
            valueRow = layout;
    }
    QVERIFY(valueRow);
    QVERIFY(valueRow->indexOf(spin) >= 0);
    QCOMPARE(valueRow->contentsMargins(), QMargins());
    QCOMPARE(positionOf(grid, valueRow), (QVector<int>{spinRow, 0, 1, 2}));
    QPushButton *ok = okButton(dialog.get());
    QVERIFY(ok);
    QCOMPARE(positionOf(grid, ok), (QVector<int>{okRow, 0, 1, 2}));
    QCOMPARE(grid->itemAt(grid->indexOf(ok))->alignment(), Qt::AlignRight | Qt::AlignVCenter);
    QCOMPARE(grid->itemAt(grid->indexOf(valueRow))->alignment(), Qt::AlignRight | Qt::AlignVCenter);

    QVERIFY(!dialog->windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
    QVERIFY(!dialog->checked().isValid());
    QCOMPARE(dialog->value(), 0.0);
}

void TestDialogs::spinChoiceIsExclusive()
{
    std::unique_ptr<CheckButtonAndSpinBoxDialog> dialog(CheckButtonAndSpinBoxDialog::makeInstance(
        {{QStringLiteral("Low"), 1}, {QStringLiteral("High"), 2}, {QStringLiteral("Auto"), 3}}, 3));
    const QList<QPushButton *> buttons = checkButtons(dialog.get());
    QSignalSpy clickedSpy(buttons.at(0), &QPushButton::clicked);

    dialog->setCheck(QVariant(1));
    QCOMPARE(dialog->checked(), QVariant(1));
    QCOMPARE(dialog->focusWidget(), buttons.at(0));
    dialog->setCheck(QStringLiteral("High"));
    QCOMPARE(checkStates(buttons), (QList<bool>{false, true, false}));
    QCOMPARE(dialog->checked(), QVariant(2));
    dialog->setCheck(QStringLiteral("auto")); // case matters: no change
    QCOMPARE(dialog->checked(), QVariant(2));

    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QTest::mouseClick(buttons.at(0), Qt::LeftButton);
    QCOMPARE(checkStates(buttons), (QList<bool>{true, false, false}));
    QCOMPARE(dialog->checked(), QVariant(1));
    QCOMPARE(clickedSpy.count(), 1);
    QVERIFY(dialog->isVisible()); // a choice does not close the dialog
}

void TestDialogs::spinChoiceSuffixStandsRightOfTheSpinBox()
{
    std::unique_ptr<CheckButtonAndSpinBoxDialog> dialog(
        CheckButtonAndSpinBoxDialog::makeInstance(records(2), 2));
    dialog->setValueRange(0, 30);
    dialog->setSuffix(QStringLiteral("V"));
    dialog->setValue(45);
    QCOMPARE(dialog->value(), 30.0);
    dialog->setValue(12.5);
    QCOMPARE(dialog->value(), 12.5);

    auto *spin = dialog->findChild<QDoubleSpinBox *>();
    QCOMPARE(spin->minimum(), 0.0);
    QCOMPARE(spin->maximum(), 30.0);
    QCOMPARE(spin->suffix(), QString());
    QLabel *suffix = nullptr;
    for (QLabel *label : dialog->findChildren<QLabel *>()) {
        if (label->text() == QLatin1String("V"))
            suffix = label;
    }
    QVERIFY(suffix);
    auto *valueRow = qobject_cast<QGridLayout *>(spin->parentWidget()->layout()->itemAt(
        static_cast<QGridLayout *>(dialog->layout())->count() - 2)->layout());
    QVERIFY(valueRow);
    QCOMPARE(positionOf(valueRow, spin), (QVector<int>{0, 0, 1, 1}));
    QCOMPARE(positionOf(valueRow, suffix), (QVector<int>{0, 1, 1, 1}));

    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QVERIFY(suffix->geometry().left() >= spin->geometry().right());
}

void TestDialogs::spinChoiceRunsModally()
{
    std::unique_ptr<CheckButtonAndSpinBoxDialog> dialog(CheckButtonAndSpinBoxDialog::makeInstance(
        {{QStringLiteral("Range 1"), 1}, {QStringLiteral("Range 2"), 2}}, 2));
    dialog->setValueRange(0, 60);
    dialog->setValue(5);
    dialog->setCheck(QVariant(1));
    QTimer::singleShot(0, this, [&]() {
        auto *active = qobject_cast<CheckButtonAndSpinBoxDialog *>(QApplication::activeModalWidget());
        if (!active) {
            dialog->reject();
            return;
        }
        QTest::mouseClick(checkButtons(active).at(1), Qt::LeftButton);
        auto *spin = active->findChild<QDoubleSpinBox *>();
        spin->selectAll();
        QTest::keyClicks(spin, QStringLiteral("24.5"));
        QTest::mouseClick(okButton(active), Qt::LeftButton);
    });
    QCOMPARE(dialog->exec(), int(QDialog::Accepted));
    QCOMPARE(dialog->checked(), QVariant(2));
    QCOMPARE(dialog->value(), 24.5);

    // Closing the window instead rejects it.
    QTimer::singleShot(0, this, [&]() {
        if (QWidget *active = QApplication::activeModalWidget())
            active->close();
    });
    QCOMPARE(dialog->exec(), int(QDialog::Rejected));
}

void TestDialogs::emptySpinChoiceDialogIgnoresSpinBoxCalls()
{
    CheckButtonAndSpinBoxDialog dialog;
    QVERIFY(!dialog.layout());
    dialog.setValue(5);
    dialog.setValueRange(1, 2);
    dialog.setSuffix(QStringLiteral("V"));
    dialog.setCheck(QStringLiteral("x"));
    dialog.setCheck(QVariant(1));
    QCOMPARE(dialog.value(), 0.0);
    QVERIFY(!dialog.checked().isValid());
    QVERIFY(dialog.findChildren<QWidget *>().isEmpty());
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
