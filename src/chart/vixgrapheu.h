#pragma once

#include <QImage>
#include <QLineF>
#include <QObject>
#include <QRect>
#include <QRectF>
#include <QString>

class QPainter;

namespace vc {

class ChartSink;

// The chart control: the h-x chart picture with its scales, captions, the
// comfort zone and two markers joined by the process line, at one fixed size
// (8925 x 10740 twips, 595 x 716 pixels). Positions are twips from the
// control's top-left corner; a marker's point is its centre. The host places
// the markers through the Point properties in the coordinates of HxMapping.
//
// Beyond the properties, the host may hide a marker whose air state lies off
// the chart; the line is shown only between two shown markers.
class VixGraphEU : public QObject
{
    Q_OBJECT
public:
    static constexpr int Width = 8925, Height = 10740; // twips
    static constexpr int MarkerSize = 240;

    // One of the control's elements: name, place in twips, shown or not.
    struct Element
    {
        QString name;
        QRect twips;
        QString text;
        bool visible = true;
    };

    explicit VixGraphEU(QObject *parent = nullptr);

    // ---- properties
    qint32 Point1X() const;
    void setPoint1X(qint32 v);
    bool DisHag() const { return m_disHag; }
    void setDisHag(bool visible);
    qint32 Point1Y() const;
    void setPoint1Y(qint32 v);
    qint32 Point2X() const;
    void setPoint2X(qint32 v);
    qint32 Point2Y() const;
    void setPoint2Y(qint32 v);
    QString CaptionRelativHumidity() const { return m_captionHumidity; }
    void setCaptionRelativHumidity(const QString &caption);
    QString CaptionWasserGehalt() const { return m_captionWater; }
    void setCaptionWasserGehalt(const QString &caption);

    // ---- geometry
    QSize size() const { return {m_width, m_height}; } // twips
    // What a host's resize does: the frame follows, then the control takes its one size again.
    void resize(int width, int height);
    static QSize pixelSize() { return {Width / 15, Height / 15}; }
    // Marker 1 or 2: its box in twips (exact, as set).
    QRectF marker(int which) const;
    bool markerVisible(int which) const;
    void setMarkerVisible(int which, bool visible);
    // Between the exact centres of the markers.
    QLineF line() const;
    bool lineVisible() const { return markerVisible(1) && markerVisible(2); }

    // The scale labels, strip, captions and frame, as placed on the control.
    QList<Element> elements() const;

    // The pressure the chart picture is drawn for, hPa.
    double pressure() const { return m_pressure; }
    void setPressure(double hPa);

    // ---- drawing, in chart pixels (twips / 15)
    void paint(ChartSink &sink) const;
    // What stays while the states move: the chart picture, scales and captions.
    void paintBackground(ChartSink &sink) const;
    // The comfort zone, the line, the markers and the frame over it.
    void paintOverlay(ChartSink &sink) const;
    void render(QPainter &painter) const;
    // The control as an image, scale times its pixel size.
    QImage toImage(double scale = 1) const;

Q_SIGNALS:
    // Something shown changed.
    void changed();
    // A persisted property changed (the captions), for a container that stores them.
    void propertyChanged(const QString &name);

private:
    static qint32 centre(double start, double extent);

    int m_width = Width, m_height = Height;
    double m_left[2] = {300, 1140}, m_top[2] = {420, 120};
    bool m_markerVisible[2] = {true, true};
    bool m_disHag = false;
    QString m_captionHumidity, m_captionWater;
    double m_pressure;
};

} // namespace vc
