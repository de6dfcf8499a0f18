#include "frmhxwindow.h"

#include "formbinder.h"
#include "frmhx.h"
#include "vixgraphwidget.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

namespace vc {

namespace {

// Design places in twips, shown at 15 twips a pixel.
QRect twips(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}

constexpr int buttonRow = 60; // pixels above the viewport

} // namespace

FrmHxWindow::FrmHxWindow(MainForm &mainForm, QWidget *parent)
    : QDialog(parent), m_logic(std::make_unique<FrmHx>(mainForm)),
      m_binder(std::make_unique<FormBinder>(m_logic->form()))
{
    setObjectName(QStringLiteral("frmhx"));
    FrmHx &logic = *m_logic;
    auto *label = new QLabel(this);
    label->setGeometry(twips(600, 147, 1575, 255));
    m_binder->bind(label, QStringLiteral("Label1"));
    const auto button = [this](const char *name, QRect place, std::function<void()> run) {
        auto *b = new QPushButton(this);
        b->setGeometry(place);
        b->setAutoDefault(false);
        m_binder->bind(b, QLatin1String(name));
        connect(b, &QPushButton::clicked, this, std::move(run));
    };
    button("Command1", twips(600, 480, 1575, 375), [&logic] { logic.Command1_Click(); });
    button("Command4", twips(2640, 480, 1575, 375), [&logic] { logic.Command4_Click(); });
    button("Command2", twips(4680, 480, 1575, 375), [&logic] { logic.Command2_Click(); });
    button("Command3", twips(6840, 480, 1620, 375), [&logic] { logic.Command3_Click(); });
    auto *printers = new QComboBox(this);
    printers->setGeometry(twips(6000, 120, 2475, 315));
    m_binder->bind(printers, QStringLiteral("PrtCombo"));
    connect(printers, &QComboBox::activated, this, [&logic] { logic.PrtCombo_Validate(); });

    m_picture1 = new QWidget(this);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture2 = new QWidget(m_picture1);
    m_picture2->setObjectName(QStringLiteral("Picture2"));
    m_graph = new VixGraphWidget(logic.vixGraph1(), m_picture2);
    m_picture2->resize(m_graph->size()); // sized to what it holds
    m_hScroll = new QScrollBar(Qt::Horizontal, this);
    m_hScroll->setObjectName(QStringLiteral("HScroll1"));
    m_vScroll = new QScrollBar(Qt::Vertical, this);
    m_vScroll->setObjectName(QStringLiteral("VScroll1"));
    connect(m_hScroll, &QScrollBar::valueChanged, m_picture2,
            [this](int v) { m_picture2->move(-v, m_picture2->y()); });
    connect(m_vScroll, &QScrollBar::valueChanged, m_picture2,
            [this](int v) { m_picture2->move(m_picture2->x(), -v); });

    auto showCaption = [this](const QString &caption) { setWindowTitle(caption); };
    connect(&logic.form(), &Form::captionChanged, this, showCaption);

    logic.load(false);
    // The print system can take a moment to answer: the window shows first.
    QTimer::singleShot(0, printers, [&logic] { logic.fillPrinterList(); });
    showCaption(logic.form().caption());
    // A longer caption from the language file may reach over the button row's gap.
    label->resize(qMax(label->width(), label->sizeHint().width()), label->height());

    // Room for the whole chart where the screen allows it.
    const QSize wanted(m_graph->width() + m_vScroll->sizeHint().width(),
                       buttonRow + m_graph->height() + m_hScroll->sizeHint().height());
    QSize size = wanted;
    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() - QSize(40, 80));
    resize(size.expandedTo(QSize(600, 240))); // the button row's width at least
    layoutViewport();
}

FrmHxWindow::~FrmHxWindow() = default;

QWidget *FrmHxWindow::widget(const QString &name) const
{
    if (name == QLatin1String("Picture1"))
        return m_picture1;
    if (name == QLatin1String("Picture2"))
        return m_picture2;
    if (name == QLatin1String("vixGraph1"))
        return m_graph;
    if (name == QLatin1String("HScroll1"))
        return m_hScroll;
    if (name == QLatin1String("VScroll1"))
        return m_vScroll;
    return m_binder->widget(name);
}

void FrmHxWindow::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    m_viewportTop = buttonRow;
    layoutViewport();
}

void FrmHxWindow::layoutViewport()
{
    const int bar = m_vScroll->sizeHint().width(), barHeight = m_hScroll->sizeHint().height();
    const QSize inner(qMax(0, width() - bar), qMax(0, height() - m_viewportTop - barHeight));
    m_picture1->setGeometry(0, m_viewportTop, inner.width(), inner.height());
    m_picture2->move(0, 0);
    m_hScroll->setGeometry(0, m_picture1->geometry().bottom() + 1, inner.width(), barHeight);
    m_vScroll->setGeometry(m_picture1->geometry().right() + 1, m_viewportTop, bar, inner.height());
    const int overX = m_picture2->width() - inner.width(),
              overY = m_picture2->height() - inner.height();
    m_hScroll->setMaximum(qMax(0, overX));
    m_vScroll->setMaximum(qMax(0, overY));
    m_hScroll->setPageStep(qMax(1, inner.width()));
    m_vScroll->setPageStep(qMax(1, inner.height()));
    m_hScroll->setValue(0);
    m_vScroll->setValue(0);
    m_hScroll->setVisible(overX > 0);
    m_vScroll->setVisible(overY > 0);
}

void FrmHxWindow::done(int result)
{
    m_logic->unload();
    QDialog::done(result);
}

void FrmHxWindow::open(MainForm &mainForm, QWidget *parent)
{
    // Errors while opening are not the user's concern; the window simply does not appear.
    try {
        FrmHxWindow window(mainForm, parent);
        window.exec();
    } catch (...) {
    }
}

} // namespace vc
