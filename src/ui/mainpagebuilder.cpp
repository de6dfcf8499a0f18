#include "mainpagebuilder.h"

#include "formbinder.h"
#include "valuecombobox.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace vc {

namespace {

QString item(const char *base, int index)
{
    return Form::item(QLatin1String(base), index);
}

QLabel *heading(QLabel *label)
{
    label->setProperty("vcRole", QStringLiteral("heading"));
    return label;
}

QFrame *separator()
{
    auto *line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setProperty("vcRole", QStringLiteral("line"));
    return line;
}

} // namespace

MainPageBuilder::MainPageBuilder(FormBinder &binder, FieldWatcher watchField, Commands commands)
    : m_binder(binder), m_watchField(std::move(watchField)), m_commands(std::move(commands))
{
}

QLabel *MainPageBuilder::caption(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    m_binder.bind(label, name);
    return label;
}

QLabel *MainPageBuilder::unit(const QString &name, const QString &text)
{
    auto *label = new QLabel(text);
    label->setProperty("vcRole", QStringLiteral("unit"));
    label->setMinimumWidth(44);
    m_binder.bind(label, name);
    return label;
}

QLabel *MainPageBuilder::result(const QString &name, int minimumWidth)
{
    auto *label = new QLabel;
    label->setProperty("vcRole", QStringLiteral("result"));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(minimumWidth);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_binder.bind(label, name);
    return label;
}

QWidget *MainPageBuilder::textField(const QString &name, int width)
{
    auto *edit = new QLineEdit;
    if (width > 0) {
        edit->setFixedWidth(width);
        edit->setAlignment(Qt::AlignRight);
    }
    m_binder.bind(edit, name);
    m_watchField(edit, name);
    return edit;
}

QWidget *MainPageBuilder::comboField(const QString &name, int width)
{
    auto *combo = new ValueComboBox;
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setFixedWidth(width);
    combo->setMaxVisibleItems(15);
    combo->lineEdit()->setAlignment(Qt::AlignRight);
    m_binder.bind(combo, name);
    m_watchField(combo, name);
    return combo;
}

QWidget *MainPageBuilder::button(const QString &name, const QString &text, std::function<void()> run)
{
    auto *push = new QPushButton(text);
    push->setMinimumWidth(110);
    if (run)
        QObject::connect(push, &QPushButton::clicked, push, std::move(run));
    else
        push->setEnabled(false); // its window is not part of this build yet
    m_binder.bind(push, name);
    return push;
}

QWidget *MainPageBuilder::projectPage()
{
    auto *page = new QWidget;
    auto *outer = new QVBoxLayout(page);
    outer->setContentsMargins(24, 18, 24, 18);
    outer->addWidget(heading(caption(item("Label1", 0), QStringLiteral("Project Information"))));
    outer->addWidget(separator());
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(10);
    const char *captions[] = {"Client", "Project", "Plant", "Offer Nbr", "Register Nbr", "Company", "User",
                              "Distributor"};
    for (int i = 0; i < 8; ++i) {
        grid->addWidget(caption(item("Label1", i + 1), QLatin1String(captions[i])), i, 0);
        auto *field = static_cast<QLineEdit *>(textField(item("Text1", i), 0));
        field->setFixedWidth(460);
        grid->addWidget(field, i, 1, Qt::AlignLeft);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnMinimumWidth(0, 140);
    outer->addLayout(grid);
    outer->addStretch();
    return page;
}

QWidget *MainPageBuilder::loadPage()
{
    auto *page = new QWidget;
    auto *outer = new QVBoxLayout(page);
    outer->setContentsMargins(18, 12, 18, 12);
    outer->setSpacing(6);
    outer->addWidget(heading(caption(item("Label2", 0), QStringLiteral("Humidifcation load"))));
    outer->addWidget(separator());

    // Air: one row per quantity, outside and inside side by side.
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(7);
    grid->setColumnMinimumWidth(0, 210);
    grid->setColumnMinimumWidth(3, 36);
    int row = 0;
    grid->addWidget(caption(item("Label2", 4), QStringLiteral("Percentage fresh air")), row, 0);
    grid->addWidget(comboField(item("Combo2", 0)), row, 1);
    grid->addWidget(unit(item("Einheit", 18), QStringLiteral("%")), row, 2);
    ++row;
    grid->addWidget(caption(item("Label2", 5), QStringLiteral("Total air flow")), row, 0);
    grid->addWidget(textField(item("Text2", 0)), row, 1);
    grid->addWidget(unit(item("Einheit", 5), QStringLiteral("m3 / h")), row, 2);
    grid->addWidget(caption(item("Label2", 6), QStringLiteral("Air flow to be humidified")), row, 4);
    grid->addWidget(result(item("Label20", 0)), row, 5);
    grid->addWidget(unit(item("Einheit", 16), QStringLiteral("m3 / h")), row, 6);
    ++row;
    grid->addWidget(caption(item("Label2", 7), QStringLiteral("Pressure of the atmosphere")), row, 0);
    grid->addWidget(comboField(item("Combo2", 1)), row, 1);
    grid->addWidget(unit(item("Label2", 8), QStringLiteral("hPa or mbar")), row, 2);
    grid->addWidget(caption(item("Label2", 18), QStringLiteral("i.e. level above sea of:")), row, 4);
    grid->addWidget(result(item("Label20", 6)), row, 5);
    grid->addWidget(unit(item("Einheit", 33), QStringLiteral("m")), row, 6);
    ++row;
    grid->addItem(new QSpacerItem(1, 8), row++, 0);
    grid->addWidget(heading(caption(item("Label2", 1), QStringLiteral("Outside conditions"))), row, 1, 1, 2);
    grid->addWidget(heading(caption(item("Label2", 2), QStringLiteral("Inside condition"))), row, 4, 1, 3);
    ++row;
    grid->addWidget(caption(item("Label2", 9), QStringLiteral("Temperature")), row, 0);
    grid->addWidget(textField(item("Text2", 1)), row, 1);
    grid->addWidget(unit(item("Einheit", 17), QStringLiteral("°C")), row, 2);
    grid->addWidget(textField(item("Text2", 2)), row, 5);
    grid->addWidget(unit(item("Einheit", 19), QStringLiteral("°C")), row, 6);
    ++row;
    grid->addWidget(caption(item("Label2", 10), QStringLiteral("Relative humidity")), row, 0);
    grid->addWidget(comboField(item("Combo2", 2)), row, 1);
    grid->addWidget(unit(item("Einheit", 20), QStringLiteral("%")), row, 2);
    grid->addWidget(comboField(item("Combo2", 3)), row, 5);
    grid->addWidget(unit(item("Einheit", 21), QStringLiteral("%")), row, 6);
    ++row;
    grid->addWidget(caption(item("Label2", 11), QStringLiteral("Absolute humidity")), row, 0);
    grid->addWidget(result(item("Label20", 1)), row, 1);
    grid->addWidget(unit(item("Einheit", 22), QStringLiteral("g/kg")), row, 2);
    grid->addWidget(result(item("Label20", 2)), row, 5);
    grid->addWidget(unit(item("Einheit", 23), QStringLiteral("g/kg")), row, 6);
    ++row;
    grid->addItem(new QSpacerItem(1, 8), row++, 0);
    grid->addWidget(caption(item("Label2", 12), QStringLiteral("Humidity increase delta x")), row, 0);
    grid->addWidget(result(item("Label20", 3)), row, 1);
    grid->addWidget(unit(item("Einheit", 24), QStringLiteral("g/kg")), row, 2);
    ++row;
    grid->addWidget(caption(item("Label2", 13), QStringLiteral("Density of the air")), row, 0);
    grid->addWidget(result(item("Label20", 4)), row, 1);
    grid->addWidget(unit(item("Einheit", 25), QStringLiteral("kg/m3")), row, 2);
    ++row;
    auto *loadCaption = caption(item("Label2", 14), QStringLiteral("Humidification load"));
    QFont bold = loadCaption->font();
    bold.setBold(true);
    loadCaption->setFont(bold);
    grid->addWidget(loadCaption, row, 0);
    auto *load = result(item("Label20", 5));
    load->setFont(bold);
    grid->addWidget(load, row, 1);
    grid->addWidget(unit(item("Einheit", 26), QStringLiteral("kg/h")), row, 2);
    grid->setColumnStretch(3, 1);
    grid->setColumnStretch(7, 2);
    grid->setColumnMinimumWidth(4, 190);
    outer->addLayout(grid);
    outer->addSpacing(8);

    // Electrical connection and the proposed model.
    auto *lower = new QHBoxLayout;
    lower->setSpacing(24);
    auto *electric = new QGridLayout;
    electric->setHorizontalSpacing(8);
    electric->setVerticalSpacing(7);
    electric->addWidget(heading(caption(item("Label2", 3), QStringLiteral("Electrical connections"))), 0, 0, 1, 3);
    electric->addWidget(caption(item("Label2", 15), QStringLiteral("Heating voltage")), 1, 0);
    electric->addWidget(comboField(item("Combo2", 4)), 1, 1);
    electric->addWidget(unit(item("Einheit", 27), QStringLiteral("V")), 1, 2);
    electric->addWidget(caption(item("Label2", 16), QStringLiteral("Number of phases")), 2, 0);
    electric->addWidget(comboField(item("Combo2", 5)), 2, 1);
    electric->addWidget(caption(item("Label2", 35), QStringLiteral("Control voltage")), 3, 0);
    electric->addWidget(new QLabel(QStringLiteral("220-240 V  50 / 60 Hz")), 3, 1, 1, 2);
    electric->setColumnMinimumWidth(0, 210);
    electric->setRowStretch(4, 1);
    lower->addLayout(electric);

    // The model the load calls for, repeated here from the family page.
    auto *model = new QGridLayout;
    model->setHorizontalSpacing(8);
    model->setVerticalSpacing(7);
    auto *modelHeading = heading(new QLabel(QStringLiteral("Selected humidifier")));
    m_binder.bind(modelHeading, item("Bez2", 6));
    modelHeading->setObjectName(QStringLiteral("Bez2(6)#load"));
    model->addWidget(modelHeading, 0, 0, 1, 2);
    auto mirror = [this](QLabel *label, const QString &name) {
        m_binder.bind(label, name);
        label->setObjectName(name + QStringLiteral("#load"));
        return label;
    };
    model->addWidget(mirror(new QLabel(QStringLiteral("Type")), item("Bez2", 0)), 1, 0);
    auto *family = mirror(result(item("Label20", 7), 150), item("Label20", 7));
    family->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    model->addWidget(family, 1, 1);
    model->addWidget(mirror(new QLabel(QStringLiteral("Sizze")), item("Bez2", 1)), 2, 0);
    auto *size = mirror(result(item("Label20", 8), 150), item("Label20", 8));
    size->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    model->addWidget(size, 2, 1);
    auto *message = new QLabel;
    FormBinder::collapseWhenEmpty(message);
    mirror(message, item("Label20", 9));
    message->setWordWrap(true);
    QPalette red = message->palette();
    red.setColor(QPalette::WindowText, QColor(176, 0, 0));
    message->setPalette(red);
    model->addWidget(message, 3, 0, 1, 3);
    model->setRowStretch(4, 1);
    model->setColumnMinimumWidth(0, 60);
    model->setColumnStretch(2, 1);
    lower->addLayout(model, 1);
    outer->addLayout(lower);
    outer->addStretch();

    // Commands of the page.
    auto *commands = new QHBoxLayout;
    commands->addWidget(button(QStringLiteral("btnCalc"), QStringLiteral("&Calculate"), m_commands.calc));
    commands->addWidget(button(item("Command22", 2), QStringLiteral("&hx Diagram"), m_commands.hxDiagram));
    commands->addStretch();
    auto *line2 = new QFrame;
    line2->setFrameShape(QFrame::VLine);
    line2->setFrameShadow(QFrame::Sunken);
    m_binder.bind(line2, QStringLiteral("Line2"));
    commands->addWidget(line2);
    commands->addWidget(button(item("Command20", 0), QStringLiteral("&Alternative"), m_commands.manualLoad));
    commands->addWidget(caption(item("Label2", 17), QStringLiteral("for humidification load")));
    outer->addWidget(separator());
    outer->addLayout(commands);
    return page;
}

QWidget *MainPageBuilder::distancePage()
{
    auto *page = new QWidget;
    auto *outer = new QVBoxLayout(page);
    outer->setContentsMargins(18, 12, 18, 12);
    outer->setSpacing(6);
    auto *top = new QHBoxLayout;
    top->addWidget(heading(caption(item("Label3", 0), QStringLiteral("Humidification distance"))));
    top->addStretch();
    auto *family = result(item("Label30", 0), 120);
    family->setAlignment(Qt::AlignCenter);
    top->addWidget(family);
    auto *size = result(item("Label30", 11), 70);
    size->setAlignment(Qt::AlignCenter);
    top->addWidget(size);
    outer->addLayout(top);
    outer->addWidget(separator());

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(7);
    grid->setColumnMinimumWidth(0, 250);
    int row = 0;
    auto addInput = [&](int label, const char *text, QWidget *field, int unitIndex, const char *unitText) {
        grid->addWidget(caption(item("Label3", label), QLatin1String(text)), row, 0);
        grid->addWidget(field, row, 1);
        if (unitIndex >= 0)
            grid->addWidget(unit(item("Einheit", unitIndex), QString::fromUtf8(unitText)), row, 2);
        ++row;
    };
    addInput(2, "Total air flow", textField(item("Text3", 0)), 1, "m3 / h");
    grid->addWidget(caption(item("Label3", 3), QStringLiteral("Air duct widt x height")), row, 0);
    grid->addWidget(textField(item("Text3", 1)), row, 1);
    grid->addWidget(unit(item("Einheit", 14), QStringLiteral("mm")), row, 2);
    auto *times = unit(item("Einheit", 15), QStringLiteral("x"));
    times->setMinimumWidth(12);
    grid->addWidget(times, row, 3);
    grid->addWidget(textField(item("Text3", 2)), row, 4);
    grid->addWidget(unit(item("Einheit", 0), QStringLiteral("mm")), row, 5);
    ++row;
    addInput(5, "Air temperatur before humidifier", comboField(item("Combo3", 0)), 3, "°C");
    addInput(6, "Humidity after humidifier", textField(item("Text3", 3)), 4, "g/kg");
    addInput(8, "Steam output of the humidifier", textField(item("Text3", 4)), 6, "kg/h");
    addInput(10, "Number of steam distribution pipe", textField(item("Text3", 5)), -1, "");
    grid->addItem(new QSpacerItem(1, 8), row++, 0);
    addInput(4, "Air velocity", result(item("Label30", 1)), 2, "m/s");
    addInput(7, "Factor K", result(item("Label30", 2)), -1, "");
    addInput(9, "Length of steam distribution pipe", result(item("Label30", 3)), 7, "mm");
    grid->addWidget(unit(item("Einheit", 28), QStringLiteral("ø")), row - 1, 3);
    grid->addWidget(result(item("Label30", 4), 60), row - 1, 4);
    grid->addWidget(unit(item("Einheit", 8), QStringLiteral("mm")), row - 1, 5);
    auto *distanceCaption = caption(item("Label3", 11), QStringLiteral("Humidification distance"));
    QFont bold = distanceCaption->font();
    bold.setBold(true);
    distanceCaption->setFont(bold);
    grid->addWidget(distanceCaption, row, 0);
    auto *distance = result(item("Label30", 5));
    distance->setFont(bold);
    grid->addWidget(distance, row, 1, 1, 5, Qt::AlignLeft);
    distance->setMinimumWidth(90);
    grid->addWidget(unit(item("Einheit", 9), QStringLiteral("m")), row, 2);
    ++row;
    grid->setColumnStretch(6, 1);
    grid->setRowStretch(row, 1);
    auto *columns = new QHBoxLayout;
    columns->setSpacing(28);
    columns->addLayout(grid, 3);

    // Minimum distances to the components that follow, or the velocity note instead.
    auto *right = new QVBoxLayout;
    auto *minimum = new QGridLayout;
    minimum->setHorizontalSpacing(8);
    minimum->setVerticalSpacing(7);
    auto *minHeading = heading(caption(item("Label3", 13),
                                       QStringLiteral("Minimum distance between installed steam distribution pipe "
                                                      "and following components")));
    minHeading->setWordWrap(true);
    minimum->addWidget(minHeading, 0, 0, 1, 3);
    const char *components[] = {"Duct humidistat, humidity sensor, temperatur sensor", "Submicron particel filters",
                                "Duct heater, fine filter", "Duct branch, zone outlet, air difuser, duct bend, fan"};
    for (int i = 0; i < 4; ++i) {
        auto *component = caption(item("Label3", 14 + i), QLatin1String(components[i]));
        component->setWordWrap(true);
        minimum->addWidget(component, i + 1, 0);
        minimum->addWidget(result(item("Label30", 6 + i)), i + 1, 1);
        minimum->addWidget(unit(item("Einheit", 10 + i), QStringLiteral("m")), i + 1, 2);
    }
    minimum->setColumnStretch(0, 1);
    right->addLayout(minimum);
    auto *note = caption(item("Label30", 10), QString());
    note->setWordWrap(true);
    QPalette red = note->palette();
    red.setColor(QPalette::WindowText, QColor(176, 0, 0));
    note->setPalette(red);
    right->addWidget(note);
    right->addStretch();
    columns->addLayout(right, 2);
    outer->addLayout(columns, 1);
    // Fixed text the tender passes on; not shown on the page.
    auto *fixed = new QLabel(QStringLiteral("6 / 10"), page);
    fixed->hide();
    m_binder.bind(fixed, item("Label30", 12));

    auto *commands = new QHBoxLayout;
    commands->addWidget(
        button(QStringLiteral("btnCalcHumid"), QStringLiteral("&Calculate"), m_commands.calcHumid));
    commands->addStretch();
    auto *line3 = new QFrame;
    line3->setFrameShape(QFrame::VLine);
    line3->setFrameShadow(QFrame::Sunken);
    m_binder.bind(line3, QStringLiteral("Line3"));
    commands->addWidget(line3);
    commands->addWidget(button(item("Command30", 0), QStringLiteral("&Alternative"), m_commands.manualDistance));
    commands->addWidget(caption(item("Label3", 12), QStringLiteral("of distribution pipe")));
    outer->addWidget(separator());
    outer->addLayout(commands);
    return page;
}

QWidget *MainPageBuilder::documentPage(bool summary, QTextDocument *document)
{
    auto *page = new QWidget;
    auto *outer = new QVBoxLayout(page);
    outer->setContentsMargins(12, 10, 12, 10);
    // The rich text field's own document: what the report logic loads and fills shows at once.
    auto *text = new QTextEdit;
    text->setObjectName(summary ? QStringLiteral("RtfCalulation") : QStringLiteral("RtfTender"));
    text->setDocument(document);
    text->setMinimumHeight(200);
    outer->addWidget(text, 1);
    auto *commands = new QHBoxLayout;
    if (summary) {
        commands->addWidget(button(QStringLiteral("Command7"), QStringLiteral("&Refresh"), m_commands.refreshReport));
        commands->addWidget(button(QStringLiteral("Command2"), QStringLiteral("&Copy"), m_commands.copyReport));
        commands->addWidget(button(QStringLiteral("Vixbutton1"), QStringLiteral("Print"), m_commands.printReport));
        commands->addStretch();
        commands->addWidget(button(QStringLiteral("Command50"), QStringLiteral("Save as"), m_commands.saveAs));
    } else {
        commands->addWidget(button(QStringLiteral("Command6"), QStringLiteral("&Refresh"), m_commands.refreshTender));
        commands->addWidget(button(QStringLiteral("Command1"), QStringLiteral("&Copy"), m_commands.copyTender));
        commands->addWidget(button(QStringLiteral("Vixbutton2"), QStringLiteral("&Print"), m_commands.printTender));
        commands->addStretch();
        commands->addWidget(button(QStringLiteral("Command60"), QStringLiteral("Save as"), m_commands.saveAs));
    }
    outer->addLayout(commands);
    return page;
}

QWidget *MainPageBuilder::bottomBar()
{
    auto *bar = new QWidget;
    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(12, 4, 12, 10);
    auto *status = new QLabel;
    status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    status->setMinimumWidth(200);
    status->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_binder.bind(status, QStringLiteral("msgLabel"));
    layout->addWidget(status, 1);
    layout->addWidget(button(QStringLiteral("Command11"), QStringLiteral("Equipment"), m_commands.equipment));
    layout->addSpacing(16);
    layout->addWidget(button(QStringLiteral("btnPrev"), QStringLiteral("&Back"), m_commands.back));
    layout->addWidget(button(QStringLiteral("btnNext"), QStringLiteral("&Next"), m_commands.next));
    return bar;
}

} // namespace vc
