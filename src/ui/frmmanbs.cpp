#include "frmmanbs.h"

#include "formbinder.h"
#include "manualdistance.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace vc {

FrmManBS::FrmManBS(MainForm &mainForm, QWidget *parent)
    : FrmManBS(new ManualDistance(mainForm), parent)
{
}

FrmManBS::FrmManBS(ManualDistance *logic, QWidget *parent)
    : ManualDialog(logic, logic->form(), parent), m_logic(logic)
{
    QGroupBox *box = frame();
    auto *grid = new QGridLayout(box);
    auto label = [this, box](const QString &name) {
        auto *widget = new QLabel(box);
        binder().bind(widget, name);
        return widget;
    };
    grid->addWidget(label(QStringLiteral("Label2")), 0, 0);
    for (const char *name : {"Combo22", "Combo35"}) {
        auto *lengths = new QComboBox(box);
        lengths->setMinimumWidth(90);
        binder().bind(lengths, QLatin1String(name));
        grid->addWidget(lengths, 0, 1); // both at one place
    }
    grid->addWidget(label(QStringLiteral("Label4(1)")), 0, 2);
    grid->addWidget(label(QStringLiteral("Label4(0)")), 0, 3);
    grid->addWidget(label(QStringLiteral("Label1")), 1, 0);
    auto *velocity = new QLineEdit(box);
    velocity->setMaxLength(32);
    velocity->setAlignment(Qt::AlignRight);
    velocity->setFixedWidth(90);
    binder().bind(velocity, QStringLiteral("Text1"));
    grid->addWidget(velocity, 1, 1);
    grid->addWidget(label(QStringLiteral("Label3")), 1, 2, 1, 2);
    grid->setColumnStretch(3, 1);
    addButtons(
        box, [logic] { logic->Command1_Click(); }, [logic] { logic->Command2_Click(); });

    connect(logic, &ManualDistance::unload, this, &QDialog::accept);
    logic->load();
    velocity->setFocus();
    velocity->selectAll();
}

void FrmManBS::open(MainForm &mainForm, QWidget *parent)
{
    FrmManBS window(mainForm, parent);
    window.exec();
}

} // namespace vc
