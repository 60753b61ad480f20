// Autotest of the library's translation catalogs and of loadTranslation().
#include "testsupport.h"

#include <widget/abstractstatewidget.h>
#include <widget/widget_config.h>

#include <QLocale>
#include <QTest>
#include <QTranslator>

using namespace rilo::widget;

class TestTranslation : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { RILO_CHECK_NO_TOPLEVELS(); }

    void hostThatLoadsNothingGetsEnglish();
    void catalogsAreFoundForTheirLocales_data();
    void catalogsAreFoundForTheirLocales();
    void stateDescriptionsAreTranslated_data();
    void stateDescriptionsAreTranslated();
};

void TestTranslation::hostThatLoadsNothingGetsEnglish()
{
    QCOMPARE(AbstractStateWidget::describeStates(AbstractStateWidget::kAll), QStringLiteral("active, enabled"));
    QVERIFY(!loadTranslation(nullptr, QLocale(QStringLiteral("de_DE"))));
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
    QTest::newRow("zh_CN") << "zh_CN" << QStringLiteral("激活, 使能") << QStringLiteral("未激活, 未使能");
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

QTEST_MAIN(TestTranslation)
#include "tst_translation.moc"
