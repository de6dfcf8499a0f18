#pragma once

#include "articlecatalogue.h"
#include "basketlist.h"
#include "form/form.h"

#include <memory>
#include <QObject>
#include <QString>

namespace vc {

class EasyPrint;
class MainForm;

// The basket window frmKorb as the logic sees it: the catalogue tree WKorb,
// the detail fields of the article clicked (lbDesc1, ImgCheck, artImage), the
// basket list ListView1, the printer list PrtCombo and the buttons. The Qt
// window, the command line and the tests drive this one object.
//
// Beyond the plain window: what the catalogue or the project file could not
// give is said in the message line "lblMessage", and a basket that cannot be
// written keeps the window open, so no basket line is ever lost on closing.
class KorbForm : public QObject
{
    Q_OBJECT
public:
    explicit KorbForm(MainForm &main, QObject *parent = nullptr);
    ~KorbForm() override;

    Form &form() { return m_form; }
    Control &operator[](const QString &name) { return m_form.at(name); }
    Control &lbDesc1(int i) { return m_form.at(QStringLiteral("lbDesc1"), i); }
    Control &ImgCheck(int i) { return m_form.at(QStringLiteral("ImgCheck"), i); }
    const ArticleCatalogue &catalogue() const { return m_catalogue; }
    BasketList &ListView1() { return m_list; }

    // True while the detail fields show an accessory, option or consumable.
    bool IsOtherArticle = false;

    // Captions, printer list, tree, basket; artImage hidden.
    void Form_Load();
    // Shows an article node's details; roots, groups and keys not starting
    // with a digit 1 to 9 change nothing.
    void WKorb_NodeClick(int node);
    void Command1_Click(); // Add the article shown
    void Command2_Click(); // Remove the selected row
    void ListView1_Click(int row);
    void ListView1_KeyDown(int keyCode);
    void Command5_Click(); // Insert the unit and pipes of the calculation
    void PrtCombo_Validate();
    void Command3_Click();  // Print
    void Command4_Click();  // Copy
    void cmdExport_Click(); // Export... as CSV
    // The closing question; true keeps the window open.
    bool Form_QueryUnload();
    // The window has closed: the printer that was current before comes back.
    void Form_Unload();

    // The file parts of Export and Print, for the command line.
    bool exportCsv(const QString &path);
    bool printBasket();
    // The column captions of ListView1, 1 to 4.
    QString columnHeader(int column)
    {
        return m_form.at(QStringLiteral("ListView1.ColumnHeaders(%1)").arg(column)).caption();
    }

    static constexpr int keyDelete = 46;

Q_SIGNALS:
    // The tree has been built anew from the catalogue.
    void treeBuilt();

private:
    void createControls();
    void setPrinterList();
    void report(const QString &key, const QString &builtIn, const QStringList &args);
    QString text(const QString &key, const QString &builtIn) const;
    bool saveBasket(bool saveFirst);

    MainForm &m_main;
    Form m_form;
    ArticleCatalogue m_catalogue;
    BasketList m_list;
    QString m_printerBefore;
    QStringList m_messages;
    std::unique_ptr<EasyPrint> m_easyPrint; // made at the first print-out
};

} // namespace vc
