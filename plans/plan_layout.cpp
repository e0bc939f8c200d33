#include "plans/plan_layout.h"

#include "plans/net_plan_texts.h"
#include "plans/plan_texts.h"

namespace {

constexpr PlanAlignment left = PlanAlignment::Left;
constexpr PlanAlignment right = PlanAlignment::Right;

const PlanFont arial14 { QStringLiteral("Arial"), 14, false };
const PlanFont arial10Bold { QStringLiteral("Arial"), 10, true };
const PlanFont arial8 { QStringLiteral("Arial"), 8, false };
const PlanFont arial6 { QStringLiteral("Arial"), 6, false };
const PlanFont reportFont { QStringLiteral("Arial"), 10, false };
// The loan form gives every element a font of its own unless it says otherwise.
const PlanFont sansSerif { QStringLiteral("MS Sans Serif"), 10, false };

PlanPrintableLayout label(const char* name, PlanAlignment alignment, double x, double top, double height,
    std::optional<PlanFont> font, const QString& text)
{
    return { QString::fromLatin1(name), PlanPrintableKind::Label, alignment, x, top, height, 0, std::move(font), text };
}

PlanPrintableLayout memo(double top, double width, std::optional<PlanFont> font)
{
    return { QStringLiteral("BVMemo1"), PlanPrintableKind::Memo, left, 112.18, top, 4.50, width, std::move(font), {} };
}

PlanPrintableLayout image(double top)
{
    return { QStringLiteral("BVImage1"), PlanPrintableKind::Image, left, 19.05, top, 106.36, 159.01, std::nullopt, {} };
}

// The bands' heights as stored, to the hundredth of a tenth of a millimetre:
// whether the footer still fits below the detail band is decided on them.
constexpr double footerHeightMm = 10.583;
constexpr double entwicklungDetailHeightMm = 216.694;
constexpr double tilgungsplanDetailHeightMm = 243.946;

PlanBandLayout footerBand(const char* addressLabel, const char* disclaimerLabel, const char* bandName = "ChildBand1")
{
    return { QString::fromLatin1(bandName), PlanBandKind::Child, footerHeightMm, 189.97,
        {
            label(addressLabel, left, 21.17, 5.03, 3.70, arial6, makerFooterText()),
            label(disclaimerLabel, left, 120.65, 4.23, 4.50, arial6,
                QStringLiteral("Für die Richtigkeit der Angaben wird keine Gewähr übernommen")),
        } };
}

PlanFilterComponentLayout excelFilter()
{
    return { QStringLiteral("BVExcelFilter1"), QStringLiteral("TBVExcelFilter"), TTextEncoding::DefaultEncoding, {} };
}

PlanFilterComponentLayout pdfFilter()
{
    return { QStringLiteral("BVPDFFilter1"), QStringLiteral("TBVPDFFilter"), TTextEncoding::ASCIIEncoding,
        { { QStringLiteral("CompressionOn"), false } } };
}

PlanFilterComponentLayout htmlFilter()
{
    return { QStringLiteral("BVHTMLFilter1"), QStringLiteral("TBVHTMLFilter"), TTextEncoding::ASCIIEncoding,
        {
            { QStringLiteral("MultiPage"), false },
            { QStringLiteral("PageLinks"), false },
            { QStringLiteral("FinalPage"), 0 },
            { QStringLiteral("FirstLastLinks"), false },
            { QStringLiteral("Concat"), false },
            { QStringLiteral("ConcatCount"), 1 },
            { QStringLiteral("LinkFontSize"), 12 },
            { QStringLiteral("LinkFontName"), QStringLiteral("Arial") },
        } };
}

PlanFilterComponentLayout rtfFilter()
{
    return { QStringLiteral("BVRTFFilter1"), QStringLiteral("TBVRTFFilter"), TTextEncoding::DefaultEncoding, {} };
}

// The inputs block of the investment development, which the net plan shares.
std::vector<PlanPrintableLayout> developmentInputs()
{
    const std::nullopt_t inherit = std::nullopt;
    return {
        label("BVLabel2", left, 19.05, 12.70, 4.50, inherit, QStringLiteral("Startkapital (Anlagesumme):")),
        label("BVLabel3", left, 19.05, 16.93, 4.50, inherit, QStringLiteral("monatlicher Sparrate:")),
        label("BVLabel5", left, 19.05, 21.17, 4.50, inherit, QStringLiteral("jährliche Sparrate:")),
        label("BVLabel8", left, 19.05, 25.40, 4.50, inherit, QStringLiteral("jährliche Verzinsung:")),
        label("BVLabel6", left, 19.05, 29.63, 4.50, inherit, QStringLiteral("Verzinsverrechnung:")),
        label("BVLabel10", left, 19.05, 33.87, 4.50, inherit, QStringLiteral("jahrliches Bonus oder Gebühr:")),
        label("BVLabel9", left, 19.05, 38.10, 4.50, inherit, QStringLiteral("Berechnungszeitraum:")),
        label("QAnlagesumme", right, 96.04, 12.70, 4.50, inherit, QStringLiteral("QAnlagesumme")),
        label("QSparen", right, 96.04, 16.93, 4.50, inherit, QStringLiteral("QSparen")),
        label("QJSparen", right, 96.04, 21.17, 4.50, inherit, QStringLiteral("QJSparen")),
        label("QRendite", right, 96.04, 25.40, 4.50, inherit, QStringLiteral("QRendite")),
        label("QVerrechnung", right, 96.04, 29.63, 4.50, inherit, QStringLiteral("QRendite")),
        label("QDividente", right, 96.04, 33.87, 4.50, inherit, QStringLiteral("QDividente")),
        label("QJahre", right, 96.04, 38.10, 4.50, inherit, QStringLiteral("Jahre")),
    };
}

std::vector<PlanPrintableLayout> entwicklungDetail()
{
    const std::nullopt_t inherit = std::nullopt;
    const QString heading = QStringLiteral("Entwicklung Ihre Anlage bei folgenden Vorgaben:");
    std::vector<PlanPrintableLayout> printables {
        label("BVLabel1", left, 19.05, 2.12, 6.09, arial14, heading),
        label("BVLabel12", left, 19.05, 2.12, 6.09, arial14, heading),
    };
    const std::vector<PlanPrintableLayout> inputs = developmentInputs();
    printables.insert(printables.end(), inputs.begin(), inputs.end());
    const std::vector<PlanPrintableLayout> rest {
        label("BVLabel11", left, 112.18, 10.32, 4.50, arial10Bold,
            QStringLiteral("Extra Einzahlungen oder Auszahlungen:")),
        memo(14.55, 16.67, inherit),
        image(48.68),
        label("BVLabel4", left, 21.17, 165.10, 6.09, arial14, QStringLiteral("Entwicklung Ihre Anlage in Zahlen:")),
        label("BVLabel13", left, 21.17, 173.57, 4.50, inherit, QStringLiteral("Ihr Kapitaleinsatz:  ")),
        label("QEinsatz", right, 129.38, 173.57, 4.50, inherit, QStringLiteral("QEinsatz")),
        label("QZinsertraege", left, 21.17, 179.92, 4.50, inherit, QStringLiteral("Zuwachs")),
        label("QErtrag", right, 129.38, 179.92, 4.50, inherit, QStringLiteral("QZinsen")),
        label("QDividenten", left, 21.17, 186.27, 4.50, arial8,
            QStringLiteral("enthalten jährlicher Bonus oder Gebühren: ")),
        label("QGDividenten", right, 129.38, 186.27, 4.50, arial8, QStringLiteral("QDividenten")),
        label("BVLabel7", left, 21.17, 196.85, 4.50, inherit,
            QStringLiteral("Depotwert am Ende des Anlagezeitraumes:  ")),
        label("QKapital", right, 129.38, 196.85, 4.50, inherit, QStringLiteral("QKapital")),
        label("BVLabel15", left, 21.17, 203.20, 4.50, inherit, QStringLiteral("Entspricht einem Wertzuwachs von:  ")),
        label("QZuwach", right, 129.38, 203.20, 4.50, inherit, QStringLiteral("QZuwachs")),
    };
    printables.insert(printables.end(), rest.begin(), rest.end());
    return printables;
}

std::vector<PlanPrintableLayout> tilgungsplanDetail()
{
    const PlanFont& own = sansSerif;
    return {
        label("BVLabel12", left, 19.05, 2.12, 6.09, arial14,
            QStringLiteral("Entwicklung Ihre Restschuld bei folgenden Vorgaben:")),
        label("BVLabel2", left, 19.05, 12.70, 4.50, own, QStringLiteral("Anfangsschuld (Kreditsumme):")),
        label("BVLabel3", left, 19.05, 16.93, 4.50, own, QStringLiteral("monatlicher Rate:")),
        label("BVLabel5", left, 19.05, 21.17, 4.50, own, QStringLiteral("jährliche Rate:")),
        label("BVLabel8", left, 19.05, 25.40, 4.50, own, QStringLiteral("jährliche Verzinsung:")),
        label("BVLabel6", left, 19.05, 29.63, 4.50, own, QStringLiteral("Verzinsverrechnung:")),
        label("BVLabel10", left, 19.05, 33.87, 4.50, own, QStringLiteral("jahrliche Gebühr:")),
        label("BVLabel9", left, 19.05, 38.10, 4.50, own, QStringLiteral("Berechnungszeitraum:")),
        label("QAnlagesumme", right, 96.04, 12.70, 4.50, own, QStringLiteral("QAnlagesumme")),
        label("QSparen", right, 96.04, 16.93, 4.50, own, QStringLiteral("QSparen")),
        label("QJSparen", right, 96.04, 21.17, 4.50, own, QStringLiteral("QJSparen")),
        label("QRendite", right, 96.04, 25.40, 4.50, own, QStringLiteral("QRendite")),
        label("QVerrechnung", right, 96.04, 29.63, 4.50, own, QStringLiteral("QRendite")),
        label("QDividente", right, 96.04, 33.87, 4.50, own, QStringLiteral("QDividente")),
        label("QJahre", right, 96.04, 38.10, 4.50, own, QStringLiteral("Jahre")),
        label("BVLabel11", left, 112.18, 10.32, 4.50, arial10Bold, QStringLiteral("Sondertilgungen:")),
        memo(14.55, 17.46, own),
        image(50.80),
        label("BVLabel4", left, 21.17, 165.10, 6.09, arial14,
            QStringLiteral("Daten Ihres Kredites zum Ende der Berechnung")),
        label("BVLabel7", left, 21.17, 175.68, 4.50, own,
            QStringLiteral("Restschuld am Ende des Berechnungszeitraums:  ")),
        label("QKapital", right, 129.38, 175.68, 4.50, own, QStringLiteral("QKapital")),
        label("BVLabel13", left, 21.17, 186.27, 4.50, own, QStringLiteral("Ratenzahlungen im Berechnungszeitraum:  ")),
        label("QEinsatz", right, 129.38, 186.27, 4.50, own, QStringLiteral("QEinsatz")),
        label("BVLabel14", left, 21.17, 194.73, 4.50, own, QStringLiteral("Schuldtilgung:")),
        label("QTilgung", right, 129.38, 194.73, 4.50, own, QStringLiteral("QZinsen")),
        label("QZinsertraege", left, 21.17, 201.08, 4.50, own, QStringLiteral(" Zinszahlungen:")),
        label("QErtrag", right, 129.38, 201.08, 4.50, own, QStringLiteral("QZinsen")),
        label("QDividenten", left, 21.17, 205.32, 4.50, arial8, QStringLiteral("enthalten jährliche Gebühren: ")),
        label("QGDividenten", right, 129.38, 205.32, 4.50, arial8, QStringLiteral("QDividenten")),
        label("QZuwach", left, 21.43, 220.13, 4.50, own, QStringLiteral("QZuwachs")),
        label("BVLabel16", left, 21.17, 226.48, 4.50, own, QStringLiteral("Die Zinses belaufen sich auf")),
    };
}

PlanReportLayout makeEntwicklung()
{
    PlanReportLayout layout;
    layout.definitionName = QStringLiteral("TQEntwicklung");
    layout.reportComponent = QStringLiteral("BVReport1");
    layout.reportTitle = QStringLiteral("Anlageentwicklung");
    layout.description = QStringLiteral("Wertentwicklung");
    layout.reportFont = reportFont;
    layout.bands = {
        { QStringLiteral("DetailBand1"), PlanBandKind::Detail, entwicklungDetailHeightMm, 189.97, entwicklungDetail() },
        footerBand("BVLabel14", "BVLabel16"),
    };
    layout.filters = { excelFilter(), pdfFilter(), htmlFilter() };
    return layout;
}

PlanReportLayout makeTilgungsplan()
{
    PlanReportLayout layout;
    layout.definitionName = QStringLiteral("TTilgungsplan");
    layout.reportComponent = QStringLiteral("BVReport1");
    layout.reportTitle = QStringLiteral("Kreditrechnung");
    layout.reportFont = reportFont;
    layout.bands = {
        { QStringLiteral("DetailBand1"), PlanBandKind::Detail, tilgungsplanDetailHeightMm, 189.97,
            tilgungsplanDetail() },
        footerBand("BVLabel15", "BVLabel17"),
    };
    layout.filters = { pdfFilter(), excelFilter(), rtfFilter() };
    return layout;
}

// The net plan keeps the look of the investment development: the same
// heading size, the inputs block where it stands there, the results with
// their right edge at 129.38 mm and the same footer lines. The year table
// runs in bands of its own below, so that its rows continue from the top of
// each further page under the repeated column headings.
constexpr double netDetailHeightMm = 103.19;
constexpr double netOptionsCaptionMm = 112.18;
constexpr double netOptionsValueMm = 189.0;
constexpr double netInputsTopMm = 12.70;
constexpr double netInputsStepMm = 4.2333;
constexpr double netResultsTopMm = 58.21;
constexpr double netRowStepMm = 4.76;
constexpr double netTableRowsTopMm = 4.76;
constexpr double netTableHeightMm = netTableRowsTopMm + 4.50;
constexpr double netNoteHeightMm = 8.47;
// The right edges of the year table's columns.
constexpr std::array<double, 7> netColumnRightMm { 29.63, 56.0, 82.5, 109.0, 135.5, 162.0, 188.5 };

// Caption labels at the left edge, the values the command sets right-aligned on a common edge.
void addBlockRow(std::vector<PlanPrintableLayout>& printables, const char* captionLabel, const QString& caption,
    const char* valueLabel, double captionMm, double valueMm, double topMm)
{
    printables.push_back(label(captionLabel, left, captionMm, topMm, 4.50, std::nullopt, caption));
    printables.push_back(label(valueLabel, right, valueMm, topMm, 4.50, std::nullopt, QString::fromLatin1(valueLabel)));
}

std::vector<PlanPrintableLayout> nettoDetail()
{
    std::vector<PlanPrintableLayout> printables { label("BVLabel1", left, 19.05, 2.12, 6.09, arial14,
        QStringLiteral("Netto-Anlageentwicklung nach Kosten, Steuern und Inflation")) };
    const std::vector<PlanPrintableLayout> inputs = developmentInputs();
    printables.insert(printables.end(), inputs.begin(), inputs.end());
    // The options block stands on the lines of the inputs block, one line
    // lower, so that formats that flow the texts line by line (RTF) keep the
    // two blocks side by side instead of interleaving their lines.
    printables.push_back(label("BVLabel11", left, netOptionsCaptionMm, netInputsTopMm, 4.50, arial10Bold,
        QStringLiteral("Kosten, Steuern und Inflation:")));
    for (size_t row = 0; row < netplantexts::optionRows.size(); ++row) {
        const netplantexts::BlockRow& option = netplantexts::optionRows[row];
        addBlockRow(printables, option.captionLabel, QString::fromUtf8(option.caption), option.valueLabel,
            netOptionsCaptionMm, netOptionsValueMm, netInputsTopMm + netInputsStepMm * static_cast<double>(row + 1));
    }
    printables.push_back(label("BVLabel4", left, 21.17, 48.68, 6.09, arial14,
        QStringLiteral("Ihre Anlage nach Kosten, Steuern und Inflation:")));
    for (size_t row = 0; row < netplantexts::resultRows.size(); ++row) {
        const char* caption = fundorix::calc::netItemInfo(static_cast<fundorix::calc::NetItem>(row)).caption;
        addBlockRow(printables, netplantexts::resultRows[row].captionLabel, QString::fromUtf8(caption),
            netplantexts::resultRows[row].valueLabel, 21.17, 129.38,
            netResultsTopMm + netRowStepMm * static_cast<double>(row));
    }
    printables.push_back(
        label("BVLabel7", left, 21.17, 95.25, 6.09, arial14, QStringLiteral("Entwicklung Jahr für Jahr:")));
    return printables;
}

// The column headings repeat on every page the rows continue on; each column
// is a memo of one line per year, right-aligned under its heading.
std::vector<PlanPrintableLayout> nettoTable()
{
    std::vector<PlanPrintableLayout> printables;
    for (size_t column = 0; column < netplantexts::tableColumns.size(); ++column) {
        const netplantexts::TableColumn& c = netplantexts::tableColumns[column];
        PlanPrintableLayout heading = label(
            c.headingLabel, right, netColumnRightMm[column], 0, 4.50, std::nullopt, QString::fromUtf8(c.heading));
        heading.repeatOnContinuation = true;
        printables.push_back(heading);
    }
    for (size_t column = 0; column < netplantexts::tableColumns.size(); ++column)
        printables.push_back({ QString::fromLatin1(netplantexts::tableColumns[column].memo), PlanPrintableKind::Memo,
            right, netColumnRightMm[column], netTableRowsTopMm, 4.50, 0, std::nullopt, {} });
    return printables;
}

PlanPrintableLayout nettoNote()
{
    return { QStringLiteral("BVMemo1"), PlanPrintableKind::Memo, left, 21.17, 2.12, 4.50, 0, arial8,
        netplantexts::rulesNote };
}

PlanReportLayout makeNettoEntwicklung()
{
    PlanReportLayout layout;
    layout.definitionName = QStringLiteral("TNettoEntwicklung");
    layout.reportComponent = QStringLiteral("BVReport1");
    layout.reportTitle = QStringLiteral("Netto-Anlageentwicklung");
    layout.description = QStringLiteral("Wertentwicklung nach Kosten, Steuern und Inflation");
    layout.reportFont = reportFont;
    PlanBandLayout table { QStringLiteral("ChildBand1"), PlanBandKind::Child, netTableHeightMm, 189.97, nettoTable() };
    table.alignToBottom = false;
    PlanBandLayout note { QStringLiteral("ChildBand2"), PlanBandKind::Child, netNoteHeightMm, 189.97, { nettoNote() } };
    note.alignToBottom = false;
    layout.bands = {
        { QStringLiteral("DetailBand1"), PlanBandKind::Detail, netDetailHeightMm, 189.97, nettoDetail() },
        table,
        note,
        footerBand("BVLabel14", "BVLabel16", "ChildBand3"),
    };
    layout.filters = { excelFilter(), pdfFilter(), htmlFilter(), rtfFilter() };
    return layout;
}

}

const PlanPrintableLayout* PlanReportLayout::findPrintable(const QString& name) const
{
    for (const PlanBandLayout& band : bands) {
        for (const PlanPrintableLayout& printable : band.printables) {
            if (printable.name == name)
                return &printable;
        }
    }
    return nullptr;
}

const PlanReportLayout& qEntwicklungLayout()
{
    static const PlanReportLayout layout = makeEntwicklung();
    return layout;
}

const PlanReportLayout& tTilgungsplanLayout()
{
    static const PlanReportLayout layout = makeTilgungsplan();
    return layout;
}

const PlanReportLayout& tNettoEntwicklungLayout()
{
    static const PlanReportLayout layout = makeNettoEntwicklung();
    return layout;
}

QString makerFooterText() { return QStringLiteral("Der Fundorix  ist eine Software von  ") + plantexts::makerAddress; }
