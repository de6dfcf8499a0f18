// Draws the six humidifier family pictures of the family page as SVG and
// renders them to the JPEG files the program loads from Docs/img.
// Usage: familypictures OUTPUT_FOLDER [PREVIEW_FOLDER]  (the preview gets PNG copies)
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

namespace {

struct Family {
    const char *file;     // file name below Docs/img
    const char *label;    // model lettering on the front
    const char *body;     // cabinet colour
    const char *accent;   // front stripe colour
    double width, height; // cabinet size inside the 300 x 400 canvas
    enum Panel { Keypad, LedRing, LedBar, FanGrille, SlimLed, RoundDisplay } panel;
    bool twoHoses;        // large units feed two steam hoses
};

const Family families[] = {
    {"U-tavro 500.jpg", "TAVRO 500", "#d9dde2", "#1f5fa8", 200, 300, Family::Keypad, true},
    {"U-quenil 500.jpg", "QUENIL 500", "#f1f3f4", "#2e8b57", 200, 300, Family::LedRing, true},
    {"U-Sorbix.jpg", "SORBIX", "#e4e6e8", "#d2691e", 170, 260, Family::LedBar, false},
    {"U-Dremon 500.jpg", "DREMON 500", "#f4f4f2", "#6a5acd", 140, 250, Family::FanGrille, false},
    {"U-Falcy 500.jpg", "FALCY 500", "#f2f4f5", "#008080", 120, 240, Family::SlimLed, false},
    {"U-oskel.jpg", "OSKEL", "#fafafa", "#b22222", 150, 200, Family::RoundDisplay, false},
};

QString panelSvg(const Family &f, double x, double y, double w)
{
    QString s;
    QTextStream out(&s);
    const double cx = x + w / 2;
    switch (f.panel) {
    case Family::Keypad:
        out << "<rect x='" << x + 30 << "' y='" << y + 40 << "' width='" << w - 60
            << "' height='38' rx='4' fill='#203040' stroke='#10202c'/>";
        out << "<text x='" << cx << "' y='" << y + 65 << "' font-family='DejaVu Sans Mono' font-size='15'"
               " fill='#7fe0a0' text-anchor='middle'>12.7 kg/h</text>";
        for (int r = 0; r < 2; ++r)
            for (int c = 0; c < 4; ++c)
                out << "<rect x='" << x + 38 + c * (w - 76) / 4 << "' y='" << y + 90 + r * 22
                    << "' width='" << (w - 76) / 4 - 8 << "' height='16' rx='3' fill='#c8ccd2' stroke='#8a9098'/>";
        break;
    case Family::LedRing:
        out << "<circle cx='" << cx << "' cy='" << y + 80 << "' r='34' fill='none' stroke='" << f.accent
            << "' stroke-width='8'/>";
        out << "<circle cx='" << cx << "' cy='" << y + 80 << "' r='20' fill='#e8f3ec' stroke='#9ab'/>";
        break;
    case Family::LedBar:
        for (int i = 0; i < 5; ++i) {
            const char *col = i < 3 ? "#3cb371" : (i == 3 ? "#f0c020" : "#d04030");
            out << "<circle cx='" << x + 45 + i * (w - 90) / 4 << "' cy='" << y + 70
                << "' r='7' fill='" << col << "' stroke='#555'/>";
        }
        break;
    case Family::FanGrille:
        out << "<circle cx='" << cx << "' cy='" << y + 90 << "' r='42' fill='#e0e0e6' stroke='#777'/>";
        for (int r = 10; r <= 38; r += 7)
            out << "<circle cx='" << cx << "' cy='" << y + 90 << "' r='" << r
                << "' fill='none' stroke='#999' stroke-width='2'/>";
        out << "<circle cx='" << cx << "' cy='" << y + 90 << "' r='6' fill='" << f.accent << "'/>";
        break;
    case Family::SlimLed:
        out << "<rect x='" << cx - 6 << "' y='" << y + 40 << "' width='12' height='70' rx='6' fill='"
            << f.accent << "' opacity='0.85'/>";
        break;
    case Family::RoundDisplay:
        out << "<circle cx='" << cx << "' cy='" << y + 70 << "' r='32' fill='#1c2833' stroke='#555' stroke-width='3'/>";
        out << "<text x='" << cx << "' y='" << y + 76 << "' font-family='DejaVu Sans' font-size='16'"
               " fill='#ffffff' text-anchor='middle'>45%</text>";
        break;
    }
    return s;
}

QString familySvg(const Family &f)
{
    const double W = 300, H = 400;
    const double x = (W - f.width) / 2, y = 70 + (330 - f.height) / 2 - 10;
    QString s;
    QTextStream out(&s);
    out << "<svg xmlns='http://www.w3.org/2000/svg' width='" << W << "' height='" << H << "'>";
    out << "<defs><linearGradient id='bg' x1='0' y1='0' x2='0' y2='1'>"
           "<stop offset='0' stop-color='#ffffff'/><stop offset='1' stop-color='#e9edf1'/></linearGradient>"
           "<linearGradient id='side' x1='0' y1='0' x2='1' y2='0'>"
           "<stop offset='0' stop-color='#000' stop-opacity='0'/><stop offset='1' stop-color='#000' stop-opacity='0.18'/>"
           "</linearGradient></defs>";
    out << "<rect width='" << W << "' height='" << H << "' fill='url(#bg)'/>";
    // Steam hoses leaving the top of the cabinet.
    const int hoses = f.twoHoses ? 2 : 1;
    for (int i = 0; i < hoses; ++i) {
        const double hx = x + f.width * (hoses == 1 ? 0.5 : 0.3 + 0.4 * i);
        out << "<path d='M" << hx << ',' << y << " C" << hx << ',' << y - 40 << ' ' << hx + 30 << ',' << y - 50
            << ' ' << hx + 40 << ',' << y - 60 << "' fill='none' stroke='#4a4a4a' stroke-width='9'"
            " stroke-linecap='round'/>";
        out << "<rect x='" << hx - 9 << "' y='" << y - 8 << "' width='18' height='10' fill='#777'/>";
    }
    // Shadow, cabinet, shading of the right side, front stripe.
    out << "<ellipse cx='" << W / 2 << "' cy='" << y + f.height + 12 << "' rx='" << f.width / 2 + 20
        << "' ry='8' fill='#000' opacity='0.12'/>";
    out << "<rect x='" << x << "' y='" << y << "' width='" << f.width << "' height='" << f.height
        << "' rx='10' fill='" << f.body << "' stroke='#6b7178' stroke-width='2'/>";
    out << "<rect x='" << x + f.width - 18 << "' y='" << y + 2 << "' width='16' height='" << f.height - 4
        << "' rx='8' fill='url(#side)'/>";
    out << "<rect x='" << x + 2 << "' y='" << y + 12 << "' width='" << f.width - 4
        << "' height='10' fill='" << f.accent << "'/>";
    out << panelSvg(f, x, y, f.width);
    // Ventilation slots near the foot.
    for (int i = 0; i < 5; ++i)
        out << "<rect x='" << x + 20 << "' y='" << y + f.height - 70 + i * 9 << "' width='" << f.width - 40
            << "' height='4' rx='2' fill='#9aa0a6'/>";
    out << "<text x='" << x + f.width / 2 << "' y='" << y + f.height - 82
        << "' font-family='DejaVu Sans' font-weight='bold' font-size='" << (f.width > 150 ? 15 : 12)
        << "' fill='" << f.accent << "' text-anchor='middle'>" << f.label << "</text>";
    out << "</svg>";
    return s;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "usage: familypictures OUTPUT_FOLDER\n";
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (const Family &f : families) {
        const QString svg = familySvg(f);
        QSvgRenderer renderer(svg.toUtf8());
        QImage image(300, 400, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        const QString path = folder + QLatin1Char('/') + QString::fromLatin1(f.file);
        if (!image.save(path, "JPG", 90)) {
            QTextStream(stderr) << "cannot write " << path << '\n';
            return 1;
        }
        if (argc > 2)
            image.save(QString::fromLocal8Bit(argv[2]) + QLatin1Char('/') + QString::fromLatin1(f.file) + QStringLiteral(".png"));
    }
    return 0;
}
