#include "familypage.h"

#include "familychoice.h"
#include "formbinder.h"
#include "mainform.h"
#include "picturebox.h"
#include "selectedhumidifier.h"
#include "shapemark.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QVBoxLayout>
#include <iterator>

namespace vc {

namespace {

const char *const familyNames[6] = {"Tavro 500", "Quenil 500", "Sorbix", "Dremon 500", "Falcy 500", "Oskel"};

// One row of the feature grid: its caption control, the capacity unit label
// (max. steam capacity rows only) and the mark in each family column: the
// number of a Shape4 mark, -(n + 1) for the "optionally available" mark
// Shape5(n), or none.
struct FeatureRow {
    int caption;           // Label2(n)
    const char *text;      // built-in caption
    int unitLabel;         // Einheit(n), 0 when none
    const char *unitText;
    int marks[6];
};

constexpr int none = 99;

const FeatureRow featureRows[] = {
    {20, "Keypad and display", 0, "", {0, none, none, none, none, 29}},
    {21, "Multicolored LED display", 0, "", {none, 7, 13, 19, 24, none}},
    {22, "Industrial / commercial application", 0, "", {1, 8, 14, 20, 25, none}},
    {23, "Residential / domestic application", 0, "", {none, none, none, 21, 26, 30}},
    {24, "Humidification for low energy houses", 0, "", {none, none, none, none, none, 31}},
    {25, "Direct room humidification", 0, "", {2, 9, 15, 22, none, none}},
    {26, "Duct application", 0, "", {3, 10, 16, none, 27, 32}},
    {27, "for little budget", 0, "", {none, 11, 17, none, none, none}},
    {28, "max. steam capacity", 29, "130kg/h", {4, 12, none, none, none, none}},
    {29, "max. steam capacity", 30, "  65kg/h", {none, none, 18, none, none, none}},
    {30, "max. steam capacity", 31, "    3kg/h", {none, none, none, 23, 28, none}},
    {31, "max. steam capacity", 32, "    2kg/h", {none, none, none, none, none, 33}},
    {32, "Self cleaning system", 0, "", {5, -3, -2, none, none, none}},
    {33, "Integrated humidity controller", 0, "", {6, none, none, none, none, 34}},
};
constexpr int selfCleaningRow = 12;
constexpr int firstFamilyColumn = 2;
constexpr int firstFeatureRow = 1;

QString item(const char *base, int index)
{
    return Form::item(QLatin1String(base), index);
}

} // namespace

FamilyPage::FamilyPage(MainForm &mainForm, FormBinder &binder, QWidget *parent)
    : QWidget(parent), m_main(mainForm), m_binder(binder)
{
    m_layout = new QBoxLayout(QBoxLayout::LeftToRight, this);
    m_layout->setContentsMargins(12, 12, 12, 12);
    m_layout->setSpacing(16);
    m_layout->addWidget(buildGrid(), 1);
    m_panel = buildSelectedPanel();
    m_layout->addWidget(m_panel, 0, Qt::AlignTop | Qt::AlignLeft);
    m_layout->addStretch(0);

    // The floating preview lies above everything and never takes the mouse.
    m_floating = new PictureBox(this);
    m_floating->setFixedSize(150, 200);
    m_floating->setFrameColor(QColor(90, 100, 110));
    m_floating->setAutoFillBackground(true);
    m_floating->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_floating->hide();
    m_binder.bind(m_floating, QStringLiteral("ImgFlowting"));
    m_floating->raise();

    // The page itself is Image4(6), the background whose hover ends highlights.
    m_binder.form().at(QStringLiteral("Image4(6)"));
    watchMouse(this);
}

QWidget *FamilyPage::buildGrid()
{
    m_grid = new QWidget(this);
    m_grid->setObjectName(QStringLiteral("familyGrid"));
    m_grid->setMaximumWidth(1180);
    auto *grid = new QGridLayout(m_grid);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(0);

    auto *heading = new QLabel(QStringLiteral("Units"), m_grid);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.15);
    heading->setFont(bold);
    heading->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    m_binder.bind(heading, item("Label2", 19));
    grid->addWidget(heading, 0, 0, 1, 2);

    for (int i = 0; i < 6; ++i) {
        auto *area = new QWidget(m_grid);
        area->setCursor(Qt::PointingHandCursor);
        auto *column = new QVBoxLayout(area);
        column->setContentsMargins(2, 2, 2, 4);
        column->setSpacing(2);
        auto *picture = new PictureBox(area);
        picture->setMinimumSize(72, 96);
        picture->setMaximumSize(150, 200);
        QSizePolicy keep = picture->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        picture->setSizePolicy(keep);
        Control &image = m_main.form().at(item("Image5", i));
        if (image.picture().isEmpty())
            image.setPicture(FamilyChoice::picturePath(i));
        column->addWidget(picture, 1);
        auto *name = new QLabel(QLatin1String(familyNames[i]), area);
        name->setAlignment(Qt::AlignCenter);
        QFont small = name->font();
        small.setBold(true);
        name->setFont(small);
        column->addWidget(name);
        m_binder.bind(picture, item("Image5", i));
        m_binder.bind(area, item("Image9", i));
        m_families[i] = area;
        grid->addWidget(area, 0, firstFamilyColumn + i);
        grid->setColumnStretch(firstFamilyColumn + i, 1);
        grid->setColumnMinimumWidth(firstFamilyColumn + i, 84);
        // A column greys out when its picture goes: repaint the bands.
        connect(&m_main.form().at(item("Image5", i)), &Control::changed, m_grid,
                [this](Control::Property) { m_grid->update(); });
    }

    int row = firstFeatureRow;
    for (const FeatureRow &feature : featureRows) {
        auto *label = new QLabel(QLatin1String(feature.text), m_grid);
        label->setMinimumHeight(26);
        m_binder.bind(label, item("Label2", feature.caption));
        grid->addWidget(label, row, 0);
        if (feature.unitLabel) {
            auto *capacity = new QLabel(QLatin1String(feature.unitText), m_grid);
            capacity->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_binder.bind(capacity, item("Einheit", feature.unitLabel));
            grid->addWidget(capacity, row, 1);
        }
        for (int family = 0; family < 6; ++family) {
            const int mark = feature.marks[family];
            if (mark == none)
                continue;
            QWidget *cell = m_grid;
            if (row - firstFeatureRow == selfCleaningRow && family < 3) {
                // The three self-cleaning hot spots Image6(0..2) lie on this row.
                cell = new QWidget(m_grid);
                auto *hot = new QHBoxLayout(cell);
                hot->setContentsMargins(0, 0, 0, 0);
                m_binder.bind(cell, item("Image6", family));
                m_hotSpots[family] = cell;
                grid->addWidget(cell, row, firstFamilyColumn + family);
            }
            ShapeMark *shape = mark >= 0 ? new ShapeMark(cell, 22, 12) : new ShapeMark(cell, 38, 12);
            m_binder.bind(shape, mark >= 0 ? item("Shape4", mark) : item("Shape5", -mark - 1));
            if (cell != m_grid)
                cell->layout()->addWidget(shape);
            else
                grid->addWidget(shape, row, firstFamilyColumn + family, Qt::AlignCenter);
            if (cell != m_grid)
                static_cast<QHBoxLayout *>(cell->layout())->setAlignment(shape, Qt::AlignCenter);
        }
        ++row;
    }

    // Legend.
    auto *legendMark = new ShapeMark(m_grid, 38, 12);
    m_binder.bind(legendMark, item("Shape5", 0));
    auto *legend = new QLabel(QStringLiteral("optionally available"), m_grid);
    m_binder.bind(legend, item("Label2", 34));
    auto *legendRow = new QHBoxLayout;
    legendRow->setContentsMargins(0, 10, 0, 0);
    legendRow->setSpacing(8);
    legendRow->addWidget(legendMark);
    legendRow->addWidget(legend);
    legendRow->addStretch();
    grid->addLayout(legendRow, row, 0, 1, 2);
    // Spare height goes to the pictures first, up to their largest size.
    grid->setRowStretch(0, 1);
    grid->setRowStretch(row + 1, 1);
    m_grid->installEventFilter(this);
    return m_grid;
}

QWidget *FamilyPage::buildSelectedPanel()
{
    auto *panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setObjectName(QStringLiteral("selectedPanel"));
    panel->setMinimumWidth(250);
    auto *layout = new QVBoxLayout(panel);
    layout->setSpacing(6);

    auto *title = new QLabel(QStringLiteral("Selected humidifier"), panel);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    title->setWordWrap(true);
    m_binder.bind(title, item("Bez2", 6));
    layout->addWidget(title);

    auto *picture = new PictureBox(panel);
    picture->setFixedSize(168, 224);
    picture->setFrameColor(QColor(200, 205, 210));
    m_binder.bind(picture, QStringLiteral("ImageSelected"));
    layout->addWidget(picture, 0, Qt::AlignHCenter);

    auto resultLabel = [panel](const QString &objectName) {
        auto *value = new QLabel(panel);
        value->setProperty("vcRole", QStringLiteral("result"));
        value->setObjectName(objectName);
        return value;
    };
    auto *form = new QGridLayout;
    form->setHorizontalSpacing(8);
    auto addRow = [&](int row, const QString &captionName, const char *text, const QString &valueName) {
        auto *caption = new QLabel(QLatin1String(text), panel);
        m_binder.bind(caption, captionName);
        auto *value = resultLabel(QString());
        value->setMinimumWidth(110);
        m_binder.bind(value, valueName);
        form->addWidget(caption, row, 0);
        form->addWidget(value, row, 1, 1, 2);
    };
    addRow(0, item("Bez2", 0), "Type", item("Label20", 7));
    addRow(1, item("Bez2", 1), "Sizze", item("Label20", 8));

    // The model that family and size name: power, then width x height x depth.
    m_power = resultLabel(QStringLiteral("selectedPower"));
    form->addWidget(m_power, 2, 1);
    m_powerUnit = new QLabel(QStringLiteral("kW"), panel);
    m_binder.bind(m_powerUnit, item("Einheit", 34));
    form->addWidget(m_powerUnit, 2, 2);
    m_housing = resultLabel(QStringLiteral("selectedHousing"));
    form->addWidget(m_housing, 3, 1);
    m_housingUnit = new QLabel(QStringLiteral("mm"), panel);
    m_housingUnit->setObjectName(QStringLiteral("selectedHousingUnit"));
    form->addWidget(m_housingUnit, 3, 2);
    form->setColumnStretch(1, 1);
    layout->addLayout(form);

    // The refusal message, wrapped to the panel's width below the figures.
    auto *message = new QLabel(panel);
    message->setWordWrap(true);
    QPalette red = message->palette();
    red.setColor(QPalette::WindowText, QColor(176, 0, 0));
    message->setPalette(red);
    FormBinder::collapseWhenEmpty(message);
    m_binder.bind(message, item("Label20", 9));
    layout->addWidget(message);
    layout->addStretch();

    Form &controls = m_main.form();
    for (const QString &name : {item("Label20", 7), item("Label20", 8), item("mnuOtherUnit", 0),
                                item("mnuOtherUnit", 1), item("Einheit", 14)})
        connect(&controls.at(name), &Control::changed, this, [this](Control::Property property) {
            if (property == Control::Property::Text || property == Control::Property::Checked)
                showFigures();
        });
    showFigures();
    return panel;
}

void FamilyPage::showFigures()
{
    const SelectedHumidifier::Figures figures = SelectedHumidifier::of(m_main);
    m_power->setText(figures.power);
    m_housing->setText(figures.isEmpty() ? QString()
                                         : figures.width + QStringLiteral(" x ") + figures.height +
                                               QStringLiteral(" x ") + figures.depth);
    // The housing is measured like the duct: its unit label follows the duct width's.
    m_housingUnit->setText(m_main.Einheit(14).caption());
    for (QLabel *label : {m_power, m_powerUnit, m_housing, m_housingUnit})
        label->setVisible(!figures.isEmpty());
}

void FamilyPage::watchMouse(QWidget *widget)
{
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
    for (QWidget *child : widget->findChildren<QWidget *>())
        if (child != m_floating) {
            child->setMouseTracking(true);
            child->installEventFilter(this);
        }
}

void FamilyPage::showEvent(QShowEvent *event)
{
    // In a scrolling page the room is the viewport's width, not the page's own.
    if (QWidget *room = parentWidget(); room && !m_watchingRoom) {
        room->installEventFilter(this);
        m_watchingRoom = true;
        fitTo(room->width());
    }
    QWidget::showEvent(event);
}

void FamilyPage::fitTo(int width)
{
    // The panel goes below the table where the two do not fit side by side,
    // so a small or scaled screen scrolls down only, never sideways.
    const QMargins margins = m_layout->contentsMargins();
    const int sideBySide = m_grid->minimumSizeHint().width() + m_layout->spacing()
                           + m_panel->minimumSizeHint().expandedTo(m_panel->minimumSize()).width()
                           + margins.left() + margins.right();
    const auto direction = width >= sideBySide ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom;
    if (m_layout->direction() != direction)
        m_layout->setDirection(direction);
}

bool FamilyPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize && watched == parentWidget()) {
        fitTo(static_cast<QResizeEvent *>(event)->size().width());
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseMove:
        // Handled by the innermost widget under the mouse only, not again by its parents.
        hoverAt(watched, static_cast<QMouseEvent *>(event)->globalPosition().toPoint());
        return true;
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            break;
        for (int i = 0; i < 6; ++i) {
            QWidget *area = m_families[i];
            if ((watched == area || area->isAncestorOf(qobject_cast<QWidget *>(watched)))
                && area->rect().contains(area->mapFromGlobal(mouse->globalPosition().toPoint()))) {
                m_main.Image9_Click(i);
                return true;
            }
        }
        for (QWidget *spot : m_hotSpots) {
            if (spot && m_selfCleaning && (watched == spot || spot->isAncestorOf(qobject_cast<QWidget *>(watched)))
                && spot->rect().contains(spot->mapFromGlobal(mouse->globalPosition().toPoint()))) {
                m_selfCleaning();
                return true;
            }
        }
        break;
    }
    case QEvent::Paint:
        if (watched == m_grid) {
            // Row bands and greyed columns lie under the grid's widgets.
            QPainter painter(m_grid);
            auto *grid = static_cast<QGridLayout *>(m_grid->layout());
            const int width = m_grid->width();
            for (int row = firstFeatureRow; row < firstFeatureRow + int(std::size(featureRows)); ++row) {
                QRect band = grid->cellRect(row, 0);
                band.setLeft(0);
                band.setWidth(width);
                painter.fillRect(band, row % 2 ? QColor(244, 247, 249) : QColor(255, 255, 255));
            }
            const QRect top = grid->cellRect(0, firstFamilyColumn);
            const QRect bottom = grid->cellRect(firstFeatureRow + int(std::size(featureRows)) - 1, firstFamilyColumn);
            for (int i = 0; i < 6; ++i) {
                if (m_main.form().at(item("Image5", i)).isVisible())
                    continue;
                QRect column = grid->cellRect(0, firstFamilyColumn + i);
                column.setTop(top.top());
                column.setBottom(bottom.bottom());
                painter.fillRect(column.adjusted(-2, 0, 2, 0), QColor(222, 224, 227));
            }
            painter.setPen(QColor(200, 206, 212));
            const QRect header = grid->cellRect(0, 0);
            painter.drawLine(0, header.bottom(), width, header.bottom());
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void FamilyPage::hoverAt(QObject *watched, const QPoint &globalPos)
{
    auto *widget = qobject_cast<QWidget *>(watched);
    for (int i = 0; i < 6; ++i) {
        if (widget == m_families[i] || m_families[i]->isAncestorOf(widget)) {
            m_main.Image9_MouseMove(i);
            placeFloating(globalPos);
            return;
        }
    }
    for (QWidget *spot : m_hotSpots) {
        if (spot && (widget == spot || spot->isAncestorOf(widget))) {
            m_main.Image6_MouseMove();
            return;
        }
    }
    m_main.Image4_MouseMove(6);
}

void FamilyPage::placeFloating(const QPoint &globalPos)
{
    if (m_floating->isHidden())
        return;
    // Beside the cursor, kept inside the page.
    QPoint at = mapFromGlobal(globalPos) + QPoint(18, 18);
    at.setX(qMin(at.x(), width() - m_floating->width() - 4));
    at.setY(qMin(at.y(), height() - m_floating->height() - 4));
    m_floating->move(at);
    m_floating->raise();
}

} // namespace vc
