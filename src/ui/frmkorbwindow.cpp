#include "frmkorbwindow.h"

#include "formbinder.h"
#include "korbform.h"
#include "picturebox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vc {

namespace {

constexpr int twipsPerPixel = 15;
constexpr int nodeRole = Qt::UserRole + 1;

} // namespace

FrmKorbWindow::FrmKorbWindow(MainForm &main, QWidget *parent)
    : QDialog(parent), m_form(std::make_unique<KorbForm>(main)),
      m_binder(std::make_unique<FormBinder>(m_form->form()))
{
    setObjectName(QStringLiteral("frmKorb"));
    resize(widthTwips / twipsPerPixel, heightTwips / twipsPerPixel);

    m_tree = new QTreeWidget;
    m_tree->setObjectName(QStringLiteral("WKorb"));
    m_tree->setHeaderHidden(true);
    m_tree->setUniformRowHeights(true);
    connect(m_tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) {
        m_form->WKorb_NodeClick(item->data(0, nodeRole).toInt());
    });

    auto *top = new QSplitter(Qt::Horizontal);
    top->addWidget(m_tree);
    top->addWidget(detailPanel());
    // Descriptions are long: the tree gets the larger share.
    top->setStretchFactor(0, 1);
    top->setStretchFactor(1, 1);
    top->setSizes({440, 370});

    auto *split = new QSplitter(Qt::Vertical);
    split->addWidget(top);
    split->addWidget(listPanel());
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);

    auto *message = new QLabel;
    message->setWordWrap(true);
    message->setStyleSheet(QStringLiteral("color: #a03000;"));
    m_binder->bind(message, QStringLiteral("lblMessage"));
    FormBinder::collapseWhenEmpty(message);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(split, 1);
    layout->addWidget(message);

    auto showCaption = [this](const QString &caption) { setWindowTitle(caption); };
    connect(&m_form->form(), &Form::captionChanged, this, showCaption);
    showCaption(m_form->form().caption());
    connect(m_form.get(), &KorbForm::treeBuilt, this, &FrmKorbWindow::fillTree);
    connect(&m_form->ListView1(), &BasketList::rowsChanged, this, &FrmKorbWindow::fillList);
}

FrmKorbWindow::~FrmKorbWindow() = default;

QWidget *FrmKorbWindow::detailPanel()
{
    auto *panel = new QWidget;
    auto *layout = new QVBoxLayout(panel);

    auto *unit = new QGroupBox;
    m_binder->bind(unit, QStringLiteral("frmGerate"));
    auto *unitGrid = new QGridLayout(unit);
    const char *unitRows[][2] = {{"lbDesc(0)", "lbDesc1(0)"},
                                 {"lbDesc(1)", "lbDesc1(1)"},
                                 {"lbDesc(2)", "lbDesc1(2)"},
                                 {"lbDesc(3)", "lbDesc1(3)"}};
    for (int r = 0; r < 4; ++r) {
        auto *caption = new QLabel;
        m_binder->bind(caption, QLatin1String(unitRows[r][0]));
        unitGrid->addWidget(caption, r, 0);
        auto *value = new QLabel;
        value->setWordWrap(true);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        m_binder->bind(value, QLatin1String(unitRows[r][1]));
        unitGrid->addWidget(value, r, 1, 1, r == 2 ? 1 : 3);
    }
    auto *kg = new QLabel;
    m_binder->bind(kg, QStringLiteral("lbKgH"));
    unitGrid->addWidget(kg, 2, 2);
    auto *lb = new QLabel;
    m_binder->bind(lb, QStringLiteral("lbDesc1(6)"));
    lb->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    unitGrid->addWidget(lb, 4, 1);
    auto *lbUnit = new QLabel;
    m_binder->bind(lbUnit, QStringLiteral("lbLbH"));
    unitGrid->addWidget(lbUnit, 4, 2);
    unitGrid->setColumnStretch(3, 1);
    layout->addWidget(unit);

    auto *other = new QGroupBox;
    m_binder->bind(other, QStringLiteral("frmOption"));
    auto *otherGrid = new QGridLayout(other);
    for (int r = 0; r < 2; ++r) {
        auto *caption = new QLabel;
        m_binder->bind(caption, QStringLiteral("lbDesc(%1)").arg(4 + r));
        otherGrid->addWidget(caption, r, 0);
        auto *value = new QLabel;
        value->setWordWrap(true);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        m_binder->bind(value, QStringLiteral("lbDesc1(%1)").arg(4 + r));
        otherGrid->addWidget(value, r, 1, 1, 7);
    }
    for (int i = 0; i < 7; ++i) {
        auto *name = new QLabel;
        name->setAlignment(Qt::AlignCenter);
        name->setWordWrap(true);
        m_binder->bind(name, QStringLiteral("lbDesc(%1)").arg(6 + i));
        otherGrid->addWidget(name, 2, 1 + i);
        auto *check = new PictureBox;
        check->setFixedSize(24, 24);
        m_binder->bind(check, QStringLiteral("ImgCheck(%1)").arg(i));
        otherGrid->addWidget(check, 3, 1 + i, Qt::AlignCenter);
    }
    layout->addWidget(other);

    auto *hidden = new PictureBox(panel);
    hidden->hide();
    m_binder->bind(hidden, QStringLiteral("Image1"));

    auto *picture = new PictureBox;
    picture->setMinimumSize(160, 120);
    m_binder->bind(picture, QStringLiteral("artImage"));
    layout->addWidget(picture, 1);

    auto *buttons = new QHBoxLayout;
    auto *add = new QPushButton;
    m_binder->bind(add, QStringLiteral("Command1"));
    connect(add, &QPushButton::clicked, this, [this] { m_form->Command1_Click(); });
    auto *remove = new QPushButton;
    m_binder->bind(remove, QStringLiteral("Command2"));
    connect(remove, &QPushButton::clicked, this, [this] { m_form->Command2_Click(); });
    buttons->addStretch(1);
    buttons->addWidget(add);
    buttons->addWidget(remove);
    layout->addLayout(buttons);
    return panel;
}

QWidget *FrmKorbWindow::listPanel()
{
    auto *panel = new QWidget;
    auto *layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);

    m_list = new QTreeWidget;
    m_list->setObjectName(QStringLiteral("ListView1"));
    m_list->setRootIsDecorated(false);
    m_list->setColumnCount(4);
    m_list->setAllColumnsShowFocus(true);
    m_list->installEventFilter(this);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(2, QHeaderView::Stretch);
    for (int column = 1; column <= 4; ++column) {
        Control &header =
            m_form->form().at(QStringLiteral("ListView1.ColumnHeaders(%1)").arg(column));
        auto show = [this, column, &header] {
            m_list->headerItem()->setText(column - 1, header.caption());
        };
        connect(&header, &Control::changed, this, show);
        show();
    }
    connect(m_list, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) {
        m_form->ListView1_Click(m_list->indexOfTopLevelItem(item));
    });
    layout->addWidget(m_list, 1);

    auto *side = new QVBoxLayout;
    auto *label = new QLabel;
    m_binder->bind(label, QStringLiteral("LabelKorb"));
    side->addWidget(label);
    const std::pair<const char *, void (KorbForm::*)()> buttons[] = {
        {"Command5", &KorbForm::Command5_Click},
        {"Command4", &KorbForm::Command4_Click},
        {"cmdExport", &KorbForm::cmdExport_Click},
        {"Command3", &KorbForm::Command3_Click}};
    for (const auto &[name, handler] : buttons) {
        auto *button = new QPushButton;
        m_binder->bind(button, QLatin1String(name));
        connect(button, &QPushButton::clicked, this,
                [this, handler = handler] { (m_form.get()->*handler)(); });
        side->addWidget(button);
    }
    auto *printerLabel = new QLabel;
    m_binder->bind(printerLabel, QStringLiteral("lbPrinter"));
    side->addWidget(printerLabel);
    auto *printers = new QComboBox;
    printers->setEditable(true);
    printers->setMinimumWidth(180);
    m_binder->bind(printers, QStringLiteral("PrtCombo"));
    connect(printers->lineEdit(), &QLineEdit::editingFinished, this,
            [this] { m_form->PrtCombo_Validate(); });
    connect(printers, &QComboBox::activated, this, [this] { m_form->PrtCombo_Validate(); });
    side->addWidget(printers);
    side->addStretch(1);
    layout->addLayout(side);
    return panel;
}

void FrmKorbWindow::load()
{
    m_form->Form_Load();
}

void FrmKorbWindow::fillTree()
{
    m_tree->clear();
    const auto &nodes = m_form->catalogue().nodes();
    std::vector<QTreeWidgetItem *> items(nodes.size(), nullptr);
    for (int i = 0; i < int(nodes.size()); ++i) {
        const auto &node = nodes[i];
        auto *item =
            node.parent < 0 ? new QTreeWidgetItem(m_tree) : new QTreeWidgetItem(items[node.parent]);
        item->setText(0, node.text);
        item->setData(0, nodeRole, i);
        items[i] = item;
    }
}

void FrmKorbWindow::fillList()
{
    m_list->clear();
    QList<QTreeWidgetItem *> items;
    for (const BasketRow &row : m_form->ListView1().rows())
        items << new QTreeWidgetItem(QStringList{row.quantity, row.article, row.description});
    m_list->addTopLevelItems(items);
    if (const int selected = m_form->ListView1().selected();
        selected >= 0 && selected < items.size())
        m_list->setCurrentItem(items.at(selected));
}

bool FrmKorbWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Delete) {
        m_form->ListView1_KeyDown(KorbForm::keyDelete);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void FrmKorbWindow::reject()
{
    // Escape and the title bar's close button both end here.
    if (m_form->Form_QueryUnload())
        return;
    m_form->Form_Unload();
    QDialog::reject();
}

} // namespace vc
