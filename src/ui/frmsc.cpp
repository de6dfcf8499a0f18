#include "frmsc.h"

#include "infotext.h"
#include "richtext/richtextfield.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTextEdit>

namespace vc {

FrmSC::FrmSC(QWidget *parent)
    : QDialog(parent), m_field(std::make_unique<RichTextField>()), m_view(new QTextEdit(this))
{
    setObjectName(QStringLiteral("frmSC"));
    setWindowTitle(QStringLiteral("SC")); // not translated
    setModal(true);
    m_view->setObjectName(QStringLiteral("RichTextBox1"));
    m_view->setReadOnly(true);
    m_view->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    InfoText::load(*m_field);
    m_view->setDocument(m_field->document());

    // A page of the document wide, most of the screen high.
    QSize size(760, 820);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() - QSize(40, 80));
    resize(size);
}

FrmSC::~FrmSC()
{
    // The view must let go of the document before the field that owns it goes.
    m_view->setDocument(nullptr);
}

void FrmSC::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    m_view->setGeometry(0, 0, width(), height());
}

void FrmSC::open(QWidget *parent)
{
    FrmSC window(parent);
    window.exec();
}

} // namespace vc
