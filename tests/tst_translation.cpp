// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Tests of the translation catalogs, of loadTranslation() and of widgets that follow a language change.
#include "testsupport.h"

#include <widget/ccheckbox.h>
#include <widget/dlgdevchoose.h>
#include <widget/flagpanel.h>
#include <widget/gifmessagebox.h>
#include <widget/paramdialog.h>
#include <widget/standardstatewidget.h>

#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QMovie>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextEdit>
#include <QTimer>
#include <QTranslator>

using namespace rilo::measure::io::visa;
using namespace rilo::widget;

namespace {

// Installs the library's catalog for a locale while it lives and delivers the language change.
struct Catalog
{
    explicit Catalog(const QString &locale)
    {
        installed = loadTranslation(&t, QLocale(locale)) && QCoreApplication::installTranslator(&t), deliver();
    }
    ~Catalog() { QCoreApplication::removeTranslator(&t), deliver(); }
    static void deliver() { QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange); }
    QTranslator t;
    bool installed = false;
};

// The property of the named child, or of the first child of that type without a name.
template <typename T = QObject>
QString textOf(QObject *parent, const char *name, const char *property = "text")
{
    return parent->findChild<T *>(QLatin1String(name))->property(property).toString();
}

VisaIOParam lanRecord(const char *address)
{
    VisaIOParam param;
    param.intfType = VisaIOInfo::kTcpip, param.ipAddress = QString::fromLatin1(address),
    param.parity = VisaSerial::kEven;
    return param;
}

// A text of the library, read from a widget made for the purpose.
QString libraryText(const QString &what)
{
    VisaIOParam param = lanRecord("300.1.1.1");
    DlgDevChoose dialog(param, {});
    SpinBoxDialog spin;
    if (what == QLatin1String("invalid address")) { // the box that accept() brings up
        QString seen;
        QTimer::singleShot(0, &dialog, [&seen] {
            auto *b = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            seen = b->text(), b->close();
        });
        dialog.accept();
        return seen;
    }
    if (what == QLatin1String("port"))
        return dialog.windowTitle() + '|' + textOf(&dialog, "label") + '|'
             + textOf(&dialog, "cbRS232Parity", "currentText");
    if (what == QLatin1String("selector"))
        return CCheckbox().itemText(0) + '|' + CCheckbox().itemText(1);
    if (what == QLatin1String("dialogs"))
        return textOf<QLabel>(&spin, nullptr) + '|' + textOf<QPushButton>(&spin, nullptr) + '|'
             + textOf<QPushButton>(std::unique_ptr<QWidget>(CheckButtonAndSpinBoxDialog::makeInstance({}, 0)).get(),
                                   "");
    FlagPanelState lamps;
    lamps.setFlag(true, 0);
    return rilotest::spoken(&lamps, QAccessible::Description) + '|'
         + AbstractStateWidget::describeStates(AbstractStateWidget::kAll);
}

} // namespace

class TestTranslation : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { RILO_CHECK_NO_TOPLEVELS(); }

    // The library's texts without a catalog, with a locale that has none, in German (de_AT falls back to de) and
    // Chinese.
    void textsComeOutInTheCatalogsLanguage_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QStringList>("texts");
        const auto row = [](const char *what, const char *en, const char *de, const char *zh) {
            QTest::newRow(what) << QString::fromLatin1(what) << QStringList{en, en, de, zh};
        };
        row("port", "Port Type|IP Address|Even", "Anschlussart|IP-Adresse|Gerade", "接口类型|IP 地址|偶");
        row("invalid address", "The IP address is invalid.", "Die IP-Adresse ist ungültig.", "IP 地址无效。");
        row("selector", "ON|OFF", "EIN|AUS", "开|关");
        row("dialogs", "Value|OK|OK", "Wert|OK|OK", "数值|确定|确定");
        row("lamp and states", "on|active, enabled", "ein|aktiv, freigegeben", "开|激活，使能");
    }
    void textsComeOutInTheCatalogsLanguage()
    {
        QFETCH(QString, what);
        QFETCH(QStringList, texts);
        QCOMPARE(libraryText(what), texts.at(0));
        const QStringList locales{"fr_FR", "de_AT", "zh_CN"};
        for (int i = 0; i < locales.size(); ++i) {
            const Catalog catalog(locales.at(i));
            QCOMPARE(catalog.installed, i > 0);
            QCOMPARE(libraryText(what), texts.at(i + 1));
        }
    }

    // Open widgets follow a language change and back, and keep what the user and the host entered.
    void languageChangeRetranslatesLiveWidgets_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("texts");
        QTest::newRow("none") << ""
                              << "Port Type|Baudrate|Even|10.0.0.099|Calibrator|Zero the meter|Connect the calibrator "
                                 "first.|The Message  is...\n-|ON|Disabled|0|Enabled|OFF|Value|OK|OK";
        QTest::newRow("de") << "de_DE"
                            << "Anschlussart|Baudrate|Gerade|10.0.0.099|Kalibrator|Zero the meter|Connect the "
                               "calibrator first.|Die Meldung  lautet...\n-|EIN|Disabled|0|Enabled|AUS|Wert|OK|OK";
        QTest::newRow("zh_CN") << "zh_CN"
                               << "接口类型|波特率|偶|10.0.0.099|校准器|Zero the meter|Connect the calibrator "
                                  "first.|消息  内容……\n-|开|Disabled|0|Enabled|关|数值|确定|确定";
    }
    void languageChangeRetranslatesLiveWidgets()
    {
        VisaIOParam param = lanRecord("192.168.1.10");
        DlgDevChoose dialog(param, {});
        dialog.show();
        dialog.findChild<QWidget *>(QStringLiteral("edtLANIP"))
            ->setProperty("text", QStringLiteral("10.0.0.099")); // typed by the user
        GIFMessageBox hostBox, defaultBox;
        hostBox.setWindowTitle(QStringLiteral("Zero the meter"));
        hostBox.setMarkdown(QStringLiteral("Connect the **calibrator** first."));
        hostBox.setGIF(0, QStringLiteral(":/data/calibrator.gif"));
        QMovie *const movie = hostBox.findChild<QLabel *>(QStringLiteral("lblGifLeft"))->movie();
        QWidget window; // the selectors hear of the change through their window
        auto *plain = new CCheckbox(&window), *renamed = new CCheckbox(&window);
        plain->setChecked(true);
        plain->setUnCheckedText(QStringLiteral("Disabled")); // kept, and the other entry translated
        renamed->setCheckedText(QStringLiteral("Enabled"));
        int toggles = 0;
        for (CCheckbox *box : {plain, renamed})
            connect(box, &CCheckbox::toggled, [&toggles] { ++toggles; });
        SpinBoxDialog spin;
        const std::unique_ptr<QWidget> choice(CheckButtonAndSpinBoxDialog::makeInstance({}, 0));
        StandardStateWidget state;
        const auto texts = [&] {
            QStringList seen{dialog.windowTitle(), textOf(&dialog, "label_3")};
            seen << textOf(&dialog, "cbRS232Parity", "currentText") << textOf(&dialog, "edtLANIP");
            seen << textOf(&hostBox, "label") << hostBox.windowTitle()
                 << textOf<QTextEdit>(&hostBox, nullptr, "plainText");
            seen << textOf<QTextEdit>(&defaultBox, nullptr, "plainText") << plain->itemText(0) << plain->itemText(1);
            seen << QString::number(plain->currentIndex()) << renamed->itemText(0) << renamed->itemText(1);
            seen << textOf<QLabel>(&spin, nullptr) << textOf<QPushButton>(&spin, nullptr)
                 << textOf<QPushButton>(choice.get(), nullptr);
            return seen.join(QLatin1Char('|'));
        };
        const QString english = texts();
        {
            QFETCH(QString, locale);
            const Catalog catalog(locale);
            QCOMPARE(catalog.installed, !locale.isEmpty());
            QTEST(texts(), "texts");
            QCOMPARE(hostBox.findChild<QLabel *>(QStringLiteral("lblGifLeft"))->movie(), movie);
            QCOMPARE(movie->state(), QMovie::Running);
            state.setState(AbstractStateWidget::kActive, true); // described in the catalog's language ...
        }
        state.setState(AbstractStateWidget::kEnabled, true); // ... and still the widget's own afterwards
        QCOMPARE(rilotest::spoken(&state, QAccessible::Description), QStringLiteral("active, enabled"));
        QCOMPARE(texts(), english);
        QCOMPARE(toggles, 0);
        dialog.accept();
        QCOMPARE(param.ipAddress, QStringLiteral("10.0.0.99"));
    }

    // Every entry of every catalog is finished and keeps the placeholders and tags of its source, and the other catalog
    // of its folder holds the same texts.
    void everyCatalogEntryIsTranslated_data()
    {
        QTest::addColumn<QString>("path");
        for (const char *dir : {RILO_TRANSLATIONS_DIR, RILO_GALLERY_TRANSLATIONS_DIR})
            for (const QFileInfo &file : QDir(QString::fromUtf8(dir)).entryInfoList({QStringLiteral("*.ts")}))
                QTest::newRow(qPrintable(file.fileName())) << file.filePath();
        QVERIFY(!loadTranslation(nullptr, QLocale(QStringLiteral("de"))));
    }
    void everyCatalogEntryIsTranslated()
    {
        QFETCH(QString, path);
        const auto entries = [](const QString &path) { // "context: source" -> attributes and text of the translation
            QFile file(path);
            const QString ts = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
            const QRegularExpression entry(QStringLiteral("<name>([^<]*)</name>|<source>([^<]*)</source>.*?"
                                                          "<translation([^>]*)>(.*?)</translation>"),
                                           QRegularExpression::DotMatchesEverythingOption);
            QMap<QString, QStringList> map;
            QString context;
            for (auto it = entry.globalMatch(ts); it.hasNext();) {
                const auto m = it.next();
                if (m.capturedStart(1) >= 0)
                    context = m.captured(1);
                else
                    map.insert(context + ": " + m.captured(2), {m.captured(3), m.captured(4)});
            }
            return map;
        };
        const QMap<QString, QStringList> own = entries(path);
        const QDir dir = QFileInfo(path).dir();
        const QStringList set = dir.entryList({QStringLiteral("*.ts")});
        QVERIFY(!own.isEmpty() && set.size() == 2);
        QCOMPARE(entries(dir.filePath(set.at(set.at(0) == QFileInfo(path).fileName() ? 1 : 0))).keys(), own.keys());
        const QRegularExpression marks(QStringLiteral("%\\d|%n|&lt;[^&]*&gt;")); // placeholders and tags
        for (auto it = own.cbegin(); it != own.cend(); ++it) {
            const QString text = QString(it->at(1)).remove(QRegularExpression(QStringLiteral("</?numerusform>")));
            QVERIFY2(it->at(0).isEmpty() && !text.trimmed().isEmpty(), qPrintable(it.key())); // no type: finished
            for (auto mark = marks.globalMatch(it.key()); mark.hasNext();)
                QVERIFY2(text.contains(mark.next().captured()), qPrintable(it.key()));
        }
    }
};

QTEST_MAIN(TestTranslation)
#include "tst_translation.moc"
