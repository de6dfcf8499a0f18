#include "frmpreview.h"

#include "formbinder.h"
#include "languagecaptions.h"
#include "printpreview.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>

namespace vc {

FrmPreview::FrmPreview(MainForm &main, QWidget *parent)
    : QDialog(parent), m_logic(std::make_unique<PrintPreview>(main))
{
    setObjectName(QStringLiteral("frmPreview"));
    Form &form = m_logic->form();
    m_binder = std::make_unique<FormBinder>(form);

    auto *outer = new QVBoxLayout(this);
    auto *bar = new QHBoxLayout;
    auto label = [&](const QString &name) {
        auto *l = new QLabel(this);
        m_binder->bind(l, name);
        bar->addWidget(l);
    };
    auto button = [&](const QString &name, std::function<void()> run) {
        auto *b = new QPushButton(this);
        b->setAutoDefault(false);
        m_binder->bind(b, name);
        connect(b, &QPushButton::clicked, this, std::move(run));
        bar->addWidget(b);
        return b;
    };
    label(QStringLiteral("Label1"));
    auto *printers = new QComboBox(this);
    printers->setMinimumWidth(210);
    bar->addWidget(printers);
    label(QStringLiteral("Label2"));
    auto *copies = new QComboBox(this);
    copies->setEditable(true);
    copies->setMinimumWidth(50);
    bar->addWidget(copies);
    label(QStringLiteral("Label3"));
    button(QStringLiteral("Command2(0)"), [this] {
        m_logic->Command2_Click(0);
        toTop();
    });
    button(QStringLiteral("Command2(1)"), [this] {
        m_logic->Command2_Click(1);
        toTop();
    });
    button(QStringLiteral("Vixbutton1"), [this] {
        m_logic->Vixbutton1_Click();
        toTop();
    });
    button(QStringLiteral("btnPdf"), [this] { m_logic->btnPdf_Click(); });
    bar->addStretch();
    outer->addLayout(bar);

    m_text = new QTextEdit(this);
    m_text->setObjectName(QStringLiteral("RichTextBox1"));
    m_text->setReadOnly(true);
    m_text->setDocument(m_logic->RichTextBox1().document());
    outer->addWidget(m_text, 1);

    m_binder->bind(printers, QStringLiteral("PrtCombo"));
    m_binder->bind(copies, QStringLiteral("Copys"));
    LoadLanguageCaptions(form);
    setWindowTitle(form.caption());
    m_logic->Form_Load();
    showLineWidth();
    toTop();
    // the binder has put the choice into the control before this runs
    connect(printers, &QComboBox::activated, this, [this] { m_logic->PrtCombo_Validate(); });
    // Within the screen also on a small one or with large scaling.
    QSize size(760, 620);
    if (const QScreen *shown = screen())
        size = size.boundedTo(shown->availableGeometry().size() - QSize(20, 60));
    resize(size);
}

FrmPreview::~FrmPreview()
{
    // the editor shows the logic's document: it goes before the document does
    delete m_text;
}

void FrmPreview::showLineWidth()
{
    // lines break on the screen where they will on paper
    const int pixels = qRound(m_logic->lineWidth() / 1440.0 * logicalDpiX());
    m_text->setLineWrapMode(QTextEdit::FixedPixelWidth);
    m_text->setLineWrapColumnOrWidth(qMax(100, pixels));
}

void FrmPreview::toTop()
{
    m_text->moveCursor(QTextCursor::Start);
    m_text->ensureCursorVisible();
}

void FrmPreview::done(int result)
{
    m_logic->Form_Unload();
    QDialog::done(result);
}

} // namespace vc
