// The print preview window opened from the main window's Print buttons and
// menu, driven offscreen: what it shows, its printer list, and "PDF…".
#include "frmpreview.h"
#include "formbinder.h"
#include "frmmainwindow.h"
#include "mainform.h"
#include "print/printer.h"
#include "printpreview.h"
#include "readback.h"
#include "reportdocuments.h"
#include "windowfixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QTest>
#include <QTextEdit>

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
    const auto act = [&](QWidget *preview) {
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
    };
    const auto trigger = [&] {
        if (command == QLatin1String("mnuPrint"))
            fx.action(command)->trigger();
        else
            fx.widget<QAbstractButton>(command)->click();
    };
    QCOMPARE(vc::test::inModal(trigger, act), QStringLiteral("vc::FrmPreview"));
    if (writePdf) {
        QVERIFY(QFile::exists(pdf));
        const QString text = vc::test::pdfText(pdf);
        QVERIFY(text.contains(QLatin1String("Calculation report")) &&
                text.contains(QLatin1String("Tender text")));
    }
}

QTEST_MAIN(FrmPreviewTest)
#include "frmpreviewtest.moc"
