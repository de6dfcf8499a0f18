#include "projectfile.h"
#include "datarows.h"
#include "designfixture.h"

#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

using namespace vc;
using vc::test::DesignFixture;

namespace {

// A loaded main window's form.
std::unique_ptr<MainForm> loadedForm()
{
    auto f = std::make_unique<MainForm>();
    f->load();
    return f;
}

void fillDesign(MainForm &f)
{
    const QStringList info = {"Hôtel Lumière",  "Spa",     "AHU 2", "2026/114", "R-7",
                              "Müller & Söhne", "A. User", "Nord"};
    for (int i = 0; i < 8; ++i)
        f.Text1(i).setText(info.at(i));
    f.Text2(0).setText(QStringLiteral("12500"));
    f.Combo2(1).setText(QStringLiteral("960"));
    f.Text3(1).setText(QStringLiteral("1200"));
    f.btnCalc_Click();
    f.Image9_Click(2);
}

} // namespace

// The main window's part of a project file, written and read back byte by
// byte and field by field, and files that are not what they should be.
class ProjectFileTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_fixture = std::make_unique<DesignFixture>();
        app().ProjectFile = m_dir->filePath(QStringLiteral("Hotel.sti"));
    }
    void cleanup()
    {
        m_fixture.reset();
        m_dir.reset();
    }
    void newFileAfterAFullDesign();
    void saveWithoutFamilyKeepsWhatItDoesNotWrite();
    void missingEntriesEmptyTheirFields();
    void brokenFiles_data() { test::addRows(QStringLiteral("projectcheck.tsv")); }
    void brokenFiles();
    void encodings_data();
    void encodings();
    void textOutsideWindows1252_data() { test::addRows(QStringLiteral("clientnames.tsv")); }
    void textOutsideWindows1252();
    void sizeIsNoSignOfAProject();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<DesignFixture> m_fixture;
};

void ProjectFileTest::newFileAfterAFullDesign()
{
    auto f = loadedForm();
    fillDesign(*f);
    QVERIFY(WriteProject(*f));
    QVERIFY(!f->ProjectChanged);
    // Windows-1252 with CRLF, every section in the order the program has always written it.
    QCOMPARE(test::readFile(app().ProjectFile),
             test::readFile(test::testData(QStringLiteral("fulldesign.sti"))));
}

void ProjectFileTest::saveWithoutFamilyKeepsWhatItDoesNotWrite()
{
    QVERIFY(test::writeFile(app().ProjectFile,
                            "[WKorbListe]\r\nRows=3\r\n[wKorb]\r\n0=1\r\n1=TV-4\r\n2=Unit\r\n3=\r\n"
                            "[Ger\xe4t]\r\nModel=Oskel\r\nBild=U-oskel.jpg\r\n"));
    auto f = loadedForm();
    f->btnCalc_Click(); // no family: the picture step fails
    QVERIFY(!WriteProject(*f));
    QVERIFY(f->ProjectChanged);
    const VixIniHandling ini;
    QCOMPARE(ini.Read_INI(app().ProjectFile, QStringLiteral("WKorb"), QStringLiteral("1")),
             QStringLiteral("TV-4"));
    QCOMPARE(ini.Read_INI(app().ProjectFile, QStringLiteral("Ger\u00e4t"), QStringLiteral("Model")),
             QString());
    QCOMPARE(ini.Read_INI(app().ProjectFile, QStringLiteral("Ger\u00e4t"), QStringLiteral("Bild")),
             QStringLiteral("U-oskel.jpg"));
    QCOMPARE(ini.Read_INI(app().ProjectFile, QStringLiteral("Seite2-Text2"), QStringLiteral("0")),
             QStringLiteral("8000"));
}

void ProjectFileTest::missingEntriesEmptyTheirFields()
{
    QVERIFY(test::writeFile(app().ProjectFile,
                            "[Seite2-Text2]\r\n0=  9000  \r\n2=\"21\"\r\n"
                            "[Ger\xe4t]\r\nModel=Falcy 500\r\nBild=U-gone.jpg\r\n"));
    auto f = loadedForm();
    f->ImageSelected().setPicture(QStringLiteral("shown.jpg"));
    f->picturePath = QStringLiteral("shown.jpg");
    QVERIFY(ReadProject(*f));
    // A picture that is gone leaves the one shown.
    QCOMPARE(f->Label20(7).text(), QStringLiteral("Falcy 500"));
    QCOMPARE(f->ImageSelected().picture(), QStringLiteral("shown.jpg"));
    QCOMPARE(f->picturePath, QStringLiteral("shown.jpg"));
    QCOMPARE(f->Text2(0).text(), QStringLiteral("9000")); // blanks lost, as always
    QCOMPARE(f->Text2(1).text(), QString());
    QCOMPARE(f->Text2(2).text(), QStringLiteral("21"));
    QCOMPARE(f->Combo2(1).text(), QString());
    QCOMPARE(f->Text3(1).text(), QString());
    // What is missing calculates like anything typed.
    f->calculateLoad();
    QVERIFY(f->NoModelFound);
}

void ProjectFileTest::brokenFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, project);
    QVERIFY(test::writeFile(app().ProjectFile, bytes));
    QCOMPARE(isProjectFile(app().ProjectFile), project);
    QVERIFY(!isProjectFile(app().ProjectFile + QStringLiteral(".missing")));
    auto f = loadedForm();
    QVERIFY(ReadProject(*f));
    f->calculateLoad();
    f->btnCalcHumid_Click();
    QCOMPARE(test::readFile(app().ProjectFile), bytes); // reading never writes
}

void ProjectFileTest::encodings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QString text = QStringLiteral("[Seite1-Text1]\r\n0=H\u00f4tel Lumi\u00e8re\r\n"
                                        "[Ger\u00e4t]\r\nModel=Sorbix\r\n");
    using Encoder = QStringEncoder;
    QTest::newRow("Windows-1252") << QByteArray(
        "[Seite1-Text1]\r\n0=H\xF4tel Lumi\xE8re\r\n[Ger\xE4t]\r\nModel=Sorbix\r\n");
    QTest::newRow("UTF-8 with byte-order mark") << "\xEF\xBB\xBF" + text.toUtf8();
    QTest::newRow("UTF-8 without byte-order mark") << text.toUtf8();
    QTest::newRow("UTF-16 little-endian")
        << QByteArray(Encoder(Encoder::Utf16LE, Encoder::Flag::WriteBom)(text));
    QTest::newRow("UTF-16 big-endian")
        << QByteArray(Encoder(Encoder::Utf16BE, Encoder::Flag::WriteBom)(text));
}

void ProjectFileTest::encodings()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(test::writeFile(app().ProjectFile, bytes));
    QVERIFY(isProjectFile(app().ProjectFile));
    auto f = loadedForm();
    QVERIFY(ReadProject(*f));
    QCOMPARE(f->Text1(0).text(), QStringLiteral("H\u00f4tel Lumi\u00e8re"));
    QCOMPARE(f->Label20(7).caption(), QStringLiteral("Sorbix"));
}

void ProjectFileTest::textOutsideWindows1252()
{
    QFETCH(QString, client);
    QFETCH(bool, utf8);
    auto f = loadedForm();
    fillDesign(*f);
    QVERIFY(WriteProject(*f)); // all Windows-1252 so far
    const QByteArray first = test::readFile(app().ProjectFile);
    QVERIFY(first.contains("[Ger\xE4t]"));
    f->Text1(0).setText(client);
    QVERIFY(WriteProject(*f));

    const QByteArray bytes = test::readFile(app().ProjectFile);
    QCOMPARE(bytes.startsWith("\xEF\xBB\xBF"), utf8);
    QVERIFY(!bytes.contains('?'));
    if (!utf8) // every line but the client's keeps its bytes
        QCOMPARE(bytes.mid(bytes.indexOf("1=")), first.mid(first.indexOf("1=")));
    // Read back field by field; results are not stored, Open recalculates them.
    auto g = loadedForm();
    g->ProjectChanged = true;
    QVERIFY(ReadProject(*g));
    QVERIFY(!g->ProjectChanged);
    QStringList stored{"Text2(0)", "Text2(1)", "Text2(2)", "Combo3(0)", "Text3(1)", "Text3(2)"};
    for (int i = 0; i < 8; ++i)
        stored << Form::item(QStringLiteral("Text1"), i);
    for (int i = 0; i < 6; ++i)
        stored << Form::item(QStringLiteral("Combo2"), i);
    for (const QString &name : stored)
        QCOMPARE(name + QLatin1Char('=') + (*g)[name].text(),
                 name + QLatin1Char('=') + (*f)[name].text());
    QCOMPARE(g->Label20(7).caption(), f->Label20(7).caption());
    QCOMPARE(g->ImageSelected().picture(), f->picturePath);
    QCOMPARE(g->Label20(5).text(), QString());
}

void ProjectFileTest::sizeIsNoSignOfAProject()
{
    // One value of 1 MB: read as the INI rules read it, cut at 254 characters.
    QByteArray bytes = "[Seite1-Text1]\r\n0=" + QByteArray(1 << 20, 'x') + "\r\n1=Spa\r\n";
    QVERIFY(test::writeFile(app().ProjectFile, bytes));
    QCOMPARE(checkProjectFile(app().ProjectFile), ProjectFileCheck::Project);
    auto f = loadedForm();
    QVERIFY(ReadProject(*f));
    QCOMPARE(f->Text1(0).text(), QString(254, QLatin1Char('x')));
    QCOMPARE(f->Text1(1).text(), QStringLiteral("Spa"));

    // Beyond any real project's size the file is not even read.
    QFile huge(app().ProjectFile);
    QVERIFY(huge.resize(qint64(65) << 20));
    QCOMPARE(checkProjectFile(app().ProjectFile), ProjectFileCheck::TooLarge);
}

QTEST_GUILESS_MAIN(ProjectFileTest)
#include "projectfiletest.moc"
