#include "print/printer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>

namespace vc {

namespace {

SystemPrinterList &systemList()
{
    static SystemPrinterList list;
    return list;
}

struct CurrentState
{
    PrinterList *list = nullptr;
    std::unique_ptr<Printer> current;
    QString previous;
    bool previousDefault = false; // none was current: the default printer, looked up when needed
    QString pdfPath;
};

CurrentState &state()
{
    static CurrentState s;
    static const bool cleanup = [] {
        // the printer goes before the application object it depends on
        qAddPostRoutine([] {
            state().current.reset();
        });
        return true;
    }();
    Q_UNUSED(cleanup);
    return s;
}

PrinterInfo lookup(const QString &name, bool *found)
{
    // every list ends with the PDF file, and no queue can have its name (a
    // blank is not allowed in one): no need to ask the print system
    if (name == PrinterList::pdfFileName()) {
        *found = true;
        return PrinterList::pdfFile();
    }
    for (const PrinterInfo &p : Printer::printers().installed())
        if (p.deviceName == name) {
            *found = true;
            return p;
        }
    *found = false;
    return {};
}

constexpr double twipsPerInch = 1440.0;
constexpr double mmPerInch = 25.4;

} // namespace

// ---- the current printer -----------------------------------------------------

PrinterList &Printer::printers()
{
    return state().list ? *state().list : systemList();
}

void Printer::setPrinters(PrinterList *list)
{
    state().list = list;
    state().current.reset();
    state().previous.clear();
    state().previousDefault = false;
}

Printer &Printer::current()
{
    CurrentState &s = state();
    if (!s.current) {
        bool found = false;
        PrinterInfo info = lookup(printers().defaultName(), &found);
        s.current = std::make_unique<Printer>(found ? info : PrinterList::pdfFile());
    }
    return *s.current;
}

bool Printer::setCurrent(const QString &deviceName)
{
    bool found = false;
    const PrinterInfo info = lookup(deviceName, &found);
    if (!found)
        return false;
    CurrentState &s = state();
    // Finding the default printer asks the print system; a print run that
    // names its printer never needs it.
    s.previous = s.current ? s.current->deviceName() : QString();
    s.previousDefault = !s.current;
    s.current = std::make_unique<Printer>(info);
    return true;
}

bool Printer::restorePrevious()
{
    CurrentState &s = state();
    if (s.previousDefault) {
        s.previousDefault = false;
        s.current.reset();
        return true;
    }
    if (s.previous.isEmpty())
        return false;
    const QString name = s.previous;
    const bool ok = setCurrent(name);
    s.previous.clear();
    return ok;
}

void Printer::setPdfOutputPath(const QString &path)
{
    state().pdfPath = path;
}

QString Printer::pdfOutputPath()
{
    return state().pdfPath;
}

// ---- the printer -------------------------------------------------------------

Printer::Printer(const PrinterInfo &info) : m_info(info), m_font(QStringLiteral("Arial"))
{
    m_font.setPointSizeF(10);
}

Printer::~Printer()
{
    if (jobRunning())
        killDoc();
}

bool Printer::isPdfFile() const
{
    return m_info.deviceName == PrinterList::pdfFileName();
}

void Printer::ensurePrinter() const
{
    if (m_printer)
        return;
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (isPdfFile()) {
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        m_printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    } else {
        m_printer->setPrinterName(m_info.deviceName);
    }
    m_printer->setFullPage(false);
    m_printer->setPageSize(QPageSize(QPageSize::A4));
}

const QPaintDevice *Printer::device() const
{
    ensurePrinter();
    return m_printer.get();
}

int Printer::resolution() const
{
    ensurePrinter();
    return m_printer->resolution();
}

double Printer::toDevX(double v) const
{
    const double r = resolution();
    return m_unit == Unit::Twips ? v * r / twipsPerInch : v * r / mmPerInch;
}

double Printer::toDevY(double v) const
{
    return toDevX(v); // printers here have square pixels
}

double Printer::fromDevX(double px) const
{
    const double r = resolution();
    return m_unit == Unit::Twips ? px * twipsPerInch / r : px * mmPerInch / r;
}

double Printer::fromDevY(double px) const
{
    return fromDevX(px);
}

double Printer::scaleWidth() const
{
    ensurePrinter();
    return fromDevX(m_printer->pageLayout().paintRectPixels(resolution()).width());
}

double Printer::scaleHeight() const
{
    ensurePrinter();
    return fromDevY(m_printer->pageLayout().paintRectPixels(resolution()).height());
}

int Printer::deviceCaps(int index) const
{
    ensurePrinter();
    const int r = resolution();
    const QPageLayout layout = m_printer->pageLayout();
    const QRect paint = layout.paintRectPixels(r);
    const QRect full = layout.fullRectPixels(r);
    switch (index) {
    case HorzRes: return paint.width();
    case VertRes: return paint.height();
    case LogPixelsX: case LogPixelsY: return r;
    case PhysicalWidth: return full.width();
    case PhysicalHeight: return full.height();
    case PhysicalOffsetX: return paint.left();
    case PhysicalOffsetY: return paint.top();
    default: return 0;
    }
}

// ---- font, colour, lines -----------------------------------------------------

bool Printer::setFontName(const QString &name)
{
    if (name.trimmed().isEmpty())
        return false;
    m_font.setFamily(name);
    return true;
}

void Printer::setFontSize(double points)
{
    if (points > 0 && points < 2000)
        m_font.setPointSizeF(points);
}

QStringList Printer::fonts()
{
    return QFontDatabase::families();
}

QString Printer::fontAt(int index) const
{
    const QStringList all = fonts();
    return index >= 0 && index < all.size() ? all.at(index) : QString();
}

bool Printer::setForeColor(QRgb rgb)
{
    m_color = QColor::fromRgb(rgb);
    return true;
}

void Printer::applyPen()
{
    if (!m_painter)
        return;
    QPen pen(m_color);
    pen.setWidthF(qMax(1, m_drawWidth) * resolution() / 96.0);
    static const Qt::PenStyle styles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine,
                                          Qt::DashDotDotLine, Qt::NoPen, Qt::SolidLine};
    pen.setStyle(m_drawStyle >= 0 && m_drawStyle <= 6 ? styles[m_drawStyle] : Qt::SolidLine);
    m_painter->setPen(pen);
    m_painter->setBrush(Qt::NoBrush);
}

// ---- text ----------------------------------------------------------------------

void Printer::print(const QString &text)
{
    QPainter *p = painter();
    if (!p)
        return;
    QString normalised = text;
    normalised.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList lines = normalised.split(QLatin1Char('\n'));
    const QFontMetricsF fm(m_font, m_printer.get());
    p->setFont(m_font);
    p->setPen(m_color);
    for (const QString &line : lines) {
        p->drawText(QPointF(toDevX(m_x), toDevY(m_y) + fm.ascent()), line);
        m_x = 0;
        m_y += fromDevY(fm.height());
    }
}

double Printer::textWidth(const QString &text) const
{
    ensurePrinter();
    const QFontMetricsF fm(m_font, m_printer.get());
    double widest = 0;
    for (const QString &line : QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")).split(QLatin1Char('\n')))
        widest = qMax(widest, fm.horizontalAdvance(line));
    return fromDevX(widest);
}

double Printer::textHeight(const QString &text) const
{
    ensurePrinter();
    const QFontMetricsF fm(m_font, m_printer.get());
    const int lines = int(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")).count(QLatin1Char('\n'))) + 1;
    return fromDevY(fm.height() * lines);
}

// ---- drawing -------------------------------------------------------------------

void Printer::line(double x1, double y1, double x2, double y2)
{
    QPainter *p = painter();
    if (!p)
        return;
    applyPen();
    p->drawLine(QPointF(toDevX(x1), toDevY(y1)), QPointF(toDevX(x2), toDevY(y2)));
    m_x = x2;
    m_y = y2;
}

void Printer::box(double x, double y, double width, double height)
{
    QPainter *p = painter();
    if (!p)
        return;
    applyPen();
    p->drawRect(QRectF(toDevX(x), toDevY(y), toDevX(width), toDevY(height)));
    m_x = x + width;
    m_y = y + height;
}

void Printer::arc(double cx, double cy, double radius, double startAngle, double endAngle)
{
    QPainter *p = painter();
    if (!p || radius <= 0)
        return;
    applyPen();
    double span = endAngle - startAngle;
    while (span <= 0)
        span += 2 * M_PI;
    const double r = toDevX(radius);
    const QRectF rect(toDevX(cx) - r, toDevY(cy) - r, 2 * r, 2 * r);
    p->drawArc(rect, int(std::lround(startAngle * 180 / M_PI * 16)), int(std::lround(span * 180 / M_PI * 16)));
    m_x = cx;
    m_y = cy;
}

void Printer::picture(const QImage &image, double x, double y, double width, double height)
{
    QPainter *p = painter();
    if (!p || image.isNull())
        return;
    const double dpiX = image.dotsPerMeterX() > 0 ? image.dotsPerMeterX() * 0.0254 : 96;
    const double dpiY = image.dotsPerMeterY() > 0 ? image.dotsPerMeterY() * 0.0254 : 96;
    const double w = width > 0 ? toDevX(width) : image.width() * resolution() / dpiX;
    const double h = height > 0 ? toDevY(height) : image.height() * resolution() / dpiY;
    p->drawImage(QRectF(toDevX(x), toDevY(y), w, h), image);
}

// ---- job -----------------------------------------------------------------------

bool Printer::jobRunning() const
{
    return m_painter && m_painter->isActive();
}

QPainter *Printer::painter()
{
    if (jobRunning())
        return m_painter.get();
    ensurePrinter();
    m_error.clear();
    if (isPdfFile()) {
        const QString path = pdfOutputPath();
        if (path.isEmpty()) {
            m_error = QCoreApplication::translate("vc::Printer", "No file was chosen for the PDF file printer.");
            return nullptr;
        }
        const QFileInfo dir(QFileInfo(path).absolutePath());
        if (!dir.isDir() || !dir.isWritable()) {
            m_error = QCoreApplication::translate("vc::Printer", "The file %1 cannot be written.").arg(path);
            return nullptr;
        }
        // written beside the target and renamed at the end, so a failed job leaves nothing behind
        m_outputPath = path;
        m_printer->setOutputFileName(path + QStringLiteral(".part"));
    } else if (QPrinterInfo::printerInfo(m_info.deviceName).isNull()) {
        m_error = QCoreApplication::translate("vc::Printer", "The printer %1 is not available.").arg(m_info.deviceName);
        return nullptr;
    }
    m_printer->setDocName(m_docName);
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(m_printer.get())) {
        m_painter.reset();
        if (isPdfFile())
            QFile::remove(m_outputPath + QStringLiteral(".part"));
        m_error = QCoreApplication::translate("vc::Printer", "The printer %1 cannot start a print job.").arg(m_info.deviceName);
        return nullptr;
    }
    m_page = 1;
    return m_painter.get();
}

bool Printer::newPage()
{
    if (!painter())
        return false;
    if (!m_printer->newPage()) {
        m_error = QCoreApplication::translate("vc::Printer", "The printer %1 cannot start a new page.").arg(m_info.deviceName);
        return false;
    }
    ++m_page;
    m_x = m_y = 0;
    return true;
}

bool Printer::endDoc()
{
    if (!jobRunning())
        return m_error.isEmpty();
    const bool ok = m_painter->end();
    m_painter.reset();
    m_page = 0;
    if (isPdfFile()) {
        const QString part = m_outputPath + QStringLiteral(".part");
        if (!ok) {
            QFile::remove(part);
        } else {
            QFile::remove(m_outputPath);
            if (!QFile::rename(part, m_outputPath)) {
                QFile::remove(part);
                m_error = QCoreApplication::translate("vc::Printer", "The file %1 cannot be written.").arg(m_outputPath);
                return false;
            }
        }
    }
    if (!ok)
        m_error = QCoreApplication::translate("vc::Printer", "The printer %1 did not accept the job.").arg(m_info.deviceName);
    return ok;
}

void Printer::killDoc()
{
    if (!m_painter)
        return;
    m_printer->abort();
    if (m_painter->isActive())
        m_painter->end();
    m_painter.reset();
    m_page = 0;
    if (isPdfFile())
        QFile::remove(m_outputPath + QStringLiteral(".part"));
}

// ---- paper ---------------------------------------------------------------------

void Printer::setPaperSize(int code)
{
    QPageSize::PageSizeId id;
    switch (code) {
    case 1: id = QPageSize::Letter; break;
    case 5: id = QPageSize::Legal; break;
    case 7: id = QPageSize::Executive; break;
    case 8: id = QPageSize::A3; break;
    case 9: id = QPageSize::A4; break;
    case 11: id = QPageSize::A5; break;
    default: return;
    }
    ensurePrinter();
    if (!jobRunning() && m_printer->setPageSize(QPageSize(id)))
        m_paperSize = code;
}

bool Printer::setPaperSizeTwips(int width, int height)
{
    if (width < 720 || height < 720 || width > 1440 * 200 || height > 1440 * 200)
        return false;
    ensurePrinter();
    if (jobRunning())
        return false;
    const QPageSize size(QSizeF(width / 1440.0, height / 1440.0), QPageSize::Inch, QString(), QPageSize::FuzzyMatch);
    if (!m_printer->setPageSize(size))
        return false;
    m_paperSize = size.windowsId();
    return true;
}

void Printer::setCopies(int copies)
{
    if (copies < 1)
        return;
    ensurePrinter();
    m_copies = copies;
    m_printer->setCopyCount(copies);
}

void Printer::setColorMode(int mode)
{
    ensurePrinter();
    m_printer->setColorMode(mode == 1 ? QPrinter::GrayScale : QPrinter::Color);
}

void Printer::setOrientation(int orientation)
{
    if (orientation != 1 && orientation != 2)
        return;
    ensurePrinter();
    if (!jobRunning() && m_printer->setPageOrientation(orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait))
        m_orientation = orientation;
}

} // namespace vc
