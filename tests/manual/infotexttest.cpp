#include "infotext.h"
#include "form/appglobals.h"
#include "richtext/richtextfield.h"
#include "datarows.h"
#include "testsupport.h"

#include <QDir>
#include <QTest>
#include <QTextDocument>

using namespace vc;
using namespace vc::test;

class InfoTextTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { m_saved = app(); }
    void cleanup() { app() = m_saved; }
    void documentPath_data();
    void documentPath();
    void shippedDocuments_data();
    void shippedDocuments();
    void missingDocumentShowsNote();

private:
    AppGlobals m_saved;
};

void InfoTextTest::documentPath_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("folder");
    QTest::newRow("English") << "English"
                             << "C:\\VC\\Docs\\En";
    QTest::newRow("Deutsch") << "Deutsch"
                             << "C:\\VC\\Docs\\De";
    QTest::newRow("Polski") << "Polski"
                            << "C:\\VC\\Docs\\Po";
    QTest::newRow("one letter") << "X"
                                << "C:\\VC\\Docs\\X";
    QTest::newRow("no language file") << ""
                                      << "C:\\VC\\Docs\\";
}

void InfoTextTest::documentPath()
{
    QFETCH(QString, language);
    QFETCH(QString, folder);
    app().DocsPath = QStringLiteral("C:\\VC\\Docs");
    app().LanguageName = language;
    QCOMPARE(InfoText::documentPath(), folder + QStringLiteral("\\SC.RTF"));
    QCOMPARE(app().LanguageDocsPath, folder);
}

void InfoTextTest::shippedDocuments_data()
{
    addRows(QStringLiteral("infotexts.tsv"));
}

void InfoTextTest::shippedDocuments()
{
    QFETCH(QString, language);
    QFETCH(QString, title);
    QFETCH(QString, cylinder);
    app().DocsPath = dataDir() + QStringLiteral("/Docs");
    app().LanguageName = language;
    RichTextField field;
    QVERIFY(InfoText::load(field));
    const QString text = field.document()->toPlainText();
    QVERIFY2(text.startsWith(title), qPrintable(text.left(80)));
    QVERIFY(text.contains(cylinder));
    QVERIFY(!text.contains(QLatin1Char('?'))); // no letter fell back to its stand-in
    QVERIFY(text.size() > 2500);
    QCOMPARE(field.lastReadReport().pictures, 1);
    QCOMPARE(field.lastReadReport().tables, 1);
    QCOMPARE(field.lastReadReport().emptyFrames, 0);
}

void InfoTextTest::missingDocumentShowsNote()
{
    TempInstall install;
    app().DocsPath = install.filePath(QStringLiteral("Docs"));
    app().LanguageName = QStringLiteral("Deutsch");
    app().LanguageFile = install.filePath(QStringLiteral("Language/Deutsch.lng"));
    QVERIFY(QFile::remove(install.filePath(QStringLiteral("Docs/De/SC.RTF"))));
    RichTextField field;
    QVERIFY(!InfoText::load(field));
    QCOMPARE(field.text(), InfoText::missingNote());
    QVERIFY(InfoText::missingNote().contains(QStringLiteral("nicht installiert")));
}

QTEST_MAIN(InfoTextTest)
#include "infotexttest.moc"
