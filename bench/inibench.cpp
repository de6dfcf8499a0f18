// Loading the main window's captions: 101 keys read one by one from a
// language file of 2 000 keys, as the caption loader does it. Target: under
// 2 ms including the one parse of the file.
#include "ini/inistore.h"
#include "ini/vixinihandling.h"

#include <algorithm>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <vector>

namespace {

constexpr int kKeys = 2000;
constexpr int kCaptions = 101;
constexpr double kBudgetMs = 2.0;

// Twenty window sections of 100 keys each; frmMain is the eleventh, so the
// reader has to pass half the file before it.
QByteArray languageFile(QStringList *captionKeys)
{
    QByteArray text;
    for (int s = 0; s < kKeys / 100; ++s) {
        const QByteArray section =
            s == 10 ? QByteArray("frmMain") : "frmWindow" + QByteArray::number(s);
        text += "[" + section + "]\r\n";
        for (int k = 0; k < 100; ++k) {
            const QByteArray key =
                "Label" + QByteArray::number(k % 40) + "(" + QByteArray::number(k) + ").Caption";
            text += key + "=Beschriftung Nummer " + QByteArray::number(s * 100 + k) +
                    " f\xFCr die Luftbefeuchtung\r\n";
            if (s == 10)
                captionKeys->append(QString::fromLatin1(key));
        }
    }
    captionKeys->append(QStringLiteral("Caption")); // the 101st: absent, reads ""
    return text;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Deutsch.lng"));
    QStringList keys;
    {
        QFile f(file);
        if (!f.open(QIODevice::WriteOnly) || f.write(languageFile(&keys)) < 0)
            return 2;
    }
    const vc::VixIniHandling ini;
    const QString section = QStringLiteral("frmMain");

    std::vector<double> cold;
    std::vector<double> warm;
    int found = 0;
    for (int run = 0; run < 200; ++run) {
        vc::IniStore::clearCache();
        QElapsedTimer timer;
        timer.start();
        found = 0;
        for (const QString &key : keys)
            found += ini.Read_INI(file, section, key).isEmpty() ? 0 : 1;
        cold.push_back(timer.nsecsElapsed() / 1e6);

        timer.restart();
        for (const QString &key : keys)
            found -= ini.Read_INI(file, section, key).isEmpty() ? 0 : 1;
        warm.push_back(timer.nsecsElapsed() / 1e6);
    }
    if (found != 0 || keys.size() != kCaptions)
        return 2;

    const double coldMs = median(cold);
    out << "inibench: " << kCaptions << " caption keys from a " << kKeys
        << "-key language file: " << QString::number(coldMs, 'f', 3) << " ms with the parse, "
        << QString::number(median(warm), 'f', 3) << " ms from the parsed file (median of "
        << cold.size() << "; budget " << kBudgetMs << " ms) "
        << (coldMs < kBudgetMs ? "ok" : "TOO SLOW") << Qt::endl;
    return coldMs < kBudgetMs ? 0 : 1;
}
