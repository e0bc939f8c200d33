#include "plans/plan_layout.h"

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

PlanBandLayout footerBand(const char* addressLabel, const char* disclaimerLabel)
{
    return { QStringLiteral("ChildBand1"), PlanBandKind::Child, footerHeightMm, 189.97,
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

std::vector<PlanPrintableLayout> entwicklungDetail()
{
    const std::nullopt_t inherit = std::nullopt;
    const QString heading = QStringLiteral("Entwicklung Ihre Anlage bei folgenden Vorgaben:");
    return {
        label("BVLabel1", left, 19.05, 2.12, 6.09, arial14, heading),
        label("BVLabel12", left, 19.05, 2.12, 6.09, arial14, heading),
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

QString makerFooterText() { return QStringLiteral("Der Fundorix  ist eine Software von  ") + plantexts::makerAddress; }
