#include "manualdistance.h"

#include "languagecaptions.h"
#include "mainform.h"
#include "manualvalues.h"
#include "form/platformservices.h"
#include "unitlabels.h"
#include "convert/vixconvert.h"

#include <cmath>
#include <iterator>

namespace vc {

namespace {

using Kind = Control::Kind;
using manual::entry;
using manual::valueText;

// Standard pipe lengths in mm; the duct is 20 mm wider than the pipe.
constexpr int lengths22[] = {300, 450, 650, 850};
constexpr int lengths35[] = {300, 450, 600, 900, 1200, 1500};
constexpr int ductAllowance = 20;

// m³/h from a duct of W x H mm at v m/s: 0.0036 x W x H x v.
constexpr double flowFactor = 0.0036;

template <std::size_t N> QStringList items(const int (&lengths)[N])
{
    QStringList list;
    for (int length : lengths)
        list.append(QString::number(length));
    return list;
}

} // namespace

ManualDistance::ManualDistance(MainForm &mainForm, QObject *parent)
    : QObject(parent), m_main(mainForm), m_form(QStringLiteral("frmManBS"))
{
    m_form.setCaption(QStringLiteral("Manual input for humidification distance"));
    m_form.add(QStringLiteral("Frame1"), Kind::Frame)
        .setCaption(QStringLiteral("Additional manual input :"));
    m_form.add(QStringLiteral("Label2"), Kind::Label)
        .setCaption(QStringLiteral("Length of steam distribution pipe"));
    Control &combo22 = m_form.add(QStringLiteral("Combo22"), Kind::ComboBox);
    combo22.setItems(items(lengths22));
    combo22.setText(QStringLiteral("300"));
    Control &combo35 = m_form.add(QStringLiteral("Combo35"), Kind::ComboBox);
    combo35.setItems(items(lengths35));
    combo35.setText(QStringLiteral("300"));
    m_form.add(QStringLiteral("Label4"), 1, Kind::Label).setCaption(QStringLiteral("\u00f8"));
    m_form.add(QStringLiteral("Label4"), 0, Kind::Label).setCaption(QStringLiteral("22 mm"));
    m_form.add(QStringLiteral("Label1"), Kind::Label).setCaption(QStringLiteral("Air velocity"));
    m_form.add(QStringLiteral("Text1"), Kind::TextBox);
    m_form.add(QStringLiteral("Label3"), Kind::Label).setCaption(QStringLiteral("m/s"));
    m_form.add(QStringLiteral("Command1"), Kind::Button).setCaption(QStringLiteral("&OK"));
    m_form.add(QStringLiteral("Command2"), Kind::Button).setCaption(QStringLiteral("&Cancel"));
}

bool ManualDistance::smallPipe(double steamOutput)
{
    return steamOutput > 0.1 && steamOutput <= 8;
}

int ManualDistance::ductWidth(bool smallPipe, double length)
{
    const auto match = [length](const auto &list) {
        for (int standard : list)
            if (length == standard)
                return standard + ductAllowance;
        return 0;
    };
    return smallPipe ? match(lengths22) : match(lengths35);
}

void ManualDistance::load()
{
    LoadLanguageCaptions(m_form);
    UnitLabels::LoadUnitLabels(m_form);
    m_form.at(QStringLiteral("Text1")).setText(m_main.Label30(1).caption());
    const bool small = smallPipe(entry(m_main.Text3(4).text()));
    m_form.at(QStringLiteral("Combo22")).setVisible(small);
    m_form.at(QStringLiteral("Combo35")).setVisible(!small);
    m_form.at(QStringLiteral("Label4(0)"))
        .setCaption(small ? QStringLiteral("22 mm") : QStringLiteral("35 mm"));
}

void ManualDistance::Command1_Click()
{
    double width = entry(m_main.Text3(1).text());
    const double flow = entry(m_main.Text3(0).text());
    const double velocity = entry(m_form.at(QStringLiteral("Text1")).text());

    const bool small = m_form.at(QStringLiteral("Combo22")).isVisible();
    const Control &list = m_form.at(small ? QStringLiteral("Combo22") : QStringLiteral("Combo35"));
    if (const int standard = ductWidth(small, VixConvert::GDbl(list.text().trimmed()))) {
        width = standard;
    } else {
        const QString section = m_form.name();
        const QString text =
            messageText(section, QStringLiteral("msg1"),
                        QStringLiteral("This is not a standard length of the pipe.")) +
            QLatin1String("\r\n") +
            messageText(section, QStringLiteral("msg2"), QStringLiteral("The duct width is kept."));
        Services::messages().show(text, MessageService::Buttons::Ok,
                                  MessageService::Icon::Information, m_form.caption());
    }

    if (velocity > 0 && width > 0) {
        // A velocity so high that the duct would be under a millimetre high
        // is a typing slip; the duct keeps its height then.
        const double height = flow / (flowFactor * width * velocity);
        if (std::isfinite(height) && height >= 0.5) {
            m_main.Text3(2).setText(formatNumber(height, QStringLiteral("#####0")));
            m_main.Label30(1).setText(valueText(velocity));
        }
    }
    // A width that is no number stays as the planner left it.
    if (width > 0) {
        m_main.Label30(3).setText(valueText(width - ductAllowance));
        m_main.Text3(1).setText(valueText(width));
    }
    Q_EMIT unload();
}

void ManualDistance::Command2_Click()
{
    Q_EMIT unload();
}

} // namespace vc
