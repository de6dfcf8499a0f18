#pragma once

#include <memory>
#include <QDialog>

class QTreeWidget;

namespace vc {

class FormBinder;
class KorbForm;
class MainForm;

// The basket window frmKorb: the catalogue tree WKorb on the left, the
// details of the clicked article on the right, the basket list ListView1
// below with its buttons and the printer list. Every widget is bound to its
// control of the KorbForm; the tree and the list follow the form's catalogue
// and basket. Closing asks the form first and stays open when it says so.
class FrmKorbWindow : public QDialog
{
    Q_OBJECT
public:
    FrmKorbWindow(MainForm &main, QWidget *parent = nullptr);
    ~FrmKorbWindow() override;

    KorbForm &korbForm() { return *m_form; }
    QTreeWidget *tree() const { return m_tree; }
    QTreeWidget *list() const { return m_list; }

    // Form_Load of the window; call before showing it.
    void load();

    // The window's size in twips, as the window was designed.
    static constexpr int widthTwips = 12250, heightTwips = 7600;

    // Escape, the title bar's close button and the test's close: asks first.
    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *detailPanel();
    QWidget *listPanel();
    void fillTree();
    void fillList();

    std::unique_ptr<KorbForm> m_form;
    std::unique_ptr<FormBinder> m_binder;
    QTreeWidget *m_tree = nullptr;
    QTreeWidget *m_list = nullptr;
};

} // namespace vc
