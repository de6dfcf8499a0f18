#include "readback.h"
#include "testsupport.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

namespace vc::test {

QString run(const QString &program, const QStringList &args, int *status)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(120000);
    if (status)
        *status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromUtf8(p.readAllStandardOutput());
}

CliRun runCli(const QStringList &args)
{
    QProcess p;
    p.start(binDir() + QStringLiteral("/veltranncalc-cli"), args);
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

int pdfPages(const QString &pdf)
{
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                                          .match(run(QStringLiteral("pdfinfo"), {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QString pdfText(const QString &pdf, bool layout)
{
    QStringList args{pdf, QStringLiteral("-")};
    if (layout)
        args.prepend(QStringLiteral("-layout"));
    return run(QStringLiteral("pdftotext"), args);
}

QList<PdfWord> pdfWords(const QString &pdf)
{
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QList<PdfWord> words;
    const QString boxes = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, "-"});
    for (auto it = word.globalMatch(boxes); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        words.append(
            {m.captured(5), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                   QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
    }
    return words;
}

void useTestCups()
{
    if (qEnvironmentVariableIsEmpty("CUPS_SERVER"))
        qputenv("CUPS_SERVER", "127.0.0.1:8631");
}

QString testQueue()
{
    return QStringLiteral("VeltrannPDF");
}

// What cups-pdf keeps of each job.
static QFileInfoList jobFiles()
{
    const QByteArray dir = qgetenv("VC_CUPS_DIR");
    return QDir((dir.isEmpty() ? QStringLiteral("/tmp/vc-cups") : QString::fromLocal8Bit(dir)) +
                QStringLiteral("/spool"))
        .entryInfoList({QStringLiteral("d*-001")}, QDir::Files, QDir::Name);
}

static QString stamp(const QFileInfo &f)
{
    return f.filePath() + QLatin1Char('@') + QString::number(f.lastModified().toMSecsSinceEpoch());
}

QSet<QString> keptJobs()
{
    QSet<QString> set;
    for (const QFileInfo &f : jobFiles())
        set << stamp(f);
    return set;
}

QStringList newJobs(const QSet<QString> &before, int n, const QString &title)
{
    QElapsedTimer t;
    t.start();
    QStringList found;
    QSet<QString> seen = before;
    while (t.elapsed() < 60000 && found.size() < n) {
        for (const QFileInfo &f : jobFiles()) {
            if (seen.contains(stamp(f)) || f.size() == 0 || found.size() == n)
                continue;
            QThread::msleep(300); // cups-pdf renames into place when done; let it settle
            if (QFileInfo(f.filePath()).size() != f.size())
                continue;
            seen << stamp(f);
            if (title.isEmpty() || run(QStringLiteral("pdfinfo"), {f.filePath()}).contains(title))
                found << f.filePath();
        }
        QThread::msleep(200);
    }
    return found;
}

} // namespace vc::test
