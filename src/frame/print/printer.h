#pragma once

#include "print/printerlist.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <QStringList>

#include <memory>

class QPainter;
class QPaintDevice;
class QPrinter;

namespace vc {

// A printer the program draws on, with the operations its callers use:
// positions and sizes in twips or millimetres from the top-left corner of the
// printable area, a current position that text output continues from, and a
// job that starts with the first output. Nothing reaches the printer before
// endDoc(); killDoc() or a failed job leaves no output file behind.
class Printer
{
public:
    enum class Unit { Twips = 1, Millimetres = 6 };
    // The device capability indexes callers ask for.
    enum Caps { HorzRes = 8, VertRes = 10, LogPixelsX = 88, LogPixelsY = 90,
                PhysicalWidth = 110, PhysicalHeight = 111, PhysicalOffsetX = 112, PhysicalOffsetY = 113 };

    explicit Printer(const PrinterInfo &info);
    ~Printer();
    Printer(const Printer &) = delete;
    Printer &operator=(const Printer &) = delete;

    // ---- the application's current printer
    static PrinterList &printers();
    static void setPrinters(PrinterList *list); // caller keeps ownership; nullptr: the system list
    static Printer &current();
    // Makes the installed printer of that device name current; false (and no
    // change) when there is none. The one it replaces can be restored.
    static bool setCurrent(const QString &deviceName);
    static bool restorePrevious();
    // Where the "PDF file" printer writes.
    static void setPdfOutputPath(const QString &path);
    static QString pdfOutputPath();

    QString deviceName() const { return m_info.deviceName; }
    QString driverName() const { return m_info.driverName; }
    bool isPdfFile() const;

    // ---- units and geometry
    void setScaleMode(Unit unit) { m_unit = unit; }
    Unit scaleMode() const { return m_unit; }
    double scaleWidth() const;  // printable width in the current unit
    double scaleHeight() const;
    int deviceCaps(int index) const;
    int resolution() const;
    // A device that lays text out exactly as this printer will, for the
    // rich text field's target device.
    const QPaintDevice *device() const;

    // ---- font, colour, lines
    bool setFontName(const QString &name);
    QString fontName() const { return m_font.family(); }
    void setFontSize(double points);
    double fontSize() const { return m_font.pointSizeF(); }
    void setFontBold(bool on) { m_font.setBold(on); }
    bool fontBold() const { return m_font.bold(); }
    void setFontItalic(bool on) { m_font.setItalic(on); }
    bool fontItalic() const { return m_font.italic(); }
    void setFontUnderline(bool on) { m_font.setUnderline(on); }
    bool fontUnderline() const { return m_font.underline(); }
    static QStringList fonts();
    int fontCount() const { return int(fonts().size()); }
    QString fontAt(int index) const;
    bool setForeColor(QRgb rgb);
    QRgb foreColor() const { return m_color.rgb(); }
    void setDrawStyle(int style) { m_drawStyle = style; }
    void setDrawWidth(int width) { m_drawWidth = qMax(1, width); }

    // ---- current position, text
    double currentX() const { return m_x; }
    double currentY() const { return m_y; }
    void setCurrentX(double x) { m_x = x; }
    void setCurrentY(double y) { m_y = y; }
    // Prints at the current position (its top-left), then moves to the start
    // of the next line.
    void print(const QString &text);
    double textWidth(const QString &text) const;
    double textHeight(const QString &text) const;

    // ---- drawing
    void line(double x1, double y1, double x2, double y2);
    void box(double x, double y, double width, double height);
    // Arc of a circle, angles in radians counter-clockwise from the x axis.
    void arc(double cx, double cy, double radius, double startAngle, double endAngle);
    // width or height 0: the picture's own size.
    void picture(const QImage &image, double x, double y, double width = 0, double height = 0);

    // ---- job and pages
    // The painter of the running job (starting it), valid for the current page;
    // nullptr when the job cannot start (see errorText()).
    QPainter *painter();
    bool newPage();
    bool endDoc();
    void killDoc();
    int page() const { return m_page; }
    bool jobRunning() const;
    QString errorText() const { return m_error; }
    void setDocName(const QString &name) { m_docName = name; }

    // ---- paper
    void setPaperSize(int code);
    // A paper of any size, as a document asks for it.
    bool setPaperSizeTwips(int width, int height);
    int paperSize() const { return m_paperSize; }
    void setCopies(int copies);
    int copies() const { return m_copies; }
    void setPrintQuality(int quality) { m_quality = quality; }
    void setColorMode(int mode);
    void setOrientation(int orientation);
    int orientation() const { return m_orientation; }

private:
    double toDevX(double v) const;
    double toDevY(double v) const;
    double fromDevX(double px) const;
    double fromDevY(double px) const;
    void applyPen();
    void ensurePrinter() const;

    PrinterInfo m_info;
    mutable std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter;
    QString m_outputPath;
    Unit m_unit = Unit::Twips;
    QFont m_font;
    QColor m_color = Qt::black;
    int m_drawStyle = 0, m_drawWidth = 1;
    double m_x = 0, m_y = 0;
    int m_page = 0;
    int m_paperSize = 9, m_copies = 1, m_quality = 0, m_orientation = 1;
    QString m_error;
    QString m_docName = QStringLiteral("VeltrannCalc");
};

} // namespace vc
