#include "windowfixture.h"

#include "form/appglobals.h"
#include "frmmainwindow.h"
#include "localisation.h"
#include "mainform.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace vc::test {

namespace {

QtMessageHandler previousHandler = nullptr;

// The offscreen platform warns on every window it shows that it cannot pass
// size hints on; that says nothing about the window under test.
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("propagateSizeHints")))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

void useInstallation(const QString &appPath, const QString &language, int unitSystem)
{
    AppGlobals &g = app();
    g.AppPath = appPath;
    g.DataPath = appPath + QStringLiteral("/Data");
    g.DocsPath = appPath + QStringLiteral("/Docs");
    QDir().mkpath(g.DataPath);
    QDir().mkpath(g.DocsPath);
    g.SettingsFile = appPath + QStringLiteral("/VeltrannCalc.ini");
    g.LanguageFile = appPath + QStringLiteral("/Language/") + language + QStringLiteral(".lng");
    g.LanguageName = QFileInfo::exists(g.LanguageFile) ? language : QString();
    g.UnitSystem = qint16(unitSystem);
    g.UnitFile = appPath + (unitSystem == 1 ? QStringLiteral("/Unit/USA.lng")
                                            : QStringLiteral("/Unit/SI.lng"));
    g.UnitName = QFileInfo::exists(g.UnitFile) ? QString::number(unitSystem) : QString();
    g.ProjectFile.clear();
    g.LanguageDocsPath.clear();
}

WindowFixture::WindowFixture(const QString &language, int unitSystem)
{
    if (!previousHandler) // the handler in place before ours: never null once ours is in
        previousHandler = qInstallMessageHandler(quietHandler);
    useInstallation(m_install.path(), language, unitSystem);
    Services::setMessages(&messages);
    Services::setFileDialogs(&dialogs);
    Services::setClipboard(&clipboard);
    m_main = std::make_unique<MainForm>();
    installLocalisation(*m_main);
    m_window = std::make_unique<FrmMainWindow>(*m_main);
    m_window->load();
    m_window->show();
    m_window->activateWindow();
    if (!QTest::qWaitForWindowExposed(m_window.get()) ||
        !QTest::qWaitForWindowActive(m_window.get()))
        qWarning("the main window did not become active; focus tests will fail");
}

WindowFixture::~WindowFixture()
{
    m_window.reset();
    m_main.reset();
    Services::setMessages(nullptr);
    Services::setFileDialogs(nullptr);
    Services::setClipboard(nullptr);
}

QString WindowFixture::field(const QString &name) const
{
    return m_main->form().at(name).text();
}

QAction *WindowFixture::action(const QString &name) const
{
    return m_window->findChild<QAction *>(name);
}

void WindowFixture::click(const QString &name)
{
    QTest::mouseClick(widget(name), Qt::LeftButton);
}

void WindowFixture::clickTab(int page)
{
    QTabBar *bar = m_window->tabs()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
}

void WindowFixture::typeInto(const QString &name, const QString &text)
{
    QWidget *field = widget(name);
    if (field->hasFocus())
        m_window->tabs()->setFocus(Qt::TabFocusReason);
    field->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(field, text);
}

void WindowFixture::openExample(int unitSystem)
{
    dialogs.script(path(unitSystem == 1 ? QStringLiteral("Data/Example US.sti")
                                        : QStringLiteral("Data/Example metric.sti")));
    action(QStringLiteral("mnuOpen"))->trigger();
}

QString inModal(const std::function<void()> &trigger, const std::function<void(QWidget *)> &act)
{
    QString opened;
    QTimer::singleShot(0, [&] {
        if (QWidget *window = QApplication::activeModalWidget()) {
            opened = QString::fromLatin1(window->metaObject()->className());
            act(window);
            if (window->isVisible()) // a window the act left open ends the test's wait
                QTimer::singleShot(0, window, [window] { window->close(); });
        }
    });
    trigger();
    return opened;
}

} // namespace vc::test
