#include "frmmainwindow.h"

#include "form/appglobals.h"
#include "familypage.h"
#include "filecommands.h"
#include "formbinder.h"
#include "frmhxwindow.h"
#include "frmpreview.h"
#include "frmkorbwindow.h"
#include "frmmanbs.h"
#include "frmmandm.h"
#include "frmsc.h"
#include "localisation.h"
#include "mainform.h"
#include "mainpagebuilder.h"
#include "qttranslations.h"
#include "richtext/richtextfield.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace vc {

namespace {

const QColor focusColor(255, 255, 0);
const char shownTextProperty[] = "vcShownText";

QString item(const char *base, int index)
{
    return Form::item(QLatin1String(base), index);
}

// Field groups whose focus is highlighted.
bool isHighlighted(const QString &name)
{
    return name.startsWith(QLatin1String("Text1(")) || name.startsWith(QLatin1String("Text2("))
           || name.startsWith(QLatin1String("Text3(")) || name.startsWith(QLatin1String("Combo2("))
           || name.startsWith(QLatin1String("Combo3("));
}

const char windowStyle[] = R"(
QLabel[vcRole="result"] {
    background: #f3f6f8; border: 1px solid #c5ccd3; border-radius: 2px;
    padding: 2px 6px; min-height: 18px;
}
QLabel[vcRole="heading"] { font-weight: bold; color: #20506e; padding-top: 4px; }
QLabel[vcRole="unit"] { color: #4a5560; }
QLabel#tittle { color: white; font-weight: bold; padding: 6px 12px; }
QWidget#titleBar { background: #1f5f7a; }
QFrame[vcRole="line"] { color: #c5ccd3; }
)";

QWidget *scrollable(QWidget *page)
{
    auto *scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("pageScroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(page);
    return scroll;
}

// On a wide screen a form page keeps a readable width and stays on the left;
// on a small one (or with large scaling) it scrolls, so the window never
// has to be larger than the screen and its size never follows the captions.
QWidget *limitWidth(QWidget *page)
{
    auto *holder = new QWidget;
    auto *layout = new QHBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    page->setMaximumWidth(1240);
    layout->addWidget(page, 1);
    layout->addStretch(0);
    return scrollable(holder);
}

} // namespace

FrmMainWindow::FrmMainWindow(MainForm &mainForm, QWidget *parent)
    : QMainWindow(parent), m_main(mainForm), m_binder(std::make_unique<FormBinder>(mainForm.form())),
      m_files(std::make_unique<FileCommands>(mainForm))
{
    setObjectName(QStringLiteral("frmMain"));
    setStyleSheet(QLatin1String(windowStyle));

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto *titleBar = new QWidget(central);
    titleBar->setObjectName(QStringLiteral("titleBar"));
    titleBar->setAttribute(Qt::WA_StyledBackground);
    auto *titleLayout = new QHBoxLayout(titleBar);
    titleLayout->setContentsMargins(0, 0, 0, 0);
    auto *title = new QLabel(QStringLiteral("Planing Information for Veltrann steam humidifiers"), titleBar);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.25);
    title->setFont(titleFont);
    m_binder->bind(title, QStringLiteral("tittle"));
    title->setObjectName(QStringLiteral("tittle"));
    // A long title in some language must not widen the window.
    title->setMinimumWidth(1);
    titleLayout->addWidget(title);
    layout->addWidget(titleBar);

    MainForm &main = m_main;
    MainPageBuilder::Commands commands;
    commands.calc = [&main] { main.btnCalc_Click(); };
    commands.calcHumid = [&main] { main.btnCalcHumid_Click(); };
    commands.refreshReport = [&main] { main.Command7_Click(); };
    commands.copyReport = [&main] { main.Command2_Click(); };
    commands.refreshTender = [&main] { main.Command6_Click(); };
    commands.copyTender = [&main] { main.Command1_Click(); };
    commands.printReport = [this] { printReport(); };
    commands.printTender = [this] { openPreview(); };
    commands.saveAs = [this] { m_files->mnuSaveAs(); };
    commands.back = [&main] { main.btnPrev_Click(); };
    commands.next = [&main] { main.btnNext_Click(); };
    commands.equipment = [this] { openBasket(); };
    commands.manualLoad = [this] { FrmManDM::open(m_main, this); };
    commands.manualDistance = [this] { FrmManBS::open(m_main, this); };
    commands.hxDiagram = [this] { FrmHxWindow::open(m_main, this); };
    MainPageBuilder pages(*m_binder, [this](QWidget *field, const QString &name) { watchFocus(field, name); },
                          commands);

    m_tabs = new QTabWidget(central);
    m_tabs->addTab(limitWidth(pages.projectPage()), QStringLiteral("Project"));
    m_tabs->addTab(limitWidth(pages.loadPage()), QStringLiteral("&Humidification load"));
    m_familyPage = new FamilyPage(m_main, *m_binder, m_tabs);
    m_familyPage->setSelfCleaningHandler([this] { FrmSC::open(this); });
    m_tabs->addTab(scrollable(m_familyPage), QStringLiteral("Units"));
    m_tabs->addTab(limitWidth(pages.distancePage()), QStringLiteral("Humidification distanz"));
    m_tabs->addTab(pages.documentPage(true, m_main.RtfCalulation().document()), QStringLiteral("Summary"));
    m_tabs->addTab(pages.documentPage(false, m_main.RtfTender().document()), QStringLiteral("Text for tender"));
    m_binder->bind(m_tabs, QStringLiteral("SSTab1"));
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int page) {
        if (page != m_main.currentPage())
            m_main.selectPage(page);
    });
    auto *tabFrame = new QVBoxLayout;
    tabFrame->setContentsMargins(10, 10, 10, 6);
    tabFrame->addWidget(m_tabs);
    layout->addLayout(tabFrame, 1);
    layout->addWidget(pages.bottomBar());
    setCentralWidget(central);

    buildMenus();

    auto showCaption = [this](const QString &caption) {
        setWindowTitle(caption.isEmpty() ? QStringLiteral("VeltrannCalc") : caption);
    };
    connect(&m_main.form(), &Form::captionChanged, this, showCaption);
    showCaption(m_main.form().caption());

    // A size that shows every page whole on a 1280 x 800 screen and leaves room on larger ones.
    QSize size(1140, 760);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() - QSize(20, 40));
    resize(size);
}

FrmMainWindow::~FrmMainWindow() = default;

void FrmMainWindow::load()
{
    ui::QtTranslations::apply(app().LanguageName);
    m_main.load();
}

void FrmMainWindow::buildMenus()
{
    auto addMenu = [this](const QString &name, const QString &text) {
        QMenu *menu = menuBar()->addMenu(text);
        m_binder->bind(menu->menuAction(), name);
        return menu;
    };
    auto addAction = [this](QMenu *menu, const QString &name, const QString &text, std::function<void()> run) {
        QAction *action = menu->addAction(text);
        if (run)
            connect(action, &QAction::triggered, this, std::move(run));
        else
            action->setEnabled(false); // its window is not part of this build yet
        m_binder->bind(action, name);
        return action;
    };

    QMenu *file = addMenu(QStringLiteral("mnuFile"), QStringLiteral("File"));
    addAction(file, QStringLiteral("mnuNew"), QStringLiteral("New Project"), [this] { m_files->mnuNew(); });
    addAction(file, QStringLiteral("mnuOpen"), QStringLiteral("Open"), [this] { m_files->mnuOpen(); });
    addAction(file, item("mnuLastFile", 0), QStringLiteral("Lastfile"), [this] { m_files->mnuLastFile(); });
    addAction(file, QStringLiteral("mnuSave"), QStringLiteral("Save"), [this] { m_files->mnuSave(); });
    addAction(file, QStringLiteral("mnuSaveAs"), QStringLiteral("Save as"), [this] { m_files->mnuSaveAs(); });
    file->addSeparator();
    addAction(file, QStringLiteral("mnuPrint"), QStringLiteral("Print"), [this] { printReport(); });
    file->addSeparator();
    addAction(file, QStringLiteral("mnuExit"), QStringLiteral("Exit"), [this] { onExit(); });

    QMenu *language = addMenu(QStringLiteral("mnuLanguage"), QStringLiteral("Language"));
    const char *languages[] = {"English", "Deutsch", "Français", "Polski"};
    for (int i = 0; i < 4; ++i) {
        QAction *action = addAction(language, item("mnuOtherLanguage", i),
                                    QString::fromUtf8(languages[i]), [this, i] {
                                        mnuOtherLanguage_Click(m_main, i);
                                        ui::QtTranslations::apply(app().LanguageName);
                                    });
        action->setCheckable(true);
    }

    QMenu *units = addMenu(QStringLiteral("mnuUnit"), QStringLiteral("Units"));
    const char *systems[] = {"SI", "USA"};
    for (int i = 0; i < 2; ++i) {
        QAction *action = addAction(units, item("mnuOtherUnit", i), QLatin1String(systems[i]), [this, i] {
            if (m_main.hooks.unitCommand)
                m_main.hooks.unitCommand(i);
        });
        action->setCheckable(true);
    }

    QMenu *info = addMenu(QStringLiteral("mnuInfo"), QStringLiteral("Info"));
    addAction(info, QStringLiteral("mnuAbout"), QStringLiteral("About"), [this] {
        if (m_about)
            m_about();
    });
    addAction(info, QStringLiteral("mnuSC"), QStringLiteral("SC-System"), [this] { FrmSC::open(this); });
}

// --- behaviour --------------------------------------------------------------

void FrmMainWindow::watchFocus(QWidget *field, const QString &name)
{
    if (!isHighlighted(name))
        return;
    m_focusFields.insert(field, name);
    field->installEventFilter(this);
    // Only a changed text marks the project changed: keys that move, select
    // or copy do not, nor does typing or pasting the text the field holds.
    // textEdited comes before textChanged, so the shown text is the old one.
    if (auto *edit = qobject_cast<QLineEdit *>(field);
        edit && name.startsWith(QLatin1String("Text1("))) {
        edit->setProperty(shownTextProperty, edit->text());
        connect(edit, &QLineEdit::textChanged, edit,
                [edit](const QString &text) { edit->setProperty(shownTextProperty, text); });
        connect(edit, &QLineEdit::textEdited, this, [this, edit](const QString &text) {
            if (text != edit->property(shownTextProperty).toString())
                m_main.ProjectChanged = true;
        });
    }
}

bool FrmMainWindow::eventFilter(QObject *watched, QEvent *event)
{
    const auto found = m_focusFields.constFind(watched);
    if (found == m_focusFields.constEnd())
        return QMainWindow::eventFilter(watched, event);
    Control &control = m_main.form().at(*found);
    switch (event->type()) {
    case QEvent::FocusIn: {
        // Back from the field's own drop-down list the field is yellow still.
        if (control.backColor() == focusColor)
            break;
        m_focusSavedColor = control.backColor();
        control.setBackColor(focusColor);
        if (auto *edit = qobject_cast<QLineEdit *>(watched)) {
            control.setSelection(0, control.text().size());
            edit->selectAll();
            // A mouse click places the caret after the focus arrives; select again after it.
            if (static_cast<QFocusEvent *>(event)->reason() == Qt::MouseFocusReason)
                QTimer::singleShot(0, edit, [edit] { edit->selectAll(); });
        }
        break;
    }
    case QEvent::FocusOut: {
        // Opening the field's drop-down list does not leave the field.
        auto *combo = qobject_cast<QComboBox *>(watched);
        if (static_cast<QFocusEvent *>(event)->reason() == Qt::PopupFocusReason ||
            (combo && combo->view()->isVisible()))
            break;
        control.setBackColor(m_focusSavedColor);
        break;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void FrmMainWindow::printReport()
{
    if (m_main.hooks.fillReport)
        m_main.hooks.fillReport();
    if (m_main.hooks.fillTender)
        m_main.hooks.fillTender();
    openPreview();
}

void FrmMainWindow::openPreview()
{
    FrmPreview preview(m_main, this);
    preview.exec();
}

void FrmMainWindow::onExit()
{
    // Ends the program without asking to save, closing every other window.
    close();
    QApplication::closeAllWindows();
    QApplication::quit();
}

void FrmMainWindow::openBasket()
{
    FrmKorbWindow basket(m_main, this);
    basket.load();
    basket.exec();
}

} // namespace vc
