#include "mainform.h"

namespace vc {

MainForm::MainForm(QObject *parent) : QObject(parent), m_form(QStringLiteral("frmMain"))
{
}

MainForm::~MainForm() = default;

} // namespace vc
