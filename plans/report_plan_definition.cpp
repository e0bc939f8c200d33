#include "plans/report_plan_definition.h"

#include "report/engine/image.h"
#include "report/engine/label.h"
#include "report/engine/memo.h"

#include <stdexcept>

namespace {

PageFont pageFont(const PlanFont& font)
{
    PageFont result;
    result.face = font.family;
    result.pointSize = font.pointSize;
    result.bold = font.bold;
    return result;
}

// Labels and memos of both forms: white, opaque, unframed, wrapping.
void styleText(TBVCustomLabel& text, const PlanPrintableLayout& layout)
{
    text.Color = Qt::white;
    text.Transparent = false;
    text.setWordWrap(true);
    text.setAutoSize(true);
    if (layout.font)
        text.setFont(pageFont(*layout.font));
    text.setAlignment(
        layout.alignment == PlanAlignment::Right ? TAlignment::taRightJustify : TAlignment::taLeftJustify);
}

void place(TBVPrintable& printable, const PlanPrintableLayout& layout)
{
    TBVPrintableSize& size = printable.Size();
    size.setValue(TBVPrintableSize::Left, layout.xMm);
    size.setValue(TBVPrintableSize::Top, layout.topMm);
    size.setValue(TBVPrintableSize::Height, layout.heightMm);
    size.setValue(TBVPrintableSize::Width, layout.widthMm);
}

}

ReportPlanDefinition::ReportPlanDefinition(const PlanReportLayout& layout)
    : m_layout(layout)
{
    setUpReport();
    // Each child band follows the band listed before it.
    TBVCustomBand* parent = nullptr;
    for (const PlanBandLayout& band : m_layout.bands)
        parent = &addBand(band, parent);
    for (const PlanFilterComponentLayout& filter : m_layout.filters)
        m_filters.push_back(std::make_unique<PlanFilterComponent>(filter));
}

ReportPlanDefinition::~ReportPlanDefinition() = default;

void ReportPlanDefinition::setUpReport()
{
    m_report.setUnits(TBVUnit::MM);
    TBVPage& page = m_report.Page();
    page.setPaperSize(TBVPaperSize::A4);
    page.setOrientation(TBVOrientation::Portrait);
    page.setColumns(1);
    for (TBVPage::Index margin :
        { TBVPage::TopMargin, TBVPage::BottomMargin, TBVPage::LeftMargin, TBVPage::RightMargin })
        page.setValue(margin, m_layout.marginMm);
    page.setValue(TBVPage::ColumnSpace, 0);
    m_report.setFont(pageFont(m_layout.reportFont));
    m_report.ReportTitle = m_layout.reportTitle;
    m_report.Description = m_layout.description.isEmpty() ? QStringList() : QStringList { m_layout.description };
    m_report.PrintIfEmpty = true;
    m_report.setZoom(100);
}

TBVCustomBand& ReportPlanDefinition::addBand(const PlanBandLayout& layout, TBVCustomBand* parent)
{
    TBVCustomBand& band = layout.kind == PlanBandKind::Child && parent
        ? static_cast<TBVCustomBand&>(m_report.addChildBand(*parent))
        : static_cast<TBVCustomBand&>(m_report.addBand(TBVBandType::rbDetail));
    band.Color = Qt::white;
    band.TransparentBand = false;
    band.AlignToBottom = layout.alignToBottom;
    band.Size().setValue(TBVBandSize::Height, layout.heightMm);
    band.Size().setValue(TBVBandSize::Width, layout.widthMm);
    for (const PlanPrintableLayout& printable : layout.printables)
        addPrintable(band, printable);
    m_report.arrangeBands();
    return band;
}

void ReportPlanDefinition::addPrintable(TBVCustomBand& band, const PlanPrintableLayout& layout)
{
    switch (layout.kind) {
    case PlanPrintableKind::Label: {
        auto& label = band.add<TBVLabel>(layout.name);
        styleText(label, layout);
        label.AutoStretch = false;
        label.ExportAs = TExportType::exptText;
        label.RepeatOnContinuation = layout.repeatOnContinuation;
        place(label, layout);
        // Sizing to the text keeps the left edge of a left-aligned label and
        // the right edge of a right-aligned one: both start at x.
        label.setCaption(layout.designText);
        m_printables[layout.name] = &label;
        break;
    }
    case PlanPrintableKind::Memo: {
        auto& memo = band.add<TBVMemo>(layout.name);
        styleText(memo, layout);
        // The extra-payments list grows its band and continues on further pages.
        memo.AutoStretch = true;
        place(memo, layout);
        if (!layout.designText.isEmpty())
            memo.setLines(layout.designText.split(QLatin1Char('\n')));
        m_printables[layout.name] = &memo;
        break;
    }
    case PlanPrintableKind::Image: {
        auto& image = band.add<TBVImage>(layout.name);
        place(image, layout);
        m_printables[layout.name] = &image;
        break;
    }
    }
}

TBVPrintable& ReportPlanDefinition::printable(const QString& name) const
{
    const auto found = m_printables.find(name);
    if (found == m_printables.end())
        throw std::out_of_range("no printable " + name.toStdString() + " in " + m_layout.definitionName.toStdString());
    return *found->second;
}

template <typename T> T& ReportPlanDefinition::element(const QString& name) const
{
    auto* typed = dynamic_cast<T*>(&printable(name));
    if (!typed)
        throw std::out_of_range("printable " + name.toStdString() + " is of another kind");
    return *typed;
}

QString ReportPlanDefinition::caption(const QString& label) const { return element<TBVLabel>(label).Caption(); }

void ReportPlanDefinition::setCaption(const QString& label, const QString& text)
{
    element<TBVLabel>(label).setCaption(text);
}

void ReportPlanDefinition::clearLines(const QString& memo) { element<TBVMemo>(memo).clearLines(); }

void ReportPlanDefinition::addLine(const QString& memo, const QString& line) { element<TBVMemo>(memo).addLine(line); }

int ReportPlanDefinition::lineCount(const QString& memo) const
{
    return static_cast<int>(element<TBVMemo>(memo).Lines().size());
}

void ReportPlanDefinition::setPicture(const QString& image, const QImage& picture)
{
    element<TBVImage>(image).setPicture(picture);
}

TQEntwicklung::TQEntwicklung()
    : ReportPlanDefinition(qEntwicklungLayout())
{
}

TTilgungsplan::TTilgungsplan()
    : ReportPlanDefinition(tTilgungsplanLayout())
{
}

TNettoEntwicklung::TNettoEntwicklung()
    : ReportPlanDefinition(tNettoEntwicklungLayout())
{
}
