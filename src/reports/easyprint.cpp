#include "easyprint.h"

#include "form/control.h"
#include "io/filehelpers.h"
#include "form/platformservices.h"
#include "print/printer.h"

#include <QCoreApplication>

#include <algorithm>

namespace vc {

namespace {

Printer &printer()
{
    return Printer::current();
}

// Blanks only: carriage returns and line feeds are the lines' business.
QString trimBlanks(const QString &text)
{
    int start = 0, end = int(text.size());
    while (start < end && text.at(start) == QLatin1Char(' '))
        ++start;
    while (end > start && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(start, end - start);
}

// The error number the message shows for every printer failure.
constexpr int printerErrorNumber = 482;

} // namespace

EasyPrint::EasyPrint()
{
    Printer &p = printer();
    p.setScaleMode(Printer::Unit::Millimetres);
    const int dpiX = p.deviceCaps(Printer::LogPixelsX);
    const int dpiY = p.deviceCaps(Printer::LogPixelsY);
    m_left = dpiX > 0 ? float(p.deviceCaps(Printer::PhysicalOffsetX) * -25.4 / dpiX) : 0.0f;
    m_top = dpiY > 0 ? float(p.deviceCaps(Printer::PhysicalOffsetY) * -25.4 / dpiY) : 0.0f;
    p.setCurrentX(m_left);
    p.setCurrentY(m_top);
}

// ---- properties ----------------------------------------------------------------

std::int16_t EasyPrint::fontSize() const
{
    return std::int16_t(qRound(printer().fontSize()));
}
void EasyPrint::setFontSize(float points)
{
    printer().setFontSize(points);
}
QString EasyPrint::fontName() const
{
    return printer().fontName();
}
void EasyPrint::setFontName(const QString &name)
{
    printer().setFontName(name);
}
bool EasyPrint::fontBold() const
{
    return printer().fontBold();
}
void EasyPrint::setFontBold(bool on)
{
    printer().setFontBold(on);
}
bool EasyPrint::fontItalic() const
{
    return printer().fontItalic();
}
void EasyPrint::setFontItalic(bool on)
{
    printer().setFontItalic(on);
}
bool EasyPrint::fontUnderline() const
{
    return printer().fontUnderline();
}
void EasyPrint::setFontUnderline(bool on)
{
    printer().setFontUnderline(on);
}
std::uint32_t EasyPrint::foreColor() const
{
    return printer().foreColor() & 0xffffffu;
}
void EasyPrint::setForeColor(std::uint32_t rgb)
{
    printer().setForeColor(QRgb(rgb) | 0xff000000u);
}
std::int16_t EasyPrint::paperSize() const
{
    return std::int16_t(printer().paperSize());
}
void EasyPrint::setPaperSize(std::int16_t code)
{
    printer().setPaperSize(code);
}
std::int16_t EasyPrint::copies() const
{
    return std::int16_t(printer().copies());
}
void EasyPrint::setCopies(std::int16_t copies)
{
    printer().setCopies(copies);
}
void EasyPrint::setPrintQuality(std::int16_t quality)
{
    printer().setPrintQuality(quality);
}
void EasyPrint::setColorMode(std::int16_t mode)
{
    printer().setColorMode(mode);
}
void EasyPrint::setOrientation(std::int16_t orientation)
{
    printer().setOrientation(orientation);
}
void EasyPrint::setDrawStyle(std::int16_t style)
{
    printer().setDrawStyle(style);
}
void EasyPrint::setDrawWidth(std::int16_t width)
{
    printer().setDrawWidth(width);
}
float EasyPrint::currentX() const
{
    return float(printer().currentX()) - m_left;
}
void EasyPrint::setCurrentX(float x)
{
    printer().setCurrentX(x + m_left);
}
float EasyPrint::currentY() const
{
    return float(printer().currentY()) - m_top;
}
void EasyPrint::setCurrentY(float y)
{
    printer().setCurrentY(y + m_top);
}
std::int16_t EasyPrint::fontCount() const
{
    return std::int16_t(std::min(printer().fontCount(), 32767));
}
QString EasyPrint::fonts(std::int16_t index) const
{
    return printer().fontAt(index);
}
float EasyPrint::pageHeight() const
{
    return float(printer().scaleHeight()) - 2 * m_top;
}
float EasyPrint::pageWidth() const
{
    return float(printer().scaleWidth()) - 2 * m_left;
}
std::int16_t EasyPrint::page() const
{
    return std::int16_t(printer().page());
}

float EasyPrint::textWidth(const QString &text) const
{
    return float(printer().textWidth(text));
}
float EasyPrint::textHeight(const QString &text) const
{
    return float(printer().textHeight(text));
}

// ---- text ------------------------------------------------------------------------

int EasyPrint::countReturns(const QString &text)
{
    return int(text.count(QLatin1Char('\r')));
}

QString EasyPrint::lineOf(const QString &text, int i)
{
    QString work = text;
    for (int k = 0; k <= i; ++k) {
        const int cr = work.indexOf(QLatin1Char('\r'));
        const QString line = cr < 0 ? work : work.left(cr);
        if (k == i)
            return trimBlanks(line);
        work.remove(0, line.size());
        if (work.startsWith(QLatin1Char('\r')))
            work.remove(0, 1);
        if (work.startsWith(QLatin1Char('\n')))
            work.remove(0, 1);
        work = trimBlanks(work);
    }
    return {};
}

QString EasyPrint::fit(const QString &text, float maxWidth, bool keepStart) const
{
    QString t = text;
    while (!t.isEmpty() && textWidth(t) > maxWidth) {
        if (keepStart)
            t.chop(1);
        else
            t.remove(0, 1);
    }
    return t;
}

Printer *EasyPrint::output()
{
    if (m_failed)
        return nullptr;
    Printer &p = printer();
    if (!p.painter()) {
        reportError(p.errorText());
        return nullptr;
    }
    return &p;
}

void EasyPrint::reportError(const QString &description)
{
    m_failed = true;
    printer().killDoc();
    const QString text = QStringLiteral("Errore nella routine di stampa\nErrore numero: %1\n%2")
                             .arg(printerErrorNumber)
                             .arg(description);
    Services::messages().show(text, MessageService::Buttons::Ok, MessageService::Icon::Critical,
                              QStringLiteral("EasyPrint"));
}

void EasyPrint::printAligned(Align align, float x, float y, const QString &text, float indent,
                             std::int16_t maxWidth)
{
    Printer *p = output();
    if (!p)
        return;
    const float firstX = align == Align::Left ? x + indent : align == Align::Right ? x - indent : x;
    const int n = countReturns(text);
    for (int i = 0; i <= n; ++i) {
        QString line = n == 0 ? text : lineOf(text, i);
        if (maxWidth > 0)
            line = fit(line, maxWidth, align != Align::Right);
        // a lone line feed does not end a line
        line.replace(QLatin1Char('\n'), QLatin1Char(' '));
        const float lx = i == 0 ? firstX : x;
        if (x >= 0) {
            float px = lx + m_left;
            if (align == Align::Right)
                px -= textWidth(line);
            else if (align == Align::Centre)
                px -= textWidth(line) / 2;
            p->setCurrentX(px);
        }
        if (y >= 0)
            p->setCurrentY(y + m_top + i * textHeight(line) + i * m_lineGap);
        p->print(line);
        if (!p->jobRunning()) {
            reportError(p->errorText());
            return;
        }
    }
}

void EasyPrint::printLeft(float x, float y, const QString &text, float indent,
                          std::int16_t maxWidth)
{
    printAligned(Align::Left, x, y, text, indent, maxWidth);
}

void EasyPrint::printRight(float x, float y, const QString &text, float indent,
                           std::int16_t maxWidth)
{
    printAligned(Align::Right, x, y, text, indent, maxWidth);
}

void EasyPrint::printCentre(float x, float y, const QString &text, std::int16_t maxWidth)
{
    printAligned(Align::Centre, x, y, text, 0, maxWidth);
}

// ---- shapes and pictures -----------------------------------------------------------

void EasyPrint::printShape(float x, float y, float width, float height, float &radius)
{
    Printer *p = output();
    if (!p)
        return;
    const float x0 = x + m_left, y0 = y + m_top;
    if (radius <= 0) {
        p->box(x0, y0, width, height);
    } else {
        const float m = std::min(width, height);
        if (radius > m / 2)
            radius = m / 2;
        const float r = radius;
        const double pi = 3.14159265, threeHalvesPi = 9.42477795 / 2;
        const float x1 = x0 + width, y1 = y0 + height;
        p->line(x0 + r, y0, x1 - r, y0);
        p->arc(x1 - r, y0 + r, r, 0, pi / 2);
        p->line(x1, y0 + r, x1, y1 - r);
        p->arc(x1 - r, y1 - r, r, threeHalvesPi, 0);
        p->line(x1 - r, y1, x0 + r, y1);
        p->arc(x0 + r, y1 - r, r, pi, threeHalvesPi);
        p->line(x0, y1 - r, x0, y0 + r);
        p->arc(x0 + r, y0 + r, r, pi / 2, pi);
    }
    p->setCurrentX(x0 + width);
    p->setCurrentY(y0 + height);
    if (!p->jobRunning())
        reportError(p->errorText());
}

void EasyPrint::printPicture(float x, float y, const QImage &source, float height, float width)
{
    Printer *p = output();
    if (!p)
        return;
    // an omitted size keeps the picture's own size on that axis
    const float h = height > 0 && width >= 0 ? height : 0;
    const float w = width > 0 && height >= 0 ? width : 0;
    p->picture(source, x + m_left, y + m_top, w, h);
    if (!p->jobRunning())
        reportError(p->errorText());
}

void EasyPrint::printPicture(float x, float y, const Control &source, float height, float width)
{
    if (source.picture().isEmpty())
        return;
    const QImage image(nativePath(source.picture()));
    if (image.isNull()) {
        reportError(QStringLiteral("%1 is not a picture").arg(source.picture()));
        return;
    }
    printPicture(x, y, image, height, width);
}

// ---- job -----------------------------------------------------------------------------

bool EasyPrint::endDoc()
{
    const bool wasFailed = m_failed;
    m_failed = false;
    if (wasFailed)
        return false;
    return printer().endDoc();
}

bool EasyPrint::newPage()
{
    if (m_failed)
        return false;
    return printer().newPage();
}

void EasyPrint::killDoc()
{
    m_failed = false;
    printer().killDoc();
}

} // namespace vc
