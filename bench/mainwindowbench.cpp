// Start-up to the main window shown, and a Calculate click to all results
// painted, on the installation beside the executables.
#include "frmmainwindow.h"
#include "localisation.h"
#include "mainform.h"
#include "windowfixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextStream>
#include <algorithm>
#include <vector>

using namespace vc;

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

bool report(const char *what, const std::vector<double> &ms, double budget)
{
    const double m = median(ms);
    const double worst = *std::max_element(ms.begin(), ms.end());
    const bool ok = m < budget;
    QTextStream(stdout) << what << ": median " << QString::number(m, 'f', 2) << " ms, worst "
                        << QString::number(worst, 'f', 2) << " ms (budget " << budget << " ms) "
                        << (ok ? "OK" : "TOO SLOW") << '\n';
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    test::useInstallation(QStringLiteral(VC_BIN_DIR), QStringLiteral("English"), 0);

    // Start-up: the window built, loaded (captions, units, lists, page handler) and shown.
    std::vector<double> startUp;
    for (int run = 0; run < 7; ++run) {
        QElapsedTimer timer;
        timer.start();
        MainForm main;
        installLocalisation(main);
        FrmMainWindow window(main);
        window.load();
        window.show();
        QCoreApplication::processEvents();
        window.repaint();
        startUp.push_back(timer.nsecsElapsed() / 1e6);
    }

    // Calculate on the load page: the click, the calculation, every result label repainted.
    MainForm main;
    installLocalisation(main);
    FrmMainWindow window(main);
    window.load();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    main.selectPage(1);
    QCoreApplication::processEvents();
    auto *calc = window.findChild<QPushButton *>(QStringLiteral("btnCalc"));
    std::vector<double> calculate;
    for (int run = 0; run < 50; ++run) {
        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(calc, Qt::LeftButton);
        window.tabs()->currentWidget()->repaint();
        calculate.push_back(timer.nsecsElapsed() / 1e6);
    }

    const bool ok1 = report("start-up to main window shown", startUp, 300);
    const bool ok2 = report("Calculate click to results painted", calculate, 16);
    return ok1 && ok2 ? 0 : 1;
}
