#pragma once

#include <QList>
#include <QRectF>
#include <QSet>
#include <QString>
#include <QStringList>

namespace vc::test {

// What a program writes to standard output; its exit code in *status (-1 when it crashed).
QString run(const QString &program, const QStringList &args, int *status = nullptr);

// The built command line, as a batch user runs it.
struct CliRun
{
    int status;
    QString out, err;
};
CliRun runCli(const QStringList &args);

// A PDF read back with poppler: its page count (-1 when unreadable) and its text.
int pdfPages(const QString &pdf);
QString pdfText(const QString &pdf, bool layout = false);
// Its words, each with its box in points from its page's top left corner.
struct PdfWord
{
    QString text;
    QRectF box;
};
QList<PdfWord> pdfWords(const QString &pdf);

// The private CUPS server of scripts/cups-start.sh and its queue.
void useTestCups();
QString testQueue();

// The job files the queue keeps, each stamped with its modification time so a
// file written again counts as new; then up to n files that were not there
// before, once written whole, in job order; with a title, only PDFs whose
// title holds it, as the queue is shared. Waits a minute at most.
QSet<QString> keptJobs();
QStringList newJobs(const QSet<QString> &before, int n = 1, const QString &title = QString());

} // namespace vc::test
