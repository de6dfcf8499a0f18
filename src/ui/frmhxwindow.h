#pragma once

#include <memory>
#include <QDialog>

class QScrollBar;
class QWidget;

namespace vc {

class FormBinder;
class FrmHx;
class MainForm;
class VixGraphWidget;

// The h-x chart window frmhx: the comfort-zone, Save, Copy and Print buttons
// and the printer list above a scrolling viewport (Picture1) that holds the
// chart control (vixGraph1 on Picture2). Its logic is FrmHx; the window adds
// the layout and the scrolling.
class FrmHxWindow : public QDialog
{
    Q_OBJECT
public:
    explicit FrmHxWindow(MainForm &mainForm, QWidget *parent = nullptr);
    ~FrmHxWindow() override;

    FrmHx &logic() { return *m_logic; }
    QWidget *widget(const QString &name) const;
    VixGraphWidget *graphWidget() const { return m_graph; }

    // Opens the window modally over the main window, as its button does.
    static void open(MainForm &mainForm, QWidget *parent);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void done(int result) override;

private:
    void layoutViewport();

    std::unique_ptr<FrmHx> m_logic;
    std::unique_ptr<FormBinder> m_binder;
    QWidget *m_picture1 = nullptr;
    QWidget *m_picture2 = nullptr;
    VixGraphWidget *m_graph = nullptr;
    QScrollBar *m_hScroll = nullptr;
    QScrollBar *m_vScroll = nullptr;
    int m_viewportTop = 0;
};

} // namespace vc
