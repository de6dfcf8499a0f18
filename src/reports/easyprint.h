#pragma once

#include <QImage>
#include <QString>

#include <cstdint>

namespace vc {

class Control;
class Printer;

// Places text, rounded boxes and pictures on the application's current
// printer at positions in millimetres from the paper's top-left edge, so its
// users never deal with the printer's unprintable border. Every call goes to
// whichever printer is current at that moment.
//
// A printer that fails while drawing shows the "EasyPrint" message once,
// abandons the job and makes the rest of the job's output calls do nothing;
// the program and the project are left as they are. failed() tells the
// caller to stop; endDoc() or killDoc() clear it for the next job.
class EasyPrint
{
public:
    EasyPrint();

    // ---- properties
    float spaziaturaLinea() const { return m_lineGap; }
    void setSpaziaturaLinea(float gap) { m_lineGap = gap < 0 ? 1.0f : gap; }
    std::int16_t fontSize() const;
    void setFontSize(float points);
    QString fontName() const;
    void setFontName(const QString &name);
    bool fontBold() const;
    void setFontBold(bool on);
    bool fontItalic() const;
    void setFontItalic(bool on);
    bool fontUnderline() const;
    void setFontUnderline(bool on);
    std::uint32_t foreColor() const;
    void setForeColor(std::uint32_t rgb);
    std::int16_t paperSize() const;
    void setPaperSize(std::int16_t code);
    std::int16_t copies() const;
    void setCopies(std::int16_t copies);
    void setPrintQuality(std::int16_t quality);
    void setColorMode(std::int16_t mode);
    void setOrientation(std::int16_t orientation);
    void setDrawStyle(std::int16_t style);
    void setDrawWidth(std::int16_t width);
    float currentX() const;
    void setCurrentX(float x);
    float currentY() const;
    void setCurrentY(float y);
    std::int16_t fontCount() const;
    QString fonts(std::int16_t index) const;
    float pageHeight() const;
    float pageWidth() const;
    std::int16_t page() const;

    // ---- methods; a negative X or Y keeps the current position on that axis
    void printLeft(float x, float y, const QString &text, float indent = 0,
                   std::int16_t maxWidth = 0);
    void printRight(float x, float y, const QString &text, float indent = 0,
                    std::int16_t maxWidth = 0);
    void printCentre(float x, float y, const QString &text, std::int16_t maxWidth = 0);
    // A radius above half the shorter side is shortened, and written back.
    void printShape(float x, float y, float width, float height, float &radius);
    void printShape(float x, float y, float width, float height)
    {
        float r = 0;
        printShape(x, y, width, height, r);
    }
    void printPicture(float x, float y, const QImage &source, float height = 0, float width = 0);
    // The picture a control shows (its Picture); one without a picture prints nothing.
    void printPicture(float x, float y, const Control &source, float height = 0, float width = 0);
    float textWidth(const QString &text) const;
    float textHeight(const QString &text) const;
    bool endDoc();
    bool newPage();
    void killDoc();

    bool failed() const { return m_failed; }
    float leftCorrection() const { return m_left; }
    float topCorrection() const { return m_top; }

    // Line i (from 0) of a text broken at carriage returns, without its blanks.
    static QString lineOf(const QString &text, int i);
    static int countReturns(const QString &text);

private:
    enum class Align { Left, Right, Centre };
    void printAligned(Align align, float x, float y, const QString &text, float indent,
                      std::int16_t maxWidth);
    QString fit(const QString &text, float maxWidth, bool keepStart) const;
    // The printer ready for output, or nullptr after the job failed.
    Printer *output();
    void reportError(const QString &description);

    float m_left = 0, m_top = 0, m_lineGap = 0;
    bool m_failed = false;
};

} // namespace vc
