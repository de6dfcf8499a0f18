// Draws the article pictures of the catalogue and the basket window's check
// mark into the JPEG files the program loads from Docs/img.
// Usage: articlepictures OUTPUT_FOLDER
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace {

const QColor steel(0xb8, 0xc0, 0xc8), dark(0x40, 0x48, 0x52), blue(0x1f, 0x5f, 0xa8), rubber(0x30, 0x30, 0x34);

QBrush metal(const QRectF &r, QColor base = steel)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, base.lighter(135));
    g.setColorAt(0.5, base);
    g.setColorAt(1, base.darker(140));
    return g;
}

void distributor(QPainter &p)
{
    const QRectF pipe(30, 130, 240, 34);
    p.setBrush(metal(pipe));
    p.drawRoundedRect(pipe, 6, 6);
    for (int i = 0; i < 9; ++i) // steam outlets along the top
        p.drawEllipse(QPointF(60 + i * 24, 134), 4, 4);
    p.setBrush(metal(QRectF(270, 120, 30, 54), dark));
    p.drawRect(QRectF(262, 122, 22, 50)); // mounting plate
    p.setBrush(metal(QRectF(284, 136, 16, 22)));
    p.drawRect(QRectF(284, 136, 16, 22)); // hose socket
}

void hose(QPainter &p)
{
    QPainterPath path(QPointF(30, 220));
    path.cubicTo(QPointF(90, 40), QPointF(200, 280), QPointF(270, 80));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rubber, 26, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(path);
    p.setPen(QPen(QColor(0x70, 0x70, 0x78), 3, Qt::DashLine, Qt::RoundCap));
    p.drawPath(path);
}

void blower(QPainter &p)
{
    p.setBrush(metal(QRectF(50, 60, 200, 180), QColor(0xe4, 0xe6, 0xe8)));
    p.drawRoundedRect(QRectF(50, 60, 200, 180), 10, 10);
    p.setBrush(QColor(0x60, 0x66, 0x70));
    p.drawEllipse(QPointF(150, 150), 70, 70);
    p.setPen(QPen(QColor(0xd0, 0xd4, 0xd8), 4));
    for (int r = 20; r <= 60; r += 13)
        p.drawEllipse(QPointF(150, 150), r, r);
    p.drawLine(80, 150, 220, 150);
    p.drawLine(150, 80, 150, 220);
}

void connector(QPainter &p)
{
    p.setBrush(metal(QRectF(40, 120, 220, 50)));
    p.drawRect(QRectF(40, 128, 90, 34));
    p.drawRect(QRectF(170, 128, 90, 34));
    p.setBrush(metal(QRectF(120, 100, 60, 90), dark));
    p.drawRoundedRect(QRectF(120, 105, 60, 80), 6, 6);
    p.drawRect(QRectF(138, 60, 24, 48));
}

void kit(QPainter &p)
{
    p.setBrush(metal(QRectF(40, 70, 220, 160), QColor(0xc8, 0xa0, 0x60)));
    p.drawRect(QRectF(40, 70, 220, 160)); // box
    p.setBrush(QColor(0xa0, 0x78, 0x40));
    p.drawRect(QRectF(40, 70, 220, 30));
    p.setBrush(metal(QRectF(70, 140, 160, 20)));
    p.drawRect(QRectF(70, 140, 160, 16));
    p.drawEllipse(QPointF(100, 195), 14, 14);
    p.drawEllipse(QPointF(200, 195), 14, 14);
}

void control(QPainter &p)
{
    p.setBrush(QColor(0xf4, 0xf4, 0xf2));
    p.drawRoundedRect(QRectF(90, 50, 120, 200), 12, 12);
    p.setBrush(QColor(0x20, 0x30, 0x40));
    p.drawRoundedRect(QRectF(108, 80, 84, 44), 4, 4);
    p.setPen(QPen(QColor(0x7f, 0xe0, 0xa0), 3));
    p.drawLine(118, 102, 182, 102);
    p.setPen(QPen(dark, 2));
    p.setBrush(steel);
    p.drawEllipse(QPointF(150, 180), 30, 30);
    p.drawLine(150, 180, 170, 160);
}

void pressure(QPainter &p)
{
    p.setBrush(QColor(0xf0, 0xf0, 0xee));
    p.drawEllipse(QPointF(150, 130), 80, 80);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(150, 130), 62, 62);
    p.setPen(QPen(dark, 3));
    for (int i = 0; i <= 10; ++i) {
        p.save();
        p.translate(150, 130);
        p.rotate(-135 + i * 27);
        p.drawLine(0, -58, 0, -48);
        p.restore();
    }
    p.setPen(QPen(QColor(0xc0, 0x20, 0x20), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(150, 130, 190, 100);
    p.setPen(QPen(dark, 2));
    p.setBrush(metal(QRectF(120, 210, 60, 50)));
    p.drawRect(QRectF(138, 210, 24, 50));
}

void indication(QPainter &p)
{
    p.setBrush(QColor(0x2a, 0x70, 0x40));
    p.drawRect(QRectF(40, 80, 220, 140)); // circuit board
    p.setBrush(QColor(0x20, 0x20, 0x24));
    for (int i = 0; i < 3; ++i)
        p.drawRect(QRectF(60 + i * 60, 110, 44, 34)); // relays
    p.setBrush(QColor(0x30, 0x60, 0xd0));
    p.drawRect(QRectF(60, 180, 180, 24)); // terminal strip
    const QColor leds[] = {Qt::green, QColor(0xff, 0xb0, 0), Qt::red};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(leds[i]);
        p.drawEllipse(QPointF(82 + i * 60, 160), 6, 6);
    }
}

void heating(QPainter &p)
{
    QPainterPath coil(QPointF(50, 150));
    for (int i = 0; i < 6; ++i)
        coil.cubicTo(QPointF(70 + i * 34, 60), QPointF(84 + i * 34, 240), QPointF(84 + i * 34, 150));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xc0, 0x50, 0x20), 12, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(coil);
    p.setPen(QPen(dark, 2));
    p.setBrush(metal(QRectF(20, 130, 40, 40), dark));
    p.drawRect(QRectF(20, 135, 34, 30));
}

void hoseSet(QPainter &p)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rubber, 22));
    p.drawEllipse(QPointF(120, 150), 80, 80);
    p.setPen(QPen(QColor(0xe8, 0xe8, 0xe8), 10));
    p.drawEllipse(QPointF(200, 170), 60, 60);
    p.setPen(QPen(dark, 2));
    p.setBrush(steel);
    p.drawRect(QRectF(220, 60, 40, 16));
    p.drawRect(QRectF(230, 90, 30, 12));
}

void valve(QPainter &p)
{
    p.setBrush(metal(QRectF(30, 170, 240, 40), QColor(0xc8, 0xa8, 0x50)));
    p.drawRect(QRectF(30, 172, 240, 34)); // body with ports
    p.setBrush(QColor(0x20, 0x20, 0x24));
    p.drawRoundedRect(QRectF(100, 60, 100, 110), 8, 8); // coil
    p.setBrush(QColor(0x50, 0x50, 0x58));
    p.drawRect(QRectF(135, 36, 30, 26));
}

void cylinder(QPainter &p)
{
    QLinearGradient g(80, 0, 220, 0);
    g.setColorAt(0, QColor(0xd8, 0xd8, 0xd0));
    g.setColorAt(0.5, QColor(0xfa, 0xfa, 0xf4));
    g.setColorAt(1, QColor(0xc0, 0xc0, 0xb8));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(80, 50, 140, 210), 30, 30);
    p.setBrush(dark);
    p.drawRect(QRectF(135, 22, 30, 30)); // steam outlet
    p.drawRect(QRectF(140, 258, 20, 20)); // drain
    p.setPen(QPen(blue, 2));
    for (int i = 0; i < 3; ++i)
        p.drawLine(110 + i * 40, 90, 110 + i * 40, 230); // electrodes seen through
}

void pelmor(QPainter &p)
{
    p.setBrush(metal(QRectF(40, 90, 220, 120), QColor(0xd9, 0xdd, 0xe2)));
    p.drawRoundedRect(QRectF(40, 90, 220, 120), 8, 8); // steam-to-steam exchanger housing
    p.setBrush(QColor(0x7a, 0x3e, 0x9d));
    p.drawRect(QRectF(40, 90, 220, 18));
    p.setBrush(metal(QRectF(0, 130, 40, 30), dark));
    p.drawRect(QRectF(10, 135, 30, 24)); // plant steam in
    p.drawRect(QRectF(260, 135, 30, 24)); // clean steam out
    p.setBrush(QColor(0x20, 0x30, 0x40));
    p.drawRoundedRect(QRectF(110, 130, 80, 40), 4, 4);
}

void check(QPainter &p)
{
    p.setPen(QPen(QColor(0x00, 0x80, 0x40), 40, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(60, 160), QPointF(120, 220), QPointF(240, 80)}));
}

bool draw(const QString &path, const std::function<void(QPainter &)> &paint)
{
    QImage image(300, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(dark, 2));
    paint(p);
    p.end();
    return image.save(path, "JPG", 90);
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString out = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
    const std::pair<const char *, void (*)(QPainter &)> pictures[] = {
        {"A-distributor.jpg", distributor}, {"A-hose.jpg", hose},         {"A-blower.jpg", blower},
        {"A-connector.jpg", connector},     {"O-kit.jpg", kit},           {"O-control.jpg", control},
        {"O-pressure.jpg", pressure},       {"O-indication.jpg", indication}, {"O-heating.jpg", heating},
        {"O-hcs.jpg", hoseSet},             {"C-valve.jpg", valve},       {"C-cylinder.jpg", cylinder},
        {"U-Pelmor.jpg", pelmor},           {"check.jpg", check},
    };
    for (const auto &[name, paint] : pictures) {
        if (!draw(out + QLatin1String(name), paint))
            return 1;
    }
    return 0;
}
