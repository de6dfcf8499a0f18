// The main window in every shipped language and both unit systems: each page
// is saved as a picture into the build folder, and no caption may be cut off
// by the control that shows it.
#include "frmmainwindow.h"
#include "mainform.h"
#include "windowfixture.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QTabBar>
#include <QTest>

using namespace vc;

class LocalisedWindowTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void captionsFit_data();
    void captionsFit();
};

namespace {

QString withoutAccelerator(QString text)
{
    text.replace(QLatin1String("&&"), QLatin1String("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

// A one-line caption that needs more room than its control gives it.
QString clipped(QWidget *widget)
{
    QString text;
    int room = 0;
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        if (label->wordWrap() || label->text().isEmpty() || label->textFormat() == Qt::RichText
            || !label->pixmap().isNull())
            return QString();
        text = label->text();
        room = label->contentsRect().width() - 2 * label->margin() - label->indent();
    } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        if (button->text().isEmpty())
            return QString();
        text = button->text();
        room = button->width() - 8;
    } else {
        return QString();
    }
    const QString shown = withoutAccelerator(text);
    if (shown.contains(QLatin1Char('\n')))
        return QString();
    const int needed = widget->fontMetrics().horizontalAdvance(shown);
    if (needed <= room)
        return QString();
    return QStringLiteral("%1 \"%2\" needs %3 px, has %4").arg(widget->objectName(), shown).arg(needed).arg(room);
}

} // namespace

void LocalisedWindowTest::captionsFit_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("unitSystem");
    for (const char *language : {"English", "Deutsch", "Fran\xC3\xA7" "ais", "Polski"})
        for (int units : {0, 1})
            QTest::newRow(qPrintable(QString::fromUtf8(language) + (units ? QStringLiteral(", US") : QStringLiteral(", SI"))))
                << QString::fromUtf8(language) << units;
}

void LocalisedWindowTest::captionsFit()
{
    QFETCH(QString, language);
    QFETCH(int, unitSystem);
    test::WindowFixture f(language, unitSystem);
    f.dialogs.script(f.path(QStringLiteral("Data/Example metric.sti")));
    if (auto *open = f.window().findChild<QAction *>(QStringLiteral("mnuOpen")))
        open->trigger();
    f.window().resize(1280, 740);
    const QString folder = QStringLiteral(VC_SCREENSHOT_DIR);
    QVERIFY(QDir().mkpath(folder));

    QStringList problems;
    for (int page = 0; page < MainForm::PageCount; ++page) {
        f.main().selectPage(page);
        QTest::qWait(20);
        const QImage image = f.window().grab().toImage();
        QVERIFY(image.save(QStringLiteral("%1/localised-%2-%3-page%4.png")
                               .arg(folder, language, unitSystem ? QStringLiteral("US") : QStringLiteral("SI"))
                               .arg(page)));
        for (QWidget *widget : f.window().findChildren<QWidget *>()) {
            if (!widget->isVisible())
                continue;
            const QString problem = clipped(widget);
            if (!problem.isEmpty() && !problems.contains(problem))
                problems.append(problem);
        }
    }
    if (!problems.isEmpty())
        qWarning().noquote() << problems.join(QLatin1Char('\n'));
    QVERIFY2(problems.isEmpty(), qPrintable(QString::number(problems.size()) + QStringLiteral(" captions cut off")));
}

QTEST_MAIN(LocalisedWindowTest)
#include "localisedwindowtest.moc"
