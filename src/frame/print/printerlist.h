#pragma once

#include <QList>
#include <QString>

namespace vc {

struct PrinterInfo
{
    QString deviceName;
    QString driverName;
    bool operator==(const PrinterInfo &o) const { return deviceName == o.deviceName && driverName == o.driverName; }
};

// The installed printers in the system's order. The system list asks CUPS;
// tests install a scripted one. Both end with the "PDF file" printer, so a
// user without a printer can still produce the documents.
class PrinterList
{
public:
    virtual ~PrinterList() = default;
    virtual QList<PrinterInfo> installed() const = 0;
    virtual QString defaultName() const = 0;

    static const QString &pdfFileName(); // "PDF file"
    static PrinterInfo pdfFile();
};

class SystemPrinterList : public PrinterList
{
public:
    QList<PrinterInfo> installed() const override;
    QString defaultName() const override;
};

class ScriptedPrinterList : public PrinterList
{
public:
    explicit ScriptedPrinterList(QList<PrinterInfo> printers = {}, QString defaultName = {})
        : m_printers(std::move(printers)), m_default(std::move(defaultName)) {}
    QList<PrinterInfo> installed() const override;
    QString defaultName() const override;
    void setPrinters(QList<PrinterInfo> printers) { m_printers = std::move(printers); }
    void setDefaultName(const QString &name) { m_default = name; }

private:
    QList<PrinterInfo> m_printers;
    QString m_default;
};

} // namespace vc
