#include "frmmandm.h"

#include "formbinder.h"
#include "manualload.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace vc {

FrmManDM::FrmManDM(MainForm &mainForm, QWidget *parent) : FrmManDM(new ManualLoad(mainForm), parent)
{
}

FrmManDM::FrmManDM(ManualLoad *logic, QWidget *parent)
    : ManualDialog(logic, logic->form(), parent), m_logic(logic)
{
    QGroupBox *box = frame();
    auto *grid = new QGridLayout(box);
    const char *const rows[][2] = {{"TextbV(0)", "Label3(0)"},
                                   {"Textxa", "Label4"},
                                   {"Textxi", "Label6"},
                                   {"Textsl(1)", "Label8(1)"}};
    QLineEdit *first = nullptr;
    for (int row = 0; row < 4; ++row) {
        auto *caption = new QLabel(box);
        binder().bind(caption, Form::item(QStringLiteral("Label1"), row));
        auto *field = new QLineEdit(box);
        field->setMaxLength(32);
        field->setAlignment(Qt::AlignRight);
        field->setFixedWidth(90);
        binder().bind(field, QLatin1String(rows[row][0]));
        auto *unit = new QLabel(box);
        unit->setMinimumWidth(50);
        binder().bind(unit, QLatin1String(rows[row][1]));
        grid->addWidget(caption, row, 0);
        grid->addWidget(field, row, 1);
        grid->addWidget(unit, row, 2);
        if (!first)
            first = field;
    }
    grid->setColumnStretch(0, 1);
    addButtons(
        box, [logic] { logic->Command1_Click(); }, [logic] { logic->Command2_Click(); });

    connect(logic, &ManualLoad::unload, this, &QDialog::accept);
    logic->load();
    first->setFocus();
}

void FrmManDM::open(MainForm &mainForm, QWidget *parent)
{
    FrmManDM window(mainForm, parent);
    window.exec();
}

} // namespace vc
