// Saves every page of the main window as a PNG into the build folder, at the
// two screen sizes planners use, so the window can be looked at without a display.
#include "frmmainwindow.h"
#include "mainform.h"
#include "windowfixture.h"

#include <QAction>
#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QTabWidget>
#include <QTest>

using namespace vc;

class ScreenshotTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pages_data();
    void pages();
};

void ScreenshotTest::pages_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("unitSystem");
    QTest::newRow("1280x800") << QSize(1280, 800) << "English" << 0;
    QTest::newRow("1920x1080") << QSize(1920, 1080) << "English" << 0;
    QTest::newRow("1280x800 German") << QSize(1280, 800) << "Deutsch" << 0;
    QTest::newRow("1280x800 Polish") << QSize(1280, 800) << "Polski" << 0;
    QTest::newRow("1280x800 US units") << QSize(1280, 800) << "English" << 1;
}

// Pixels that are not the most common colour: a blank or half-painted page has few.
static double contentShare(const QImage &image)
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

void ScreenshotTest::pages()
{
    QFETCH(QSize, screen);
    QFETCH(QString, language);
    QFETCH(int, unitSystem);
    test::WindowFixture f(language, unitSystem);
    // A whole design: the example project, opened as a planner opens it.
    f.dialogs.script(f.path(unitSystem == 1 ? QStringLiteral("Data/Example US.sti")
                                            : QStringLiteral("Data/Example metric.sti")));
    f.window().findChild<QAction *>(QStringLiteral("mnuOpen"))->trigger();
    // The window takes the screen less the task bar and the frame.
    f.window().resize(screen - QSize(0, 60));
    const QString folder = QStringLiteral(VC_SCREENSHOT_DIR);
    QVERIFY(QDir().mkpath(folder));
    for (int page = 0; page < 6; ++page) {
        f.main().selectPage(page);
        QTest::qWait(20);
        const QImage image = f.window().grab().toImage();
        QCOMPARE(image.size(), f.window().size());
        QVERIFY2(contentShare(image) > 0.02, qPrintable(QStringLiteral("page %1 looks blank").arg(page)));
        QString suffix = language == QLatin1String("English") ? QString() : QLatin1Char('-') + language;
        if (unitSystem == 1)
            suffix += QStringLiteral("-US");
        const QString file = QStringLiteral("%1/frmMain-page%2-%3x%4%5.png")
                                 .arg(folder).arg(page).arg(screen.width()).arg(screen.height()).arg(suffix);
        QVERIFY(image.save(file));
    }
}

QTEST_MAIN(ScreenshotTest)
#include "screenshottest.moc"
