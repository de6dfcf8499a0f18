#include "io/filehelpers.h"
#include "datarows.h"
#include "form/platformservices.h"
#include "testsupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using vc::test::writeFile;

class FileHelpersTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QVERIFY(m_dir.isValid()); }
    void missingFolderIsCreatedButReportedMissing();
    void pathExistsKinds_data() { vc::test::addRows(QStringLiteral("pathexists.tsv")); }
    void pathExistsKinds();
    void nativePathMatchesWithoutCase_data()
    {
        vc::test::addRows(QStringLiteral("nativepath.tsv"));
    }
    void nativePathMatchesWithoutCase();
    void fileNameOf();
    void fileDialogSaveAddsExtension();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void FileHelpersTest::missingFolderIsCreatedButReportedMissing()
{
    const QString folder = path(QStringLiteral("Data"));
    QVERIFY(!vc::PathExists(folder, 1, true));
    QVERIFY(QDir(folder).exists());
    QVERIFY(vc::PathExists(folder, 1, true));
    // One folder only: a missing parent is not made.
    QVERIFY(!vc::PathExists(path(QStringLiteral("a/b")), 1, true));
    QVERIFY(!QDir(path(QStringLiteral("a"))).exists());
    // Without create nothing happens.
    QVERIFY(!vc::PathExists(path(QStringLiteral("Docs")), 1, false));
    QVERIFY(!QDir(path(QStringLiteral("Docs"))).exists());
}

void FileHelpersTest::pathExistsKinds()
{
    QFETCH(QString, relative);
    QFETCH(int, kind);
    QFETCH(bool, expected);
    QVERIFY(writeFile(path(QStringLiteral("Unit/SI.lng")), "[x]\r\n"));
    QCOMPARE(vc::PathExists(m_dir.path() + QLatin1Char('/') + relative, kind, false), expected);
}

void FileHelpersTest::nativePathMatchesWithoutCase()
{
    QFETCH(QString, asWritten);
    QFETCH(QString, expected);
    QVERIFY(writeFile(path(QStringLiteral("Docs/img/tavro.jpg")), "jpg"));
    QCOMPARE(vc::nativePath(m_dir.path() + QLatin1Char('/') + asWritten),
             m_dir.path() + QLatin1Char('/') + expected);
}

void FileHelpersTest::fileNameOf()
{
    QVERIFY(writeFile(path(QStringLiteral("Data/Sub/Hotel Nord.sti")), "[x]\r\n"));
    bool ok = false;
    QCOMPARE(vc::FileNameOf(path(QStringLiteral("Data/Sub/Hotel Nord.sti")), &ok),
             QStringLiteral("Hotel Nord.sti"));
    QVERIFY(ok);
    QCOMPARE(vc::FileNameOf(m_dir.path() + QStringLiteral("\\data\\SUB\\hotel nord.STI"), &ok),
             QStringLiteral("Hotel Nord.sti"));
    QVERIFY(ok);
    QCOMPARE(vc::FileNameOf(QString(), &ok), QString());
    QVERIFY(!ok);
    vc::FileNameOf(path(QStringLiteral("Data/missing.sti")), &ok);
    QVERIFY(!ok);
    vc::FileNameOf(path(QStringLiteral("Data")), &ok);
    QVERIFY(!ok);
}

void FileHelpersTest::fileDialogSaveAddsExtension()
{
    vc::ScriptedFileDialogs dialogs;
    vc::Services::setFileDialogs(&dialogs);
    dialogs.script(path(QStringLiteral("Data/MyProject")));
    dialogs.script(path(QStringLiteral("Data/Other.sti")));
    dialogs.script(path(QStringLiteral("Data/README")));
    const QString filter =
        QStringLiteral("Project (*.sti)") + QChar(0) + QStringLiteral("*.sti") + QChar(0);
    QCOMPARE(vc::ShowFileDialog(2, QStringLiteral("Save as"), QStringLiteral("MyProject"), filter,
                                path(QStringLiteral("Data")), QStringLiteral("sti")),
             path(QStringLiteral("Data/MyProject.sti")));
    QCOMPARE(vc::ShowFileDialog(0, QStringLiteral("Save as"), QString(), filter, QString(),
                                QStringLiteral("sti")),
             path(QStringLiteral("Data/Other.sti")));
    const auto &asked = dialogs.asked().front();
    QCOMPARE(asked.mode, vc::FileDialogService::Mode::Save);
    QCOMPARE(asked.filter, QStringLiteral("Project (*.sti)|*.sti"));
    QCOMPARE(asked.defaultName, QStringLiteral("MyProject"));
    QCOMPARE(asked.initialFolder, path(QStringLiteral("Data")));
    // Opening never adds an extension.
    QCOMPARE(vc::ShowFileDialog(1, QStringLiteral("Open"), QString(), QString(), QString(),
                                QStringLiteral("sti")),
             path(QStringLiteral("Data/README")));
    QCOMPARE(dialogs.asked().back().mode, vc::FileDialogService::Mode::Open);
    vc::Services::setFileDialogs(nullptr);
}

QTEST_GUILESS_MAIN(FileHelpersTest)
#include "filehelperstest.moc"
