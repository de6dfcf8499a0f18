#pragma once

#include <memory>
#include <QDialog>

class QTextEdit;

namespace vc {

class FormBinder;
class MainForm;
class PrintPreview;

// The print preview window frmPreview: printer and copies lists, the "1" and
// "2" document buttons, Print and "PDF…", and the document shown with the
// line width it will print with. Its logic is PrintPreview.
class FrmPreview : public QDialog
{
    Q_OBJECT
public:
    explicit FrmPreview(MainForm &main, QWidget *parent = nullptr);
    ~FrmPreview() override;

    PrintPreview &logic() { return *m_logic; }

protected:
    void done(int result) override;

private:
    void showLineWidth();
    void toTop();

    std::unique_ptr<PrintPreview> m_logic;
    std::unique_ptr<FormBinder> m_binder;
    QTextEdit *m_text = nullptr;
};

} // namespace vc
