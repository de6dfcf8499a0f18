#include "infotext.h"
#include "datarows.h"
#include "form/appglobals.h"
#include "richtext/richtextfield.h"
#include "testsupport.h"

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
    void documentPath_data() { addRows(QStringLiteral("infotextpaths.tsv")); }

    void documentPath()
    {
        QFETCH(QString, language);
        QFETCH(QString, folder);
        app().DocsPath = QStringLiteral("C:\\VC\\Docs");
        app().LanguageName = language;
        QCOMPARE(InfoText::documentPath(), folder + QStringLiteral("\\SC.RTF"));
        QCOMPARE(app().LanguageDocsPath, folder);
    }

    void shippedDocuments_data() { addRows(QStringLiteral("infotexts.tsv")); }

    void shippedDocuments()
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

private:
    AppGlobals m_saved;
};

QTEST_MAIN(InfoTextTest)
#include "infotexttest.moc"
