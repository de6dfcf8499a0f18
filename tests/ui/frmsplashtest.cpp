#include "frmsplash.h"
#include "datarows.h"
#include "form/appglobals.h"
#include "testsupport.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using vc::ui::frmSplash;

class FrmSplashTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        QVERIFY(m_dir.isValid());
        vc::app() = vc::AppGlobals();
        vc::app().SettingsFile = m_dir.filePath(QStringLiteral("VeltrannCalc.ini"));
        QVERIFY(
            vc::test::writeFile(vc::app().SettingsFile, "[SYSTEM]\r\nVersion=Build 2026-11\r\n"));
    }

    void versionTexts_data() { vc::test::addRows("splashversion.tsv"); }

    void versionTexts()
    {
        QFETCH(QString, languageName);
        QFETCH(QString, versionNo);
        vc::app().LanguageName = languageName;
        frmSplash splash(frmSplash::Mode::About);
        QCOMPARE(splash.findChild<QLabel *>(QStringLiteral("lblVersion"))->text(),
                 QStringLiteral("Version  1.2."));
        QCOMPARE(splash.findChild<QLabel *>(QStringLiteral("VersionNo"))->text(), versionNo);
        QVERIFY(!splash.findChild<QLabel *>(QStringLiteral("lblPlatform"))->text().isEmpty());
    }

    void timerHandsOverOnce()
    {
        frmSplash splash(frmSplash::Mode::StartUp);
        QSignalSpy spy(&splash, &frmSplash::openMainWindow);
        splash.show();
        QVERIFY(splash.Timer1()->isActive());
        QCOMPARE(splash.Timer1()->interval(), 800);
        QTest::qWait(400);
        QCOMPARE(spy.count(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, 3000);
        QVERIFY(!splash.isVisible());
        QTest::qWait(900);
        QCOMPARE(spy.count(), 1);
    }

    void clickOrKeyEndsIt_data() { vc::test::addRows("splashend.tsv"); }

    void clickOrKeyEndsIt()
    {
        QFETCH(bool, startUp);
        QFETCH(bool, click);
        frmSplash splash(startUp ? frmSplash::Mode::StartUp : frmSplash::Mode::About);
        QSignalSpy spy(&splash, &frmSplash::openMainWindow);
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        QCOMPARE(splash.Timer1()->isActive(), startUp);
        // Its size and colour stay whatever it is asked.
        const QSize fixed(7920 / 15, 4350 / 15);
        splash.resize(800, 600);
        QCOMPARE(splash.size(), fixed);
        splash.setGeometry(10, 10, 100, 50);
        QCOMPARE(splash.size(), fixed);
        QCOMPARE(splash.grab().toImage().pixelColor(fixed.width() - 3, 3), QColor(229, 255, 255));
        if (click)
            QTest::mouseClick(&splash, Qt::LeftButton, {}, QPoint(300, 200));
        else
            QTest::keyClick(&splash, Qt::Key_Space);
        QCOMPARE(spy.count(), startUp ? 1 : 0);
        QVERIFY(!splash.isVisible());
        QVERIFY(!splash.Timer1()->isActive());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(FrmSplashTest)
#include "frmsplashtest.moc"
