// The print preview window opened from the main window's Print buttons and
// menu, driven offscreen: what it shows, its printer list, and "PDF…".
#include "frmpreview.h"
#include "formbinder.h"
#include "frmmainwindow.h"
#include "mainform.h"
#include "print/printer.h"
#include "printpreview.h"
#include "reportdocuments.h"
#include "windowfixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QProcess>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

using vc::test::WindowFixture;

class FrmPreviewTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void printCommandsOpenPreview_data();
    void printCommandsOpenPreview();
};

void FrmPreviewTest::printCommandsOpenPreview_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("writePdf");
    QTest::newRow("Print on Summary, then PDF") << QStringLiteral("Vixbutton1") << true;
    QTest::newRow("Print on Text for tender") << QStringLiteral("Vixbutton2") << false;
    QTest::newRow("File > Print") << QStringLiteral("mnuPrint") << false;
}

void FrmPreviewTest::printCommandsOpenPreview()
{
    QFETCH(QString, command);
    QFETCH(bool, writePdf);
    vc::Printer::setCurrent(vc::PrinterList::pdfFileName());
    WindowFixture fx;
    vc::MainForm &main = fx.main();
    vc::installReports(main);
    main.btnCalc_Click();
    main.selectPage(vc::MainForm::FamilyPage);
    main.Image9_Click(0);
    main.selectPage(vc::MainForm::DistancePage);
    main.selectPage(vc::MainForm::SummaryPage);
    main.selectPage(vc::MainForm::TenderPage);

    const QString pdf = fx.path(QStringLiteral("Data/offer.pdf"));
    bool seen = false;
    QTimer::singleShot(0, this, [&] {
        auto *preview = qobject_cast<vc::FrmPreview *>(QApplication::activeModalWidget());
        if (!preview)
            return;
        seen = true;
        auto *text = preview->findChild<QTextEdit *>(QStringLiteral("RichTextBox1"));
        QVERIFY(text && text->toPlainText().contains(main.Label20(5).text()));
        QCOMPARE(text->lineWrapMode(), QTextEdit::FixedPixelWidth);
        QVERIFY(!preview->findChildren<QComboBox *>().isEmpty());
        if (writePdf) {
            QDir().mkpath(QStringLiteral(VC_BIN_DIR "/../screenshots"));
            preview->grab().save(QStringLiteral(VC_BIN_DIR "/../screenshots/frmPreview.png"));
            fx.dialogs.script(pdf);
            for (QAbstractButton *b : preview->findChildren<QAbstractButton *>())
                if (b->text().startsWith(QLatin1String("PDF")))
                    b->click();
        }
        preview->reject();
    });
    if (command == QLatin1String("mnuPrint")) {
        QAction *action = fx.window().binder().action(command);
        QVERIFY(action && action->isEnabled());
        action->trigger();
    } else {
        auto *button = qobject_cast<QAbstractButton *>(fx.window().binder().widget(command));
        QVERIFY(button && button->isEnabled());
        button->click();
    }
    QVERIFY(seen);
    if (writePdf) {
        QVERIFY(QFile::exists(pdf));
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        p.waitForFinished();
        const QString text = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY(text.contains(QLatin1String("Calculation report")) &&
                text.contains(QLatin1String("Tender text")));
    }
}

QTEST_MAIN(FrmPreviewTest)
#include "frmpreviewtest.moc"
