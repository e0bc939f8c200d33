#include "plans/net_plan_command.h"

#include "plans/net_plan_texts.h"
#include "plans/net_year_table.h"
#include "plans/plan_definition.h"
#include "plans/plan_output.h"
#include "plans/plan_steps.h"
#include "plans/plan_texts.h"

using fundorix::calc::NetField;

NetPlanCommand::NetPlanCommand(
    PlanSource& source, PlanDefinition& tNettoEntwicklung, PlanOutput& output, QString currencySymbol)
    : m_source(source)
    , m_definition(tNettoEntwicklung)
    , m_output(output)
    , m_currency(std::move(currencySymbol))
{
}

PlanOutcome NetPlanCommand::NettoAnlageentwicklung1Click()
{
    return plansteps::runGuarded(m_source, [this] { return run(); });
}

PlanOutcome NetPlanCommand::run()
{
    const NetPlanView view = m_source.netView();
    plansteps::fillInputBlock(m_source, m_definition, m_currency);
    fillOptions(view);
    fillResults(view);
    fillYearTable(view);
    m_output.preview(m_definition);
    return PlanOutcome::Shown;
}

// The options as the page shows them, each with its unit.
void NetPlanCommand::fillOptions(const NetPlanView& view) const
{
    const auto field = [&view](NetField f) { return view.fields[static_cast<size_t>(f)]; };
    const QString values[] = {
        view.tax,
        plantexts::withCurrency(field(NetField::Freibetrag), m_currency),
        view.fund,
        field(NetField::Basiszins) + QStringLiteral(" %"),
        field(NetField::Fondskosten) + QStringLiteral(" % p.a."),
        field(NetField::Inflation) + QStringLiteral(" %"),
        field(NetField::Dynamik) + QStringLiteral(" %"),
    };
    for (size_t row = 0; row < netplantexts::optionRows.size(); ++row)
        m_definition.setCaption(QString::fromLatin1(netplantexts::optionRows[row].valueLabel), values[row]);
}

void NetPlanCommand::fillResults(const NetPlanView& view) const
{
    for (size_t row = 0; row < netplantexts::resultRows.size(); ++row) {
        const auto item = static_cast<fundorix::calc::NetItem>(row);
        m_definition.setCaption(QString::fromLatin1(netplantexts::resultRows[row].valueLabel),
            plantexts::withCurrency(QString::fromStdString(view.result.text(item)), m_currency));
    }
}

// One line per year in each column's memo; a net view that failed has no years.
void NetPlanCommand::fillYearTable(const NetPlanView& view) const
{
    for (const netplantexts::TableColumn& column : netplantexts::tableColumns)
        m_definition.clearLines(QString::fromLatin1(column.memo));
    for (const fundorix::calc::NetYear& year : view.result.years) {
        const QStringList cells = netyeartable::cells(year);
        for (size_t column = 0; column < netplantexts::tableColumns.size(); ++column)
            m_definition.addLine(
                QString::fromLatin1(netplantexts::tableColumns[column].memo), cells.at(static_cast<int>(column)));
    }
}
