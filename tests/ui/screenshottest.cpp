// Saves every page of the main window as a PNG into the build folder, in every
// language, on the small screen (1366x768 at 100 %) or, when the test runs
// with QT_SCALE_FACTOR=1.75, on a 1920x1080 screen at 175 %, so the window can
// be looked at without a display; and checks on each that the window fits the
// screen, every control can be reached and no caption is cut off.
#include "datarows.h"
#include "familypage.h"
#include "frmhxwindow.h"
#include "frmmainwindow.h"
#include "frmpreview.h"
#include "frmsplash.h"
#include "mainform.h"
#include "windowfixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>

using namespace vc;

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

bool labelFits(const QLabel *label)
{
    const QString text = label->text();
    if (text.isEmpty() || label->textFormat() == Qt::RichText || Qt::mightBeRichText(text))
        return true;
    if (label->wordWrap())
        return label->heightForWidth(label->width()) <= label->height() + 1;
    const int margin = label->margin() * 2 + qMax(label->indent(), 0);
    const QRect space = label->contentsRect().adjusted(0, 0, -margin, -margin);
    const QSize needed = label->fontMetrics().size(Qt::TextShowMnemonic, text);
    return needed.width() <= space.width() + 1 &&
           label->fontMetrics().height() <= space.height() + 1;
}

// The visible captions the user cannot read whole, as "object name: text": a
// label wider or taller than its room (a wrapping one: taller than its height
// at its width), a button narrower than its text, a tab narrower than its caption.
QStringList clippedCaptions(QWidget *root)
{
    QStringList clipped;
    for (QWidget *widget : root->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(root) || !widget->isVisible())
            continue;
        QStringList texts;
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            if (!labelFits(label))
                texts << label->text();
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            if (!button->text().isEmpty() && button->sizeHint().width() > button->width() + 1)
                texts << button->text();
        } else if (auto *tabs = qobject_cast<QTabBar *>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->tabRect(i).width() + 1 <
                    tabs->fontMetrics().size(Qt::TextShowMnemonic, tabs->tabText(i)).width())
                    texts << tabs->tabText(i);
        }
        for (const QString &text : texts)
            clipped << widget->objectName() + QStringLiteral(": ") + text;
    }
    return clipped;
}

// The fields, lists and buttons that cannot be scrolled into view whole inside the window.
QStringList unreachable(QWidget *window)
{
    QStringList names;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        const bool control =
            (qobject_cast<QLineEdit *>(w) && !qobject_cast<QComboBox *>(w->parentWidget())) ||
            qobject_cast<QComboBox *>(w) || qobject_cast<QAbstractButton *>(w);
        if (!control || !w->isVisible())
            continue;
        QWidget *scroller = w->parentWidget();
        while (scroller && !qobject_cast<QScrollArea *>(scroller))
            scroller = scroller->parentWidget();
        if (auto *scroll = qobject_cast<QScrollArea *>(scroller)) {
            const QPoint centre = w->mapTo(scroll->widget(), w->rect().center());
            scroll->ensureVisible(centre.x(), centre.y(), w->width() / 2 + 1, w->height() / 2 + 1);
            if (!scroll->viewport()->rect().contains(
                    QRect(w->mapTo(scroll->viewport(), QPoint(0, 0)), w->size()))) {
                names << w->objectName();
                continue;
            }
        }
        if (!window->rect().contains(QRect(w->mapTo(window, QPoint(0, 0)), w->size())))
            names << w->objectName();
    }
    return names;
}

} // namespace

class ScreenshotTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY(QDir().mkpath(QStringLiteral(VC_SCREENSHOT_DIR))); }

    // The caption check finds what a reader would miss, and only that.
    void cutCaptionsAreFound()
    {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        const auto add = [&](const char *name, const QString &text) {
            auto *label = new QLabel(text, &window);
            label->setObjectName(QLatin1String(name));
            layout->addWidget(label);
            return label;
        };
        add("narrow", QStringLiteral("Befeuchtungsstrecke"))->setFixedWidth(30);
        QLabel *shallow =
            add("shallow", QString::fromUtf8("Diese Baureihe ist für die vorgeschlagene "
                                             "Baugröße nicht lieferbar."));
        shallow->setWordWrap(true);
        shallow->setFixedSize(120, 20);
        add("whole", QStringLiteral("Baureihe"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(clippedCaptions(&window),
                 QStringList({"narrow: Befeuchtungsstrecke", "shallow: " + shallow->text()}));
    }

    void windows_data() { vc::test::addRows("screenshots.tsv"); }

    // Every page of the main window, the about box, the print preview and the chart window.
    void windows()
    {
        QFETCH(QString, language);
        QFETCH(int, unitSystem);
        test::WindowFixture f(language, unitSystem);
        f.openExample(unitSystem); // a whole design, opened as a planner opens it
        const QSize smallest = f.window().minimumSizeHint().expandedTo(f.window().minimumSize());
        QVERIFY2(smallest.boundedTo(room()) == smallest,
                 "the main window cannot shrink to the screen");
        f.window().resize(room());
        QTest::qWait(1);
        QCOMPARE(f.window().size(), room());
        const QString variant =
            (language == QLatin1String("English") ? QString() : QLatin1Char('-') + language) +
            (unitSystem == 1 ? QStringLiteral("-US") : QString());
        const QString screen =
            scaled() ? QStringLiteral("1920x1080-175") : QStringLiteral("1366x768");
        const auto take = [&](QWidget *window, const QString &name) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            QTest::qWait(20);
            const QImage image = window->grab().toImage();
            QVERIFY2(contentShare(image) > 0.02, qPrintable(name + QStringLiteral(" looks blank")));
            const QStringList clipped = clippedCaptions(window);
            QVERIFY2(clipped.isEmpty(),
                     qPrintable(name + QStringLiteral(": ") + clipped.join("; ")));
            QVERIFY(image.save(VC_SCREENSHOT_DIR "/" + name + "-" + screen + variant + ".png"));
        };
        for (int page = 0; page < 6; ++page) {
            f.main().selectPage(page);
            take(&f.window(), QStringLiteral("frmMain-page%1").arg(page));
            const QStringList lost = unreachable(&f.window());
            QVERIFY2(lost.isEmpty(), qPrintable(QString::number(page) + ": " + lost.join(", ")));
        }
        // The family page with the refusal message, the longest text of the panel.
        f.main().selectPage(MainForm::FamilyPage);
        QTest::mouseClick(f.window().familyPage()->familyArea(5), Qt::LeftButton);
        QVERIFY(!f.field(QStringLiteral("Label20(9)")).isEmpty());
        take(&f.window(), QStringLiteral("frmMain-page2-refused"));

        ui::frmSplash about(ui::frmSplash::Mode::About);
        take(&about, QStringLiteral("frmSplash"));
        FrmPreview preview(f.main(), &f.window());
        take(&preview, QStringLiteral("frmPreview"));
        QVERIFY2(preview.size().boundedTo(room()) == preview.size(),
                 "the print preview is larger than the screen");

        // The h-x chart window, comfort zone shown.
        FrmHxWindow chart(f.main(), &f.window());
        chart.resize(640, 800);
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        QMetaObject::invokeMethod(chart.widget(QStringLiteral("Command1")), "click");
        QTest::qWait(20);
        const QImage image = chart.grab().toImage();
        QVERIFY(contentShare(image) > 0.05);
        QVERIFY(image.save(VC_SCREENSHOT_DIR "/frmhx" + variant + ".png"));
    }
};

QTEST_MAIN(ScreenshotTest)
#include "screenshottest.moc"
