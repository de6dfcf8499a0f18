#pragma once

#include <QWidget>

#include <functional>

class QBoxLayout;
class QLabel;

namespace vc {

class FormBinder;
class MainForm;
class PictureBox;

// The family page "Units": the six family pictures heading the feature grid,
// the marks, the legend, the selected-humidifier panel and the floating
// preview. Clicks and mouse moves go to the MainForm's family handlers; the
// greyed columns, the marks' colours and the pictures follow the controls.
class FamilyPage : public QWidget
{
    Q_OBJECT
public:
    FamilyPage(MainForm &mainForm, FormBinder &binder, QWidget *parent = nullptr);

    // The area of family picture i and of self-cleaning hot spot i, for tests
    // and the benchmark that drive the mouse.
    QWidget *familyArea(int index) const { return m_families[index]; }
    QWidget *hotSpot(int index) const { return m_hotSpots[index]; }
    PictureBox *floatingPreview() const { return m_floating; }

    // What a click on a self-cleaning hot spot opens (Image6_Click).
    void setSelfCleaningHandler(std::function<void()> handler)
    {
        m_selfCleaning = std::move(handler);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QWidget *buildGrid();
    QWidget *buildSelectedPanel();
    void watchMouse(QWidget *widget);
    void hoverAt(QObject *watched, const QPoint &globalPos);
    void placeFloating(const QPoint &globalPos);
    void showFigures();
    void fitTo(int width);

    MainForm &m_main;
    FormBinder &m_binder;
    QWidget *m_families[6] = {};
    QWidget *m_hotSpots[3] = {};
    QWidget *m_grid = nullptr;
    QWidget *m_panel = nullptr;
    QBoxLayout *m_layout = nullptr;
    bool m_watchingRoom = false;
    PictureBox *m_floating = nullptr;
    QLabel *m_power = nullptr;
    QLabel *m_powerUnit = nullptr;
    QLabel *m_housing = nullptr;
    QLabel *m_housingUnit = nullptr;

    std::function<void()> m_selfCleaning;
};

} // namespace vc
