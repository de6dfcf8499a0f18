// Saves every page of the main window as a PNG into the build folder, in every
// language, on the small screen (1366x768 at 100 %) or, when the test runs
// with QT_SCALE_FACTOR=1.75, on a 1920x1080 screen at 175 %, so the window can
// be looked at without a display; and checks on each that no caption is cut off.
#include "captionfit.h"
#include "familypage.h"
#include "frmhxwindow.h"
#include "frmmainwindow.h"
#include "frmpreview.h"
#include "frmsplash.h"
#include "mainform.h"
#include "windowfixture.h"

#include <QAction>
#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTabWidget>
#include <QTest>

using namespace vc;

class ScreenshotTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void windows_data();
    void windows();
    void chartWindow_data();
    void chartWindow();

private:
    static QString folder();
    static QString screenName();
};

namespace {

bool scaled()
{
    return QGuiApplication::primaryScreen()->devicePixelRatio() > 1.5;
}

// The work area in logical pixels: the screen less a 40 pixel task panel and the window frame.
QSize room()
{
    const double scale = QGuiApplication::primaryScreen()->devicePixelRatio();
    const QSize device = scaled() ? QSize(1920, 1080) : QSize(1366, 768);
    return QSize(int(device.width() / scale) - 8, int((device.height() - 40) / scale) - 34);
}

// Pixels that are not the most common colour: a blank or half-painted page has few.
double contentShare(const QImage &image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); y += 4)
        for (int x = 0; x < image.width(); x += 4)
            ++counts[image.pixel(x, y)];
    int most = 0, all = 0;
    for (int n : counts) {
        most = qMax(most, n);
        all += n;
    }
    return all ? 1.0 - double(most) / all : 0.0;
}

} // namespace

QString ScreenshotTest::folder()
{
    const QString path = QStringLiteral(VC_SCREENSHOT_DIR);
    QDir().mkpath(path);
    return path;
}

QString ScreenshotTest::screenName()
{
    return scaled() ? QStringLiteral("1920x1080-175") : QStringLiteral("1366x768");
}

void ScreenshotTest::windows_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("unitSystem");
    for (const char *language : {"English", "Deutsch",
                                 "Fran\xc3\xa7"
                                 "ais",
                                 "Polski"})
        QTest::newRow(language) << QString::fromUtf8(language) << 0;
    QTest::newRow("English US units") << QStringLiteral("English") << 1;
}

// Every page of the main window, the about box and the print preview.
void ScreenshotTest::windows()
{
    QFETCH(QString, language);
    QFETCH(int, unitSystem);
    test::WindowFixture f(language, unitSystem);
    f.openExample(unitSystem); // a whole design, opened as a planner opens it
    f.window().resize(room());
    const QString suffix =
        (language == QLatin1String("English") ? QString() : QLatin1Char('-') + language) +
        (unitSystem == 1 ? "-US" : "");
    const auto take = [&](QWidget *window, const QString &name) {
        QTest::qWait(20);
        const QImage image = window->grab().toImage();
        QVERIFY2(contentShare(image) > 0.02, qPrintable(name + QStringLiteral(" looks blank")));
        const QStringList clipped = test::clippedCaptions(window);
        QVERIFY2(clipped.isEmpty(),
                 qPrintable(name + QStringLiteral(": ") + clipped.join(QStringLiteral("; "))));
        QVERIFY(
            image.save(QStringLiteral("%1/%2-%3%4.png").arg(folder(), name, screenName(), suffix)));
    };
    for (int page = 0; page < 6; ++page) {
        f.main().selectPage(page);
        take(&f.window(), QStringLiteral("frmMain-page%1").arg(page));
    }
    // The family page with the refusal message, the longest text of the panel.
    f.main().selectPage(MainForm::FamilyPage);
    QTest::mouseClick(f.window().familyPage()->familyArea(5), Qt::LeftButton);
    QVERIFY(!f.field(QStringLiteral("Label20(9)")).isEmpty());
    take(&f.window(), QStringLiteral("frmMain-page2-refused"));

    ui::frmSplash about(ui::frmSplash::Mode::About);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    take(&about, QStringLiteral("frmSplash"));
    FrmPreview preview(f.main(), &f.window());
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    QVERIFY2(preview.width() <= room().width() && preview.height() <= room().height(),
             "the print preview is larger than the screen");
    take(&preview, QStringLiteral("frmPreview"));
}

void ScreenshotTest::chartWindow_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("unitSystem");
    QTest::newRow("English") << "English" << 0;
    QTest::newRow("German, US units") << "Deutsch" << 1;
}

// The h-x chart window over the example project, comfort zone shown.
void ScreenshotTest::chartWindow()
{
    QFETCH(QString, language);
    QFETCH(int, unitSystem);
    test::WindowFixture f(language, unitSystem);
    f.openExample(unitSystem);
    FrmHxWindow window(f.main(), &f.window());
    window.resize(640, 800);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QMetaObject::invokeMethod(window.widget(QStringLiteral("Command1")), "click");
    QTest::qWait(20);
    const QImage image = window.grab().toImage();
    QVERIFY(contentShare(image) > 0.05);
    const QString suffix = unitSystem == 1 ? QStringLiteral("-") + language + QStringLiteral("-US") : QString();
    QVERIFY(image.save(QStringLiteral("%1/frmhx%2.png").arg(folder(), suffix)));
}

QTEST_MAIN(ScreenshotTest)
#include "screenshottest.moc"
