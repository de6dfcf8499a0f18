#pragma once

#include <QDialog>

#include <memory>

class QTextEdit;

namespace vc {

class RichTextField;

// The information window frmSC: the self-cleaning system's document in the
// user's language, in RichTextBox1, which always fills the window.
class FrmSC : public QDialog
{
    Q_OBJECT
public:
    explicit FrmSC(QWidget *parent = nullptr);
    ~FrmSC() override;

    RichTextField &field() { return *m_field; }
    QTextEdit *RichTextBox1() const { return m_view; }

    // mnuSC and the family page's self-cleaning hot spots: a fresh window
    // (each opening reloads the document), shown modally.
    static void open(QWidget *parent);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    std::unique_ptr<RichTextField> m_field;
    QTextEdit *m_view;
};

} // namespace vc
