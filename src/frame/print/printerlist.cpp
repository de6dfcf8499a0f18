#include "print/printerlist.h"

#include <QPrinterInfo>

namespace vc {

const QString &PrinterList::pdfFileName()
{
    static const QString name = QStringLiteral("PDF file");
    return name;
}

PrinterInfo PrinterList::pdfFile()
{
    return {pdfFileName(), QStringLiteral("PDF")};
}

QList<PrinterInfo> SystemPrinterList::installed() const
{
    QList<PrinterInfo> list;
    for (const QPrinterInfo &info : QPrinterInfo::availablePrinters()) {
        QString driver = info.makeAndModel();
        if (driver.isEmpty())
            driver = info.description();
        list << PrinterInfo{info.printerName(), driver};
    }
    list << pdfFile();
    return list;
}

QString SystemPrinterList::defaultName() const
{
    const QString name = QPrinterInfo::defaultPrinterName();
    return name.isEmpty() ? pdfFileName() : name;
}

QList<PrinterInfo> ScriptedPrinterList::installed() const
{
    QList<PrinterInfo> list = m_printers;
    list << pdfFile();
    return list;
}

QString ScriptedPrinterList::defaultName() const
{
    return m_default.isEmpty() ? (m_printers.isEmpty() ? pdfFileName() : m_printers.first().deviceName) : m_default;
}

} // namespace vc
