#include "fake_plan_source.h"

#include "calc/number_text.h"
#include "calc/target_search.h"

#include <stdexcept>

namespace calc = fundorix::calc;

FakePlanSource::FakePlanSource()
    : m_fields {
        { PlanField::AnlageSumme, QStringLiteral("10000") },
        { PlanField::Rendite, QStringLiteral("10") },
        { PlanField::ComboBox1, QStringLiteral("jährlich") },
        { PlanField::Sparen, QStringLiteral("50") },
        { PlanField::Edit1, QStringLiteral("0") },
        { PlanField::Jahre, QStringLiteral("10") },
        { PlanField::Dividente, QStringLiteral("1,5") },
    }
{
    recompute();
}

QString FakePlanSource::fieldText(PlanField field) const { return m_fields.at(field); }

void FakePlanSource::setFieldText(PlanField field, const QString& text)
{
    if (m_fields.at(field) == text)
        return;
    m_fields[field] = text;
    if (field == PlanField::Jahre) {
        const auto typed = calc::tryParseWholeNumber(text.toStdString());
        if (typed && *typed >= 1 && *typed <= 100)
            m_years = *typed;
    }
    recompute();
}

void FakePlanSource::setInputs(const std::map<PlanField, QString>& texts)
{
    for (const auto& [field, text] : texts)
        m_fields[field] = text;
    const auto typed = calc::tryParseWholeNumber(m_fields[PlanField::Jahre].toStdString());
    if (typed)
        m_years = *typed;
    recompute();
}

QString FakePlanSource::caption(PlanCaption caption) const
{
    const auto pinned = m_pinned.find(caption);
    return pinned != m_pinned.end() ? pinned->second : m_captions.at(caption);
}

QString FakePlanSource::gridCell(int row, int column) const
{
    return QString::fromStdString(m_grid.at(static_cast<size_t>(row)).at(static_cast<size_t>(column)));
}

void FakePlanSource::setGridCell(int row, int column, const QString& text)
{
    m_grid.at(static_cast<size_t>(row)).at(static_cast<size_t>(column)) = text.toStdString();
}

void FakePlanSource::setYears(int years)
{
    m_years = years;
    setFieldText(PlanField::Jahre, QString::number(years));
}

bool FakePlanSource::searchPayout()
{
    calc::SearchSetup setup;
    setup.operation = calc::SolverOperation::Payout;
    setup.anlageSumme = m_fields[PlanField::AnlageSumme].toStdString();
    setup.fieldText = m_fields[PlanField::Sparen].toStdString();
    setup.years = m_years;
    setup.depotwert = m_state.depotwert;
    const calc::SearchResult result = calc::searchTarget(setup, [this](const std::string& text) {
        setFieldText(PlanField::Sparen, QString::fromStdString(text));
        return m_state.depotwert;
    });
    setFieldText(PlanField::Sparen, QString::fromStdString(result.fieldText));
    if (result.sparenHint)
        m_sparenHint = QString::fromStdString(*result.sparenHint);
    if (result.bounded)
        messages << QString::fromUtf8(calc::kSearchBoundMessage);
    return !result.bounded;
}

QImage FakePlanSource::renderChart(const QSize& size) const
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::lightGray);
    return image;
}

calc::SimulationInputs FakePlanSource::simulationInputs() const
{
    calc::SimulationInputs inputs;
    inputs.anlageSumme = m_fields.at(PlanField::AnlageSumme).toStdString();
    inputs.rendite = m_fields.at(PlanField::Rendite).toStdString();
    inputs.comboBox1 = m_fields.at(PlanField::ComboBox1).toStdString();
    inputs.sparen = m_fields.at(PlanField::Sparen).toStdString();
    inputs.edit1 = m_fields.at(PlanField::Edit1).toStdString();
    inputs.dividente = m_fields.at(PlanField::Dividente).toStdString();
    inputs.years = m_years;
    return inputs;
}

NetPlanView FakePlanSource::netView() const
{
    return netPlanViewOf(netOptions, calc::computeNet(simulationInputs(), m_grid, netOptions));
}

void FakePlanSource::recompute()
{
    const calc::SimulationResult result = calc::simulate(simulationInputs(), m_grid, m_state);
    m_state = result.state;
    if (result.seriesCleared)
        m_yearValues = result.years;
    const auto apply = [](QString& target, const std::optional<std::string>& text) {
        if (text)
            target = QString::fromStdString(*text);
    };
    apply(m_captions[PlanCaption::AnlageWunsch], result.texts.anlageWunsch);
    apply(m_captions[PlanCaption::Kapitaleinsatz], result.texts.kapitaleinsatz);
    apply(m_captions[PlanCaption::DividenteWiederanlage], result.texts.dividenteWiederanlage);
    apply(m_captions[PlanCaption::ANLAGEGEWINN], result.texts.anlageGewinn);
    apply(m_captions[PlanCaption::AnlageProzent], result.texts.anlageProzent);
    apply(m_sparenHint, result.texts.sparenHint);
}

FakePlanDefinition::FakePlanDefinition(const PlanReportLayout& layout)
    : m_name(layout.definitionName)
    , m_layout(layout)
{
    for (const PlanBandLayout& band : layout.bands) {
        for (const PlanPrintableLayout& printable : band.printables) {
            if (printable.kind == PlanPrintableKind::Label)
                m_captions[printable.name] = printable.designText;
        }
    }
}

void FakePlanDefinition::require(const QString& name, PlanPrintableKind kind) const
{
    const PlanPrintableLayout* printable = m_layout.findPrintable(name);
    if (!printable || printable->kind != kind)
        throw std::out_of_range("no such printable: " + name.toStdString());
}

QString FakePlanDefinition::caption(const QString& label) const
{
    require(label, PlanPrintableKind::Label);
    return m_captions.value(label);
}

void FakePlanDefinition::setCaption(const QString& label, const QString& text)
{
    require(label, PlanPrintableKind::Label);
    m_captions[label] = text;
}

void FakePlanDefinition::clearLines(const QString& memo)
{
    require(memo, PlanPrintableKind::Memo);
    m_lines[memo].clear();
}

void FakePlanDefinition::addLine(const QString& memo, const QString& line)
{
    require(memo, PlanPrintableKind::Memo);
    if (beforeAddLine)
        beforeAddLine(line);
    m_lines[memo] << line;
}

int FakePlanDefinition::lineCount(const QString& memo) const
{
    require(memo, PlanPrintableKind::Memo);
    return m_lines.value(memo).size();
}

void FakePlanDefinition::setPicture(const QString& image, const QImage& picture)
{
    require(image, PlanPrintableKind::Image);
    m_pictures[image] = picture;
}

void RecordingOutput::preview(PlanDefinition& definition)
{
    auto& fake = dynamic_cast<FakePlanDefinition&>(definition);
    shots.push_back({ fake.name(), fake.captions(), fake.lines(QStringLiteral("BVMemo1")),
        fake.picture(QStringLiteral("BVImage1")).size() });
    if (onPreview)
        onPreview();
}
