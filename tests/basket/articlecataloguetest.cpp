#include "articlecatalogue.h"
#include "convert/numberformat.h"
#include "datarows.h"
#include "distributorsizing.h"
#include "familychoice.h"
#include "ini/vixinihandling.h"
#include "loadcalculation.h"
#include "testsupport.h"

#include <QSet>
#include <QtTest>
#include <set>

using namespace vc;

// The shipped catalogue in every language, walked against everything the
// design can propose, and catalogue files that are not what they should be.
class ArticleCatalogueTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void shippedTree_data() { test::addRows(QStringLiteral("catalogues.tsv")); }

    void shippedTree()
    {
        QFETCH(QString, folder);
        QFETCH(QString, language);
        QFETCH(QString, units);
        QFETCH(QString, distributors);
        const ArticleCatalogue catalogue = shipped(folder, language);
        QVERIFY(catalogue.problems().empty());

        // Four roots, then per root its groups in the window's order; the same article numbers
        // in every language.
        QCOMPARE(level(catalogue, 0),
                 QStringList({"vUnits", "vAccessoires", "Options", "vConsumables"}));
        const QStringList groups = level(catalogue, 1);
        QCOMPARE(QString::number(groups.size()) + ' ' + groups.at(9), "20 A_Distributor");
        const auto text = [&](const char *key) {
            return catalogue.nodes().at(catalogue.indexOf(QLatin1String(key))).text;
        };
        QCOMPARE(QStringList({text("vUnits"), text("A_Distributor"), text("Options")}),
                 QStringList({units, distributors, "Options"}));
        QCOMPARE(level(catalogue, 2), level(shipped("En", "English"), 2));

        // Every article has a description and its picture, every unit a capacity.
        for (int i = 0; i < int(catalogue.nodes().size()); ++i) {
            if (catalogue.nodes()[i].level < 2)
                continue;
            QVERIFY2(!catalogue.nodes()[i].text.trimmed().isEmpty(),
                     qPrintable(catalogue.nodes()[i].key));
            const ArticleCatalogue::Article a = catalogue.article(i);
            QVERIFY2(QFile::exists(test::dataDir() + QStringLiteral("/Docs/img/") + a.img),
                     qPrintable(a.img));
            if (a.isUnit())
                QVERIFY2(a.kgh.toInt() > 0, qPrintable(a.key));
        }
    }

    void everyDesignedUnitAndPipeHasItsArticle_data()
    {
        test::addRows(QStringLiteral("catalogues.tsv"));
    }

    void everyDesignedUnitAndPipeHasItsArticle()
    {
        QFETCH(QString, folder);
        QFETCH(QString, language);
        QFETCH(QString, locale);
        const QLocale numbers(locale);
        const ArticleCatalogue catalogue = shipped(folder, language);
        QSet<QString> texts;
        QStringList pipeTexts;
        for (const auto &node : catalogue.nodes()) {
            texts.insert(node.text.toUpper());
            if (node.parent >= 0 &&
                catalogue.nodes()[node.parent].key == QLatin1String("A_Distributor"))
                pipeTexts << node.text.toUpper();
        }
        // Each pipe text is looked for once, however many widths size it.
        QHash<QString, bool> found;
        auto hasPipe = [&](const QString &pipe) {
            auto it = found.find(pipe);
            if (it == found.end())
                it = found.insert(pipe,
                                  std::any_of(pipeTexts.begin(), pipeTexts.end(),
                                              [&](const QString &t) { return t.contains(pipe); }));
            return *it;
        };

        // The loads as the calculation rounds them, on every connection the lists offer.
        std::set<std::pair<double, int>> steamAndDiameter;
        int units = 0;
        for (int voltage : {230, 400}) {
            for (int phases : {1, 3}) {
                for (int tenths = 1; tenths <= 1600; ++tenths) {
                    const double load = tenths / 10.0;
                    const QString code = LoadCalculation::modelSizeCode(load, voltage, phases);
                    bool chosen = false;
                    for (int family = 0; family < FamilyChoice::count; ++family) {
                        if (FamilyChoice::refuses(family, code.toDouble(), phases))
                            continue;
                        chosen = true;
                        const bool startsAt4 = family <= 2 && (code == QLatin1String("222") ||
                                                               code == QLatin1String("322"));
                        const QString unit = FamilyChoice::name(family) + QStringLiteral(" / ") +
                                             (startsAt4 ? QStringLiteral("422") : code);
                        QVERIFY2(texts.contains(unit.toUpper()), qPrintable(unit));
                        ++units;
                    }
                    LoadCalculation::Preset preset =
                        LoadCalculation::distributorPreset(load, load, voltage);
                    // The smallest sizes run at the capacity of their code.
                    if (code == QLatin1String("222") || code == QLatin1String("322") ||
                        code == QLatin1String("422"))
                        preset.steamValue = code.left(1).toDouble();
                    if (chosen && preset.steamValue > 0 && preset.diameter > 0)
                        steamAndDiameter.insert({preset.steamValue, preset.diameter});
                }
            }
        }
        QVERIFY(units > 1000);
        // Every duct width from 120 mm: a pipe from the table or one cut to the duct.
        int pipes = 0;
        for (const auto &[steam, diameter] : steamAndDiameter) {
            for (int width = 120; width <= 4000; ++width) {
                const double length = DistributorSizing::pipeLength(steam, width);
                const QString pipe = QStringLiteral("%1-%2").arg(diameter).arg(
                    formatNumber(length, QStringLiteral("##,##0"), numbers));
                QVERIFY2(hasPipe(pipe.toUpper()), qPrintable(pipe));
                // In US units the same pipe reads in inches, wherever the length is a standard one.
                if (folder == QLatin1String("En") && length != width - 20) {
                    const QString inches =
                        formatNumber(diameter / 25.4, QStringLiteral("#0.00"), numbers) +
                        QLatin1Char('-') +
                        formatNumber(length / 25.4, QStringLiteral("##,##0.0"), numbers);
                    QVERIFY2(hasPipe(inches), qPrintable(inches));
                }
                ++pipes;
            }
        }
        QVERIFY(pipes > 10000);
    }

    // Files of our own (data/broken): a count that is no number, a key met again in
    // another file, a file of no text; the other 17 missing.
    void brokenCatalogue()
    {
        ArticleCatalogue catalogue;
        catalogue.build(test::testData("broken"), [](const QString &key) { return key; });
        QStringList shown;
        for (const auto &node : catalogue.nodes())
            if (node.level == 2)
                shown << node.key + QLatin1Char('=') + node.text;
        QCOMPARE(shown, QStringList({"1001=Tavro 500 / 1534", "1002=Second", "2001=Hose"}));
        QCOMPARE(catalogue.nodes().at(catalogue.indexOf(QStringLiteral("U_TV"))).text,
                 QStringLiteral("U-TV"));

        int missing = 0;
        QStringList duplicates;
        for (const auto &p : catalogue.problems()) {
            if (p.kind == ArticleCatalogue::Problem::Kind::MissingFile)
                ++missing;
            else
                duplicates << p.file + QLatin1Char(':') + p.key;
        }
        QCOMPARE(missing, 17); // all but the three written
        QCOMPARE(duplicates, QStringList({"A_Hose.dat:1002"}));
        QCOMPARE(catalogue.article(catalogue.indexOf(QStringLiteral("1001"))).kgh,
                 QStringLiteral("fifteen"));
    }

private:
    // The keys of a level of the tree: roots, groups, articles.
    static QStringList level(const ArticleCatalogue &catalogue, int level)
    {
        QStringList keys;
        for (const auto &node : catalogue.nodes())
            if (node.level == level)
                keys << node.key;
        return keys;
    }

    static ArticleCatalogue shipped(const QString &folder, const QString &language)
    {
        const QString lng =
            test::dataDir() + QStringLiteral("/Language/") + language + QStringLiteral(".lng");
        ArticleCatalogue catalogue;
        catalogue.build(test::dataDir() + QStringLiteral("/Docs\\") + folder,
                        [&](const QString &key) {
                            return VixIniHandling().Read_INI(lng, QStringLiteral("frmKorb"), key);
                        });
        return catalogue;
    }
};

QTEST_GUILESS_MAIN(ArticleCatalogueTest)
#include "articlecataloguetest.moc"
