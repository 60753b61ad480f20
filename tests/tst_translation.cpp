// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Autotest of the library's translation catalogs, of loadTranslation() and of
// the widgets that follow a change of the application's language.
#include "testsupport.h"

#include <widget/abstractstatewidget.h>
#include <widget/ccheckbox.h>
#include <widget/dlgdevchoose.h>
#include <widget/gifmessagebox.h>
#include <widget/paramdialog.h>
#include <widget/standardstatewidget.h>
#include <widget/widget_config.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QMovie>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QTranslator>
#include <QXmlStreamReader>

#include <memory>

using rilo::measure::io::visa::VisaIOInfo;
using rilo::measure::io::visa::VisaIOParam;
using rilo::measure::io::visa::VisaSerial;
using namespace rilo::widget;

namespace {

const QString kCalibratorGif = QStringLiteral(":/data/calibrator.gif");

template <typename T>
T *child(QObject *parent, const char *name)
{
    T *widget = parent->findChild<T *>(QLatin1String(name));
    if (!widget)
        qWarning("no child %s", name);
    return widget;
}

VisaIOParam lanRecord(const QString &address)
{
    VisaIOParam param;
    param.intfType = VisaIOInfo::kTcpip;
    param.ipAddress = address;
    param.lanType = VisaIOInfo::kSOCKET;
    param.port = 5025;
    param.baudRate = 9600;
    param.dataBits = VisaSerial::kBits8;
    param.stopBits = VisaSerial::kOne;
    param.parity = VisaSerial::kEven;
    return param;
}

// Installs the library's catalog for a locale for as long as it lives (an
// empty locale installs nothing) and delivers the language change that
// installing and removing it posts to the top-level widgets.
class InstalledCatalog
{
public:
    explicit InstalledCatalog(const QString &locale)
    {
        if (!locale.isEmpty() && loadTranslation(&m_translator, QLocale(locale)))
            m_installed = QCoreApplication::installTranslator(&m_translator);
        deliverLanguageChange();
    }
    ~InstalledCatalog()
    {
        if (m_installed)
            QCoreApplication::removeTranslator(&m_translator);
        deliverLanguageChange();
    }
    bool isInstalled() const { return m_installed; }

    static void deliverLanguageChange() { QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange); }

private:
    Q_DISABLE_COPY(InstalledCatalog)
    QTranslator m_translator;
    bool m_installed = false;
};

// The text of the message box that accept() brings up for an invalid
// address, read and closed from a timer; empty when no box came.
QString invalidAddressMessage(DlgDevChoose *dialog)
{
    QString seen;
    QTimer::singleShot(0, dialog, [&seen]() {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            seen = box->text();
            box->button(QMessageBox::Ok)->click();
        }
    });
    dialog->accept();
    return seen;
}

QString parityText(DlgDevChoose *dialog, VisaSerial::Parity parity)
{
    auto *box = child<QComboBox>(dialog, "cbRS232Parity");
    const int index = box->findData(QVariant::fromValue(parity));
    return index >= 0 ? box->itemText(index) : QStringLiteral("(no item)");
}

QString spinBoxDialogTexts(const SpinBoxDialog &dialog)
{
    QStringList texts;
    for (QLabel *label : dialog.findChildren<QLabel *>())
        texts.append(label->text());
    for (QPushButton *button : dialog.findChildren<QPushButton *>())
        texts.append(button->text());
    return texts.join(QLatin1Char('|'));
}

// One message of a .ts file.
struct TsMessage
{
    QString context;
    QString source;
    QString type; // the translation's type attribute: empty when finished
    QStringList translations; // one entry, or the numerus forms
    bool numerus = false;
};

struct TsFile
{
    QString language;
    QList<TsMessage> messages;
    QString error;
};

TsFile readTs(const QString &path)
{
    TsFile ts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ts.error = file.errorString();
        return ts;
    }
    QXmlStreamReader xml(&file);
    QString context;
    TsMessage message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("TS")) {
            ts.language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = TsMessage();
            message.context = context;
            message.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            if (message.numerus) {
                while (xml.readNextStartElement()) {
                    if (xml.name() == QLatin1String("numerusform"))
                        message.translations.append(xml.readElementText());
                    else
                        xml.skipCurrentElement();
                }
            } else {
                message.translations.append(xml.readElementText());
            }
            ts.messages.append(message);
        }
    }
    if (xml.hasError())
        ts.error = xml.errorString();
    return ts;
}

// The tags of an HTML text in order, without the text between them.
QStringList tagsOf(const QString &html)
{
    QStringList tags;
    const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    auto it = tag.globalMatch(html);
    while (it.hasNext())
        tags.append(it.next().captured(0));
    return tags;
}

QStringList catalogFiles()
{
    QStringList files;
    const QString dirs[] = {QStringLiteral(RILO_TRANSLATIONS_DIR), QStringLiteral(RILO_GALLERY_TRANSLATIONS_DIR)};
    for (const QString &dirName : dirs) {
        const QDir dir(dirName);
        for (const QString &name : dir.entryList({QStringLiteral("*.ts")}, QDir::Files, QDir::Name))
            files.append(dir.filePath(name));
    }
    return files;
}

} // namespace

class TestTranslation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { rilotest::useTestFont(); }
    void cleanup() { RILO_CHECK_NO_TOPLEVELS(); }

    void hostThatLoadsNothingGetsEnglish();
    void catalogsAreFoundForTheirLocales_data();
    void catalogsAreFoundForTheirLocales();
    void stateDescriptionsAreTranslated_data();
    void stateDescriptionsAreTranslated();
    void stateDescriptionFollowsALanguageSwitch();
    void widgetTextsComeOutInTheCatalogsLanguage_data();
    void widgetTextsComeOutInTheCatalogsLanguage();
    void translatedDefaultMessageKeepsItsFormatting_data();
    void translatedDefaultMessageKeepsItsFormatting();
    void languageSwitchRetranslatesOpenDialogs_data();
    void languageSwitchRetranslatesOpenDialogs();
    void languageSwitchKeepsHostTextsOfSelectorsAndDialogs_data();
    void languageSwitchKeepsHostTextsOfSelectorsAndDialogs();
    void everyCatalogEntryIsTranslated_data();
    void everyCatalogEntryIsTranslated();
    void catalogsOfOneSetHoldTheSameTexts_data();
    void catalogsOfOneSetHoldTheSameTexts();
};

void TestTranslation::hostThatLoadsNothingGetsEnglish()
{
    QCOMPARE(AbstractStateWidget::describeStates(AbstractStateWidget::kAll), QStringLiteral("active, enabled"));
    QVERIFY(!loadTranslation(nullptr, QLocale(QStringLiteral("de_DE"))));

    VisaIOParam param = lanRecord(QStringLiteral("300.1.1.1"));
    DlgDevChoose dialog(param, {});
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Port Type"));
    QCOMPARE(invalidAddressMessage(&dialog), QStringLiteral("The IP address is invalid."));
    QCOMPARE(parityText(&dialog, VisaSerial::kNone), QStringLiteral("None"));
    GIFMessageBox box;
    QCOMPARE(child<QLabel>(&box, "label")->text(), QStringLiteral("Calibrator"));
    QCOMPARE(child<QLabel>(&box, "label_2")->text(), QStringLiteral("Instrument"));
    CCheckbox selector;
    QCOMPARE(selector.itemText(0), QStringLiteral("ON"));
    QCOMPARE(selector.itemText(1), QStringLiteral("OFF"));
    SpinBoxDialog spin;
    QCOMPARE(spinBoxDialogTexts(spin), QStringLiteral("Value|OK"));
}

void TestTranslation::catalogsAreFoundForTheirLocales_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("found");
    QTest::newRow("de_DE") << "de_DE" << true;
    QTest::newRow("de_AT falls back to de") << "de_AT" << true;
    QTest::newRow("zh_CN") << "zh_CN" << true;
    QTest::newRow("fr_FR") << "fr_FR" << false;
    QTest::newRow("C") << "C" << false;
}

void TestTranslation::catalogsAreFoundForTheirLocales()
{
    QFETCH(QString, locale);
    QFETCH(bool, found);
    QTranslator translator;
    QCOMPARE(loadTranslation(&translator, QLocale(locale)), found);
    QCOMPARE(translator.isEmpty(), !found);
}

void TestTranslation::stateDescriptionsAreTranslated_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("all");
    QTest::addColumn<QString>("none");
    QTest::newRow("de") << "de_DE" << QStringLiteral("aktiv, freigegeben") << QStringLiteral("inaktiv, nicht freigegeben");
    QTest::newRow("zh_CN") << "zh_CN" << QStringLiteral("激活，使能") << QStringLiteral("未激活，未使能");
}

void TestTranslation::stateDescriptionsAreTranslated()
{
    QFETCH(QString, locale);
    QTranslator translator;
    QVERIFY(loadTranslation(&translator, QLocale(locale)));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QTEST(AbstractStateWidget::describeStates(AbstractStateWidget::kAll), "all");
    QTEST(AbstractStateWidget::describeStates(AbstractStateWidget::kNone), "none");
    QVERIFY(QCoreApplication::removeTranslator(&translator));
    QCOMPARE(AbstractStateWidget::describeStates(AbstractStateWidget::kAll), QStringLiteral("active, enabled"));
}

void TestTranslation::widgetTextsComeOutInTheCatalogsLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("addressLabel");
    QTest::addColumn<QString>("invalid");
    QTest::addColumn<QString>("parityEven");
    QTest::addColumn<QString>("calibrator");
    QTest::addColumn<QString>("instrument");
    QTest::addColumn<QString>("on");
    QTest::addColumn<QString>("off");
    QTest::addColumn<QString>("spinTexts");
    QTest::addColumn<QString>("ok");

    QTest::newRow("de") << "de_DE" << "Anschlussart" << "IP-Adresse" << "Die IP-Adresse ist ungültig."
                        << "Gerade" << "Kalibrator" << "Messgerät" << "EIN" << "AUS" << "Wert|OK" << "OK";
    QTest::newRow("zh_CN") << "zh_CN" << "接口类型" << "IP 地址" << "IP 地址无效。"
                           << "偶" << "校准器" << "仪器" << "开" << "关" << "数值|确定" << "确定";
    QTest::newRow("fr_FR has no catalog") << "fr_FR" << "Port Type" << "IP Address" << "The IP address is invalid."
                                          << "Even" << "Calibrator" << "Instrument" << "ON" << "OFF" << "Value|OK"
                                          << "OK";
}

void TestTranslation::widgetTextsComeOutInTheCatalogsLanguage()
{
    QFETCH(QString, locale);
    const InstalledCatalog catalog(locale);
    QCOMPARE(catalog.isInstalled(), locale != QLatin1String("fr_FR"));

    VisaIOParam param = lanRecord(QStringLiteral("300.1.1.1"));
    const VisaIOParam before = param;
    DlgDevChoose dialog(param, {});
    dialog.show();
    QTEST(dialog.windowTitle(), "title");
    QTEST(child<QLabel>(&dialog, "label")->text(), "addressLabel");
    QTEST(parityText(&dialog, VisaSerial::kEven), "parityEven");
    QTEST(invalidAddressMessage(&dialog), "invalid");
    QVERIFY(dialog.isVisible());
    QCOMPARE(param.ipAddress, before.ipAddress);

    GIFMessageBox box;
    QTEST(child<QLabel>(&box, "label")->text(), "calibrator");
    QTEST(child<QLabel>(&box, "label_2")->text(), "instrument");

    CCheckbox selector;
    QTEST(selector.itemText(0), "on");
    QTEST(selector.itemText(1), "off");
    QTEST(selector.checkedText(), "on");
    QCOMPARE(selector.currentText(), selector.itemText(1));

    SpinBoxDialog spin;
    QTEST(spinBoxDialogTexts(spin), "spinTexts");
    std::unique_ptr<CheckButtonAndSpinBoxDialog> choice(CheckButtonAndSpinBoxDialog::makeInstance({}, 0));
    QTEST(choice->findChild<QPushButton *>()->text(), "ok");
}

void TestTranslation::translatedDefaultMessageKeepsItsFormatting_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("boldWord");
    QTest::addColumn<QString>("plainText");
    QTest::addColumn<QString>("catalogFile");
    QTest::newRow("de") << "de_DE" << "Meldung" << QStringLiteral("Die Meldung  lautet...\n-") << "rilo_widget_de.ts";
    QTest::newRow("zh_CN") << "zh_CN" << "消息" << QStringLiteral("消息  内容……\n-") << "rilo_widget_zh_CN.ts";
}

void TestTranslation::translatedDefaultMessageKeepsItsFormatting()
{
    QFETCH(QString, locale);
    QFETCH(QString, boldWord);
    const InstalledCatalog catalog(locale);
    QVERIFY(catalog.isInstalled());
    GIFMessageBox box;
    auto *message = child<QTextEdit>(&box, "edtMessage");
    QTEST(message->toPlainText(), "plainText");

    // The bold word is bold, the rest of the paragraph is not, and the
    // document keeps the form's font and paragraph margins.
    QTextDocument *document = message->document();
    const int at = message->toPlainText().indexOf(boldWord);
    QVERIFY(at >= 0);
    QTextCursor cursor(document);
    cursor.setPosition(at + 1);
    QVERIFY(cursor.charFormat().fontWeight() >= QFont::Bold);
    QCOMPARE(cursor.charFormat().fontFamily(), QStringLiteral("Microsoft YaHei UI"));
    QCOMPARE(cursor.charFormat().fontPointSize(), 9.0);
    cursor.setPosition(at + boldWord.size() + 2);
    QCOMPARE(cursor.charFormat().fontWeight(), int(QFont::Normal));
    QCOMPARE(document->blockCount(), 2);
    QCOMPARE(document->firstBlock().blockFormat().topMargin(), 6.0);
    QCOMPARE(document->lastBlock().blockFormat().bottomMargin(), 6.0);

    // The translated HTML has the tags of the English one, in the same order.
    QFETCH(QString, catalogFile);
    const TsFile ts = readTs(QDir(QStringLiteral(RILO_TRANSLATIONS_DIR)).filePath(catalogFile));
    QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
    int htmlEntries = 0;
    for (const TsMessage &m : ts.messages) {
        if (m.context != QLatin1String("GIFMessageBox") || !m.source.startsWith(QLatin1String("<!DOCTYPE")))
            continue;
        ++htmlEntries;
        QCOMPARE(tagsOf(m.translations.value(0)), tagsOf(m.source));
        QVERIFY(m.translations.value(0).contains(boldWord));
    }
    QCOMPARE(htmlEntries, 1);
}

void TestTranslation::languageSwitchRetranslatesOpenDialogs_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("baudLabel");
    QTest::addColumn<QString>("parityEven");
    QTest::addColumn<QString>("calibrator");
    QTest::addColumn<QString>("defaultWord");
    QTest::newRow("de") << "de_DE" << "Anschlussart" << "Baudrate" << "Gerade" << "Kalibrator" << "Meldung";
    QTest::newRow("zh_CN") << "zh_CN" << "接口类型" << "波特率" << "偶" << "校准器" << "消息";
}

void TestTranslation::languageSwitchRetranslatesOpenDialogs()
{
    QFETCH(QString, locale);
    QFETCH(QString, title);
    QFETCH(QString, calibrator);
    QFETCH(QString, defaultWord);

    // A connection dialog in which the user has typed an address.
    VisaIOParam param = lanRecord(QStringLiteral("192.168.1.10"));
    DlgDevChoose dialog(param, {});
    dialog.show();
    auto *address = child<QLineEdit>(&dialog, "edtLANIP");
    address->setFocus();
    QTest::keyClick(address, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(address, QStringLiteral("10.0.0.099"));
    auto *parity = child<QComboBox>(&dialog, "cbRS232Parity");
    const int parityIndex = parity->currentIndex();

    // A message box with the host's message and title, a running animation
    // and a picture left empty by an unreadable file, and one that shows the
    // default message.
    GIFMessageBox hostBox;
    hostBox.setWindowTitle(QStringLiteral("Zero the meter"));
    hostBox.setGIF(0, kCalibratorGif);
    hostBox.setGIF(1, QStringLiteral(":/data/no-such-animation.gif"));
    hostBox.setMarkdown(QStringLiteral("Connect the **calibrator** first."));
    hostBox.show();
    QMovie *const left = child<QLabel>(&hostBox, "lblGifLeft")->movie();
    QVERIFY(left);
    QVERIFY(!child<QLabel>(&hostBox, "lblGifRight")->movie());
    GIFMessageBox defaultBox;
    defaultBox.show();

    {
        const InstalledCatalog catalog(locale);
        QVERIFY(catalog.isInstalled());

        QCOMPARE(dialog.windowTitle(), title);
        QTEST(child<QLabel>(&dialog, "label_3")->text(), "baudLabel");
        QCOMPARE(address->text(), QStringLiteral("10.0.0.099"));
        QCOMPARE(parity->currentIndex(), parityIndex);
        QTEST(parity->currentText(), "parityEven");

        QCOMPARE(child<QLabel>(&hostBox, "label")->text(), calibrator);
        QCOMPARE(hostBox.windowTitle(), QStringLiteral("Zero the meter"));
        QCOMPARE(child<QTextEdit>(&hostBox, "edtMessage")->toPlainText(), QStringLiteral("Connect the calibrator first."));
        QCOMPARE(child<QLabel>(&hostBox, "lblGifLeft")->movie(), left);
        QCOMPARE(left->state(), QMovie::Running);
        QVERIFY(!child<QLabel>(&hostBox, "lblGifRight")->movie());

        QCOMPARE(child<QLabel>(&defaultBox, "label")->text(), calibrator);
        QVERIFY(child<QTextEdit>(&defaultBox, "edtMessage")->toPlainText().contains(defaultWord));
        QVERIFY(defaultBox.windowTitle() != QLatin1String("Zero the meter"));
    }

    // Back to English once the catalog is gone; nothing the user or the host
    // entered was lost on the way.
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Port Type"));
    QCOMPARE(parity->currentText(), QStringLiteral("Even"));
    QCOMPARE(address->text(), QStringLiteral("10.0.0.099"));
    QCOMPARE(child<QLabel>(&hostBox, "label")->text(), QStringLiteral("Calibrator"));
    QCOMPARE(child<QTextEdit>(&hostBox, "edtMessage")->toPlainText(), QStringLiteral("Connect the calibrator first."));
    QCOMPARE(child<QTextEdit>(&defaultBox, "edtMessage")->toPlainText(), QStringLiteral("The Message  is...\n-"));
    QCOMPARE(defaultBox.windowTitle(), QStringLiteral("Dialog"));

    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(param.ipAddress, QStringLiteral("10.0.0.99"));
    QCOMPARE(param.parity, VisaSerial::kEven);
}

void TestTranslation::languageSwitchKeepsHostTextsOfSelectorsAndDialogs_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("on");
    QTest::addColumn<QString>("off");
    QTest::addColumn<QString>("spinTexts");
    QTest::addColumn<QString>("ok");
    QTest::newRow("de") << "de_DE" << "EIN" << "AUS" << "Wert|OK" << "OK";
    QTest::newRow("zh_CN") << "zh_CN" << "开" << "关" << "数值|确定" << "确定";
}

void TestTranslation::languageSwitchKeepsHostTextsOfSelectorsAndDialogs()
{
    QFETCH(QString, on);
    QFETCH(QString, off);

    QWidget window; // the selectors get the language change through their window
    auto *plain = new CCheckbox(&window);
    plain->setChecked(true);
    auto *renamed = new CCheckbox(&window);
    renamed->setCheckedText(QStringLiteral("Enabled"));
    QSignalSpy plainSpy(plain, &CCheckbox::toggled);
    QSignalSpy renamedSpy(renamed, &CCheckbox::toggled);
    SpinBoxDialog spin;
    std::unique_ptr<CheckButtonAndSpinBoxDialog> choice(
        CheckButtonAndSpinBoxDialog::makeInstance({{QStringLiteral("6 V"), 6.0}}, 1));
    QPushButton *choiceOk = nullptr;
    for (QPushButton *button : choice->findChildren<QPushButton *>()) {
        if (!button->isCheckable())
            choiceOk = button;
    }
    QVERIFY(choiceOk);

    {
        QFETCH(QString, locale);
        const InstalledCatalog catalog(locale);
        QVERIFY(catalog.isInstalled());
        QCOMPARE(plain->itemText(0), on);
        QCOMPARE(plain->itemText(1), off);
        QCOMPARE(plain->checkedText(), on);
        QCOMPARE(plain->currentIndex(), 0);
        QVERIFY(plain->isChecked());
        QCOMPARE(renamed->itemText(0), QStringLiteral("Enabled"));
        QCOMPARE(renamed->checkedText(), QStringLiteral("Enabled"));
        QCOMPARE(renamed->itemText(1), off);
        QCOMPARE(renamed->currentIndex(), 1);
        QTEST(spinBoxDialogTexts(spin), "spinTexts");
        QTEST(choiceOk->text(), "ok");
        QCOMPARE(choice->findChild<QPushButton *>(QString(), Qt::FindDirectChildrenOnly)->text(),
                 QStringLiteral("6 V"));
    }
    QCOMPARE(plain->itemText(0), QStringLiteral("ON"));
    QCOMPARE(renamed->itemText(0), QStringLiteral("Enabled"));
    QCOMPARE(renamed->unCheckedText(), QStringLiteral("OFF"));
    QCOMPARE(spinBoxDialogTexts(spin), QStringLiteral("Value|OK"));
    QCOMPARE(choiceOk->text(), QStringLiteral("OK"));
    QCOMPARE(plainSpy.count(), 0);
    QCOMPARE(renamedSpy.count(), 0);
}

void TestTranslation::everyCatalogEntryIsTranslated_data()
{
    QTest::addColumn<QString>("path");
    const QStringList files = catalogFiles();
    QVERIFY(files.size() >= 4);
    for (const QString &file : files)
        QTest::newRow(qPrintable(QFileInfo(file).fileName())) << file;
}

void TestTranslation::everyCatalogEntryIsTranslated()
{
    QFETCH(QString, path);
    const TsFile ts = readTs(path);
    QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
    QVERIFY(ts.messages.size() > 0);
    // The file name ends in the catalog's language, or in its language code.
    const QString base = QFileInfo(path).completeBaseName();
    QVERIFY2(!ts.language.isEmpty()
                 && (base.endsWith(QLatin1Char('_') + ts.language)
                     || base.endsWith(QLatin1Char('_') + ts.language.section(QLatin1Char('_'), 0, 0))),
             qPrintable(ts.language));

    const bool library = QFileInfo(path).fileName().startsWith(QLatin1String("rilo_widget_"));
    QTranslator compiled;
    if (library)
        QVERIFY(loadTranslation(&compiled, QLocale(ts.language)));

    for (const TsMessage &m : ts.messages) {
        const QString where = m.context + QLatin1String(": ") + m.source;
        // Unfinished, obsolete and vanished entries all carry a type.
        QVERIFY2(m.type.isEmpty(), qPrintable(where + QLatin1String(" is ") + m.type));
        QVERIFY2(!m.translations.isEmpty(), qPrintable(where));
        for (const QString &translation : m.translations)
            QVERIFY2(!translation.trimmed().isEmpty(), qPrintable(where));
        // The placeholders of the source survive (%1, %2, %n).
        const QRegularExpression placeholder(QStringLiteral("%(\\d|n)"));
        QStringList wanted;
        for (auto it = placeholder.globalMatch(m.source); it.hasNext();)
            wanted.append(it.next().captured(0));
        wanted.removeDuplicates();
        for (const QString &translation : m.translations) {
            for (const QString &p : qAsConst(wanted))
                QVERIFY2(translation.contains(p), qPrintable(where + QLatin1String(" lacks ") + p));
        }
        // The catalog built into the library says the same as its source.
        if (library && !m.numerus) {
            QCOMPARE(compiled.translate(m.context.toUtf8().constData(), m.source.toUtf8().constData()),
                     m.translations.first());
        }
    }
}

void TestTranslation::catalogsOfOneSetHoldTheSameTexts_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::newRow("library") << "rilo_widget_";
    QTest::newRow("gallery") << "gallery_";
}

void TestTranslation::catalogsOfOneSetHoldTheSameTexts()
{
    QFETCH(QString, prefix);
    QList<QStringList> sets;
    for (const QString &file : catalogFiles()) {
        if (!QFileInfo(file).fileName().startsWith(prefix))
            continue;
        const TsFile ts = readTs(file);
        QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
        QStringList keys;
        for (const TsMessage &m : ts.messages)
            keys.append(m.context + QLatin1Char('\x1f') + m.source);
        keys.sort();
        sets.append(keys);
    }
    QCOMPARE(sets.size(), 2);
    QCOMPARE(sets.at(0), sets.at(1));
}

void TestTranslation::stateDescriptionFollowsALanguageSwitch()
{
    // The description given in one language is still recognised as the
    // widget's own after a switch, so the next flag change replaces it.
    StandardStateWidget w;
    QTranslator translator;
    QVERIFY(loadTranslation(&translator, QLocale(QStringLiteral("de_DE"))));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    w.setState(AbstractStateWidget::kActive, true);
    QCOMPARE(rilotest::spoken(&w, QAccessible::Description), QStringLiteral("aktiv, nicht freigegeben"));
    QVERIFY(QCoreApplication::removeTranslator(&translator));
    w.setState(AbstractStateWidget::kEnabled, true);
    QCOMPARE(rilotest::spoken(&w, QAccessible::Description), QStringLiteral("active, enabled"));
}

QTEST_MAIN(TestTranslation)
#include "tst_translation.moc"
