#include "korbform.h"
#include "../design/designfixture.h"
#include "basketstore.h"
#include "datarows.h"
#include "form/platformservices.h"
#include "testsupport.h"

#include <memory>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QtTest>

using namespace vc;

// The basket window's logic on the shipped catalogue and on small ones of
// our own: details, Add, Remove, Insert, the project file, the closing
// question, Copy and Export.
class KorbFormTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_fx = std::make_unique<test::DesignFixture>();
        app().DataPath = m_install.path();
        app().SettingsFile = m_install.filePath(QStringLiteral("VeltrannCalc.ini"));
        Services::setClipboard(&m_clipboard);
        m_form = std::make_unique<KorbForm>(m_fx->f());
    }

    void cleanup()
    {
        m_form.reset();
        m_fx.reset(); // restores the globals and the other services
        Services::setClipboard(nullptr);
    }

    void details_data() { test::addRows(QStringLiteral("basketdetails.tsv")); }

    void details()
    {
        QFETCH(QString, key);
        QFETCH(bool, unitShown);
        QFETCH(QStringList, fields);
        QFETCH(QString, checks);
        QFETCH(bool, picture);
        QFETCH(bool, messageShown);
        useCatalogue();
        const QString messagesBefore = message();
        QVERIFY(node(key) >= 0);
        m_form->WKorb_NodeClick(node(key));
        Form &f = m_form->form();
        QCOMPARE(QList<bool>({f.at("frmGerate").isVisible(), f.at("frmOption").isVisible(),
                              m_form->IsOtherArticle}),
                 QList<bool>({unitShown, !unitShown, !unitShown}));
        const QList<int> indexes = unitShown ? QList<int>{0, 1, 2, 3, 6} : QList<int>{4, 5};
        for (int i = 0; i < indexes.size(); ++i)
            QCOMPARE(m_form->lbDesc1(indexes[i]).text(), fields[i]);
        for (int i = 0; i < checks.size(); ++i)
            QCOMPARE(!m_form->ImgCheck(i).picture().isEmpty(), checks[i] == u'1');
        QCOMPARE(f.at(QStringLiteral("artImage")).isVisible(), picture);
        QCOMPARE(message() != messagesBefore, messageShown);
    }

    void addAndRemove()
    {
        useCatalogue();
        // 18 catalogue files are missing: each is named in the message line.
        QCOMPARE(message().count(QLatin1String("is missing")), 18);
        BasketList &list = m_form->ListView1();
        m_form->WKorb_NodeClick(node(QStringLiteral("1001")));
        m_form->Command1_Click();
        m_form->WKorb_NodeClick(node(QStringLiteral("2001")));
        m_form->Command1_Click();
        m_form->Command1_Click();
        QCOMPARE(list.rows(), (std::vector<BasketRow>{{"1", "1001", "Tavro 500 / 1534"},
                                                      {"1", "2001", "Hose DN 22"},
                                                      {"1", "2001", "Hose DN 22"}}));
        Control &remove = m_form->form().at(QStringLiteral("Command2"));
        QVERIFY(!remove.isEnabled());
        m_form->ListView1_KeyDown(KorbForm::keyDelete); // nothing selected: nothing happens
        QCOMPARE(list.count(), 3);
        m_form->ListView1_Click(0);
        QVERIFY(remove.isEnabled());
        m_form->ListView1_KeyDown(KorbForm::keyDelete);
        m_form->ListView1_Click(1);
        m_form->Command2_Click();
        QCOMPARE(list.rows(), (std::vector<BasketRow>{{"1", "2001", "Hose DN 22"}}));
    }

    void insertFromCalculation_data() { test::addRows(QStringLiteral("insertpipe.tsv")); }

    void insertFromCalculation()
    {
        QFETCH(QString, length);
        QFETCH(QString, pipe);
        m_form->Form_Load();
        QVERIFY(m_form->catalogue().problems().empty());
        m_fx->f().Label20(7).setText(QStringLiteral("TAVRO 500"));
        m_fx->f().Label20(8).setText(QStringLiteral("1534"));
        m_fx->f().Label30(4).setText(QStringLiteral("35"));
        m_fx->f().Label30(3).setText(length);
        m_fx->f().Text3(5).setText(QStringLiteral("2"));
        m_form->Command5_Click();
        QStringList shown = listed(); // article numbers are all digits
        shown.replaceInStrings(QRegularExpression(QStringLiteral("\\|\\d+\\|")), "|");
        QCOMPARE(shown, QStringList({"1|Tavro 500 / 1534", "2|" + pipe}));
    }

    void savedLayoutByteForByte()
    {
        const QString project = m_install.filePath(QStringLiteral("Hotel.sti"));
        QVERIFY(test::writeFile(project,
                                "[Seite1-Text1]\r\n0=Hotel\r\n[Ger\xe4t]\r\nModel=Sorbix\r\n"));
        const std::vector<BasketRow> rows{{"1", "1101001", "Tavro 500 / 422"},
                                          {"4", "23020900", "Steam distribution pipe, 35-900"}};
        QVERIFY(BasketStore::save(project, rows));
        QCOMPARE(test::readFile(project), test::readFile(test::testData("savedbasket.sti")));
        const BasketStore::Loaded loaded = BasketStore::load(project);
        QCOMPARE(loaded.rows, rows);
        QVERIFY(!loaded.repaired);
        // Saving a shorter basket leaves no old line behind.
        QVERIFY(BasketStore::save(project, {rows[1]}));
        QCOMPARE(BasketStore::load(project).rows, std::vector<BasketRow>{rows[1]});
        QVERIFY(test::readFile(project).endsWith(
            "[wKorb]\r\n0=4\r\n1=23020900\r\n2=Steam distribution pipe, 35-900\r\n3=\r\n"));
    }

    void damagedRows_data() { test::addRows(QStringLiteral("basketrows.tsv")); }

    void damagedRows()
    {
        QFETCH(QByteArray, rows);
        QFETCH(QByteArray, values);
        QFETCH(QStringList, lines);
        QFETCH(bool, repaired);
        const QString project = m_install.filePath(QStringLiteral("Damaged.sti"));
        QByteArray text = "[Seite1-Text1]\r\n0=x\r\n";
        if (!rows.isNull())
            text += "[WKorbListe]\r\nRows=" + rows + "\r\n";
        if (!values.isEmpty())
            text += "[wKorb]\r\n" + values;
        QVERIFY(test::writeFile(project, text));
        app().ProjectFile = project;
        m_form->Form_Load();
        QCOMPARE(listed(), lines);
        QCOMPARE(message().contains(QLatin1String("damaged")), repaired);
    }

    void closing_data() { test::addRows(QStringLiteral("basketclosing.tsv")); }

    void closing()
    {
        QFETCH(int, rows);
        QFETCH(bool, hasProject);
        QFETCH(QString, answer);
        QFETCH(bool, asked);
        QFETCH(bool, keptOpen);
        QFETCH(bool, written);
        const QString project = m_install.filePath(QStringLiteral("Closing.sti"));
        QFile::remove(project);
        if (hasProject) {
            QVERIFY(test::writeFile(project, "[Seite1-Text1]\r\n0=x\r\n"));
            app().ProjectFile = project;
        }
        m_fx->dialogs.script(project); // the Save dialog's answer, when Save asks
        m_fx->messages.script(answer == QLatin1String("Yes")  ? MessageService::Answer::Yes
                              : answer == QLatin1String("No") ? MessageService::Answer::No
                                                              : MessageService::Answer::Cancel);
        m_form->Form_Load();
        for (int i = 0; i < rows; ++i)
            m_form->ListView1().append(
                {QStringLiteral("1"), QStringLiteral("K%1").arg(i), QStringLiteral("D")});

        QCOMPARE(m_form->Form_QueryUnload(), keptOpen);
        QVERIFY2(m_fx->messages.shown().size() == size_t(asked ? 1 : 0),
                 qPrintable(m_fx->messages.texts().join(u'|')));
        if (asked) // the basket's own question
            QVERIFY(m_fx->messages.shown().front().buttons ==
                        MessageService::Buttons::YesNoCancel &&
                    m_fx->messages.shown().front().text.startsWith("The basket is not y"));
        QCOMPARE(BasketStore::load(project).rows.size(), size_t(written ? rows : 0));
        QCOMPARE(m_form->ListView1().count(), rows);
    }

    void clipboardText()
    {
        BasketList &list = m_form->ListView1();
        m_form->Command4_Click();
        QCOMPARE(m_clipboard.text(), QStringLiteral("QTA\tART\tDescription\r\n"));
        list.append({QStringLiteral("2"), QStringLiteral("K"), QStringLiteral("D")});
        list.append({QStringLiteral("1"), QStringLiteral("4301005"),
                     QString::fromUtf8("Dampfzylinder für Tavro 500")});
        m_form->Command4_Click();
        QCOMPARE(
            m_clipboard.text(),
            QString::fromUtf8(
                "QTA\tART\tDescription\r\n2\tK\tD\r\n1\t4301005\tDampfzylinder für Tavro 500\r\n"));
    }

    void csvReadBackByAParser()
    {
        const std::vector<BasketRow> rows{
            {"1", "1101001", "Tavro 500 / 422"},
            {"4", "23020900", "Steam distribution pipe 35-1,200 mm"},
            {"2", "3201001", "Hygrostat \"Room\", 30 %"},
            {"1", "2201022", QString::fromUtf8("Wąż parowy DN 22, za metr")},
            {"", "", "two\r\nlines"}};
        for (const BasketRow &row : rows)
            m_form->ListView1().append(row);
        const QString path = m_install.filePath(QStringLiteral("basket.csv"));
        m_fx->dialogs.script(path);
        m_form->cmdExport_Click();
        QProcess python;
        python.start(QStringLiteral("python3"),
                     {QStringLiteral("-c"),
                      QStringLiteral("import csv, json, sys; "
                                     "print(json.dumps(list(csv.reader(open(sys.argv[1], "
                                     "encoding='utf-8-sig', newline='')))))"),
                      path});
        QVERIFY(python.waitForFinished(30000));
        const QJsonArray read = QJsonDocument::fromJson(python.readAllStandardOutput()).array();
        QCOMPARE(read.size(), 6);
        QCOMPARE(read.at(0).toArray().toVariantList(), QVariantList({"QTA", "ART", "Description"}));
        for (int i = 0; i < 5; ++i)
            QCOMPARE(read.at(i + 1).toArray().toVariantList(),
                     QVariantList({rows[i].quantity, rows[i].article, rows[i].description}));
    }

private:
    // Two small catalogue files of our own (tests/basket/data/catalogue), the other 18 missing.
    void useCatalogue()
    {
        app().DocsPath = m_install.path();
        const QString img = test::dataDir() + QStringLiteral("/Docs/img/");
        const QList<QPair<QString, QString>> files{
            {test::testData("catalogue/U_TV.dat"), "En/U_TV.dat"},
            {test::testData("catalogue/A_Hose.dat"), "En/A_Hose.dat"},
            {img + "check.jpg", "img/check.jpg"},
            {img + "A-hose.jpg", "img/a-HOSE.jpg"}};
        for (const auto &[from, to] : files)
            QVERIFY(test::writeFile(m_install.filePath(to), test::readFile(from)));
        m_form->Form_Load();
    }

    // The basket's rows as "quantity|article|description".
    QStringList listed() const
    {
        QStringList shown;
        for (const BasketRow &row : m_form->ListView1().rows())
            shown << row.quantity + u'|' + row.article + u'|' + row.description;
        return shown;
    }

    QString message() const { return m_form->form().at(QStringLiteral("lblMessage")).text(); }
    int node(const QString &key) const { return m_form->catalogue().indexOf(key); }

    test::TempInstall m_install{false};
    MemoryClipboard m_clipboard;
    std::unique_ptr<test::DesignFixture> m_fx;
    std::unique_ptr<KorbForm> m_form;
};

QTEST_GUILESS_MAIN(KorbFormTest)
#include "korbformtest.moc"
