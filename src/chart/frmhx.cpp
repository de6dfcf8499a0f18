#include "frmhx.h"

#include "form/appglobals.h"
#include "chartexport.h"
#include "io/filehelpers.h"
#include "languagecaptions.h"
#include "mainform.h"
#include "convert/numberformat.h"
#include "form/platformservices.h"
#include "print/printer.h"
#include "unitfactors.h"

#include <cmath>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPainter>

namespace vc {

namespace {

using Kind = Control::Kind;

const QString humidityCaption = QStringLiteral("vixGraph1.CaptionRelativHumidity");
const QString waterCaption = QStringLiteral("vixGraph1.CaptionWasserGehalt");

// Saved PNGs carry three pixels per chart pixel: about 290 dpi at the chart's printed size.
constexpr double savedScale = 3;

} // namespace

FrmHx::FrmHx(MainForm &mainForm, QObject *parent)
    : QObject(parent), m_main(mainForm), m_form(QStringLiteral("frmhx"))
{
    m_form.setCaption(QStringLiteral("hx-Diagramm"));
    m_form.add(QStringLiteral("Label1"), Kind::Label).setCaption(QStringLiteral(" Comfortzone"));
    m_form.add(QStringLiteral("Command1"), Kind::Button).setCaption(QStringLiteral("Show"));
    m_form.add(QStringLiteral("Command2"), Kind::Button).setCaption(QStringLiteral("Copy"));
    m_form.add(QStringLiteral("Command3"), Kind::Button).setCaption(QStringLiteral("Print"));
    m_form.add(QStringLiteral("Command4"), Kind::Button).setCaption(QStringLiteral("Save..."));
    m_form.add(QStringLiteral("PrtCombo"), Kind::ComboBox);
    // The captions the window stores for its chart control.
    Control &humidity = m_form.add(humidityCaption, Kind::Other);
    Control &water = m_form.add(waterCaption, Kind::Other);
    connect(&humidity, &Control::changed, this, [this, &humidity](Control::Property property) {
        if (property == Control::Property::Text)
            m_graph.setCaptionRelativHumidity(humidity.caption());
    });
    connect(&water, &Control::changed, this, [this, &water](Control::Property property) {
        if (property == Control::Property::Text)
            m_graph.setCaptionWasserGehalt(water.caption());
    });
    humidity.setCaption(QStringLiteral("rel. humidity %"));
    water.setCaption(QStringLiteral("Water contents (absolute humidity)"));
}

void FrmHx::load(bool fillPrinters)
{
    LoadLanguageCaptions(m_form);
    if (fillPrinters)
        fillPrinterList();
    plotStates();
}

void FrmHx::fillPrinterList()
{
    Control &list = m_form[QStringLiteral("PrtCombo")];
    QStringList names;
    for (const PrinterInfo &printer : Printer::printers().installed())
        names << printer.deviceName;
    list.setItems(names);
    m_rememberedPrinter = Printer::current().deviceName();
    list.setText(m_rememberedPrinter);
}

double FrmHx::chartPressure(MainForm &mainForm)
{
    double p = leadingNumber(mainForm.Combo2(1).text());
    if (mainForm.usUnits())
        p *= UnitFactors::pressure;
    return std::isfinite(p) && p >= 500 && p <= 1100 ? p : 1013.25;
}

void FrmHx::plotStates()
{
    const bool metric = m_main[QStringLiteral("mnuOtherUnit(0)")].isChecked();
    const QString outsideX = m_main.Label20(1).text(), insideX = m_main.Label20(2).text();
    const QString outsideT = m_main.Text2(1).text(), insideT = m_main.Text2(2).text();
    const QLocale locale;
    const auto read = [&](const QString &x, const QString &t) {
        return metric ? HxMapping::metricState(x, t) : HxMapping::usState(x, t, locale);
    };
    m_inside = read(insideX, insideT);
    m_outside = read(outsideX, outsideT);
    m_graph.setPressure(chartPressure(m_main));

    // A coordinate that does not fit is skipped; the marker keeps its place.
    const HxMapping::Point inside = HxMapping::point(m_inside),
                           outside = HxMapping::point(m_outside);
    if (inside.xOk)
        m_graph.setPoint1X(inside.X);
    if (inside.yOk)
        m_graph.setPoint1Y(inside.Y);
    if (outside.xOk)
        m_graph.setPoint2X(outside.X);
    if (outside.yOk)
        m_graph.setPoint2Y(outside.Y);
    m_graph.setMarkerVisible(1, inside.xOk && inside.yOk &&
                                    HxMapping::onChart(m_inside.x, m_inside.t));
    m_graph.setMarkerVisible(2, outside.xOk && outside.yOk &&
                                    HxMapping::onChart(m_outside.x, m_outside.t));
}

void FrmHx::Command1_Click()
{
    m_graph.setDisHag(!m_graph.DisHag());
}

void FrmHx::Command2_Click()
{
    ClipboardService &clipboard = Services::clipboard();
    clipboard.clear();
    clipboard.setImage(m_graph.toImage());
}

bool FrmHx::Command3_Click()
{
    Printer &printer = Printer::current();
    printer.setDocName(m_form.caption());
    QPainter *painter = printer.painter();
    if (!painter)
        return false;
    // At (25, 20) in the printer's units, the chart at its own size: 15 twips a pixel.
    const double twipsPerUnit = printer.scaleMode() == Printer::Unit::Twips ? 1 : 1440 / 25.4;
    const double devicePerTwip = printer.resolution() / 1440.0;
    painter->save();
    painter->translate(25 * twipsPerUnit * devicePerTwip, 20 * twipsPerUnit * devicePerTwip);
    painter->scale(HxMapping::twipsPerPixel * devicePerTwip,
                   HxMapping::twipsPerPixel * devicePerTwip);
    m_graph.render(*painter);
    painter->restore();
    if (!printer.endDoc()) {
        printer.killDoc();
        return false;
    }
    return true;
}

void FrmHx::Command4_Click()
{
    QString title = m_form[QStringLiteral("Command4")].caption();
    title.remove(QLatin1Char('&'));
    const QString project = QFileInfo(app().ProjectFile).completeBaseName();
    const QString name =
        (project.isEmpty() ? QStringLiteral("hx-chart") : project + QStringLiteral(" hx-chart")) +
        QStringLiteral(".png");
    const QString path =
        ShowFileDialog(2, title, name,
                       QStringLiteral("PNG image (*.png)|*.png|SVG drawing (*.svg)|*.svg|"
                                      "PDF document (*.pdf)|*.pdf"),
                       app().DataPath, QStringLiteral("png"));
    if (path.isEmpty())
        return;
    if (!ChartExport::save(m_graph, path, savedScale)) {
        const QString text = messageText(m_form.name(), QStringLiteral("msgSave"),
                                         QStringLiteral("The chart could not be saved as %1."));
        Services::messages().show(
            QString(text).replace(QLatin1String("%1"), QDir::toNativeSeparators(path)),
            MessageService::Buttons::Ok, MessageService::Icon::Exclamation, title);
    }
}

void FrmHx::PrtCombo_Validate()
{
    const QString now = Printer::current().deviceName();
    m_rememberedPrinter = now;
    Printer::setCurrent(m_form[QStringLiteral("PrtCombo")].text());
}

void FrmHx::unload()
{
    if (!m_rememberedPrinter.isEmpty() && Printer::current().deviceName() != m_rememberedPrinter)
        Printer::setCurrent(m_rememberedPrinter);
}

} // namespace vc
