// The main window on the small and scaled screens planners use: it fits and
// every control can be reached.
#include "captionfit.h"
#include "frmmainwindow.h"
#include "mainform.h"
#include "windowfixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>
#include <QLineEdit>
#include <QScrollArea>
#include <QTabWidget>
#include <QTest>

using namespace vc;
using vc::test::WindowFixture;

namespace {

// What a window's frame (title bar and borders) takes, in logical pixels.
const QSize windowFrame(8, 34);

// The window inside a screen's work area: the screen in logical pixels less
// a task panel of 40 device pixels and the window's frame.
QSize roomOn(QSize devicePixels, double scale)
{
    const QSize logical((devicePixels.width()) / scale, (devicePixels.height() - 40) / scale);
    return logical - windowFrame;
}

// Everything a planner operates on a page: fields, lists and buttons.
QList<QWidget *> controlsOf(QWidget *page)
{
    QList<QWidget *> controls;
    for (QWidget *w : page->findChildren<QWidget *>()) {
        if ((qobject_cast<QLineEdit *>(w) && !qobject_cast<QComboBox *>(w->parentWidget())) ||
            qobject_cast<QComboBox *>(w) || qobject_cast<QAbstractButton *>(w))
            controls.append(w);
    }
    return controls;
}

// True when the control can be brought into view and then lies whole in the window.
bool reachable(QWidget *window, QWidget *control)
{
    QWidget *scroller = control->parentWidget();
    while (scroller && !qobject_cast<QScrollArea *>(scroller))
        scroller = scroller->parentWidget();
    if (auto *scroll = qobject_cast<QScrollArea *>(scroller)) {
        const QPoint centre = control->mapTo(scroll->widget(), control->rect().center());
        scroll->ensureVisible(centre.x(), centre.y(), control->width() / 2 + 1,
                              control->height() / 2 + 1);
        const QRect inViewport(control->mapTo(scroll->viewport(), QPoint(0, 0)), control->size());
        if (!scroll->viewport()->rect().contains(inViewport))
            return false;
    }
    const QRect inWindow(control->mapTo(window, QPoint(0, 0)), control->size());
    return window->rect().contains(inWindow);
}

} // namespace

class MainWindowFitTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fitsTheScreen_data();
    void fitsTheScreen();
    void cutCaptionsAreFound();
};

void MainWindowFitTest::fitsTheScreen_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QSize>("room");
    const QStringList languages{QStringLiteral("English"), QStringLiteral("Deutsch"),
                                QString::fromUtf8("Fran\xc3\xa7"
                                                  "ais"),
                                QStringLiteral("Polski")};
    for (const QString &language : languages) {
        QTest::newRow(qPrintable(language + QStringLiteral(", 1366x768 at 100%")))
            << language << roomOn({1366, 768}, 1.0);
        QTest::newRow(qPrintable(language + QStringLiteral(", 1920x1080 at 175%")))
            << language << roomOn({1920, 1080}, 1.75);
    }
}

void MainWindowFitTest::fitsTheScreen()
{
    QFETCH(QString, language);
    QFETCH(QSize, room);
    WindowFixture f(language);
    FrmMainWindow &window = f.window();
    const QSize smallest = window.minimumSizeHint().expandedTo(window.minimumSize());
    QVERIFY2(smallest.width() <= room.width() && smallest.height() <= room.height(),
             qPrintable(QStringLiteral("smallest window %1x%2, room %3x%4")
                            .arg(smallest.width())
                            .arg(smallest.height())
                            .arg(room.width())
                            .arg(room.height())));
    window.resize(room);
    QTest::qWait(1);
    QCOMPARE(window.size(), room);
    for (int page = 0; page < MainForm::PageCount; ++page) {
        f.main().selectPage(page);
        QCoreApplication::processEvents();
        QStringList unreachable;
        for (QWidget *control : controlsOf(&window)) {
            if (control->isVisible() && !reachable(&window, control))
                unreachable.append(control->objectName());
        }
        QVERIFY2(unreachable.isEmpty(),
                 qPrintable(QStringLiteral("page %1: %2")
                                .arg(page)
                                .arg(unreachable.join(QStringLiteral(", ")))));
    }
}

// The check the screenshot test relies on finds what a reader would miss.
void MainWindowFitTest::cutCaptionsAreFound()
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *narrow = new QLabel(QStringLiteral("Befeuchtungsstrecke"));
    narrow->setObjectName(QStringLiteral("narrow"));
    narrow->setFixedWidth(30);
    auto *shallow = new QLabel(QStringLiteral("Diese Baureihe ist für die vorgeschlagene Baugröße nicht lieferbar."));
    shallow->setObjectName(QStringLiteral("shallow"));
    shallow->setWordWrap(true);
    shallow->setFixedSize(120, 20);
    auto *whole = new QLabel(QStringLiteral("Baureihe"));
    whole->setObjectName(QStringLiteral("whole"));
    for (QLabel *label : {narrow, shallow, whole})
        layout->addWidget(label);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QStringList clipped = test::clippedCaptions(&window);
    QCOMPARE(clipped.size(), 2);
    QVERIFY(clipped.at(0).startsWith(QLatin1String("narrow")) || clipped.at(1).startsWith(QLatin1String("narrow")));
    QVERIFY(!clipped.join(QLatin1Char(' ')).contains(QLatin1String("whole")));
}

QTEST_MAIN(MainWindowFitTest)
#include "mainwindowfittest.moc"
