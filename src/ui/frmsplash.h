#pragma once

#include <QDialog>

class QLabel;
class QTimer;

namespace vc::ui {

// The splash window. At start-up its timer hands over to the main window after
// 800 ms; a click or key hands over at once, so the process is never left
// without a window. As the About box it waits for a click or key. It keeps its
// size of 7920 x 4350 twips whatever the user tries.
class frmSplash : public QDialog
{
    Q_OBJECT
public:
    enum class Mode { StartUp, About };

    static constexpr int kTwipsPerPixel = 15;
    static constexpr int kWidthTwips = 7920;
    static constexpr int kHeightTwips = 4350;
    static constexpr int kTimerInterval = 800;

    explicit frmSplash(Mode mode, QWidget *parent = nullptr);

    // The About command: an ordinary window beside the main window, timer
    // off; it closes by the splash window's click and key rules.
    static frmSplash *showAbout(QWidget *parent);

    QTimer *Timer1() const { return m_timer; }

Q_SIGNALS:
    // Start-up only, once: show the main window now (the splash then closes).
    void openMainWindow();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void finish();

    Mode m_mode;
    bool m_finished = false;
    QTimer *m_timer;
    QLabel *m_lblVersion;
    QLabel *m_versionNo;
    QLabel *m_lblPlatform;
};

} // namespace vc::ui
