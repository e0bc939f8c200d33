#include "form_model.h"

#include "form_services.h"
#include "number_conventions.h"
#include "year_series_listener.h"

#include <algorithm>
#include <exception>

namespace calc = fundorix::calc;

namespace {

// The fields the recompute corrects and parses as numbers, in its order.
constexpr std::array<Field, 5> numberFields { Field::AnlageSumme, Field::Rendite, Field::Sparen, Field::Edit1,
    Field::Dividente };

void assignIfSet(QString& target, const std::optional<std::string>& text)
{
    if (text)
        target = QString::fromStdString(*text);
}

}

FormModel::FormModel(FormServices& services, QObject* parent)
    : QObject(parent)
    , m_services(services)
{
    for (Field f : allFields) {
        m_fields[static_cast<int>(f)] = defaultFieldText(f);
        m_fieldHints[static_cast<int>(f)] = initialFieldHint(f);
    }
    for (ResultLabel l : allResultLabels) {
        m_results[static_cast<int>(l)] = initialResultText(l);
        m_resultHints[static_cast<int>(l)] = initialResultHint(l);
    }
}

FormModel::~FormModel() = default;

QString FormModel::fieldText(Field field) const { return m_fields[static_cast<int>(field)]; }

void FormModel::setFieldText(Field field, const QString& text)
{
    QString& current = m_fields[static_cast<int>(field)];
    if (current == text)
        return;
    current = text;
    // Valid typing in Jahre moves the attached years spinner; any other text
    // leaves the previous number of years in force.
    if (field == Field::Jahre) {
        const std::optional<int> typed = parseWholeNumber(text);
        if (typed && *typed >= minYears && *typed <= maxYears && *typed != m_years) {
            m_years = *typed;
            emit yearsChanged(m_years);
        }
    }
    emit fieldTextChanged(field, text);
    recompute();
}

QString FormModel::fieldHint(Field field) const { return m_fieldHints[static_cast<int>(field)]; }

void FormModel::setSparenHint(const QString& hint)
{
    m_fieldHints[static_cast<int>(Field::Sparen)] = hint;
    emit resultsChanged();
}

QString FormModel::resultText(ResultLabel label) const { return m_results[static_cast<int>(label)]; }

QString FormModel::resultHint(ResultLabel label) const { return m_resultHints[static_cast<int>(label)]; }

QString FormModel::gridCell(int row, int column) const { return m_grid.cell(row, column); }

void FormModel::setGridCell(int row, int column, const QString& text)
{
    if (!ExtraGrid::contains(row, column) || m_grid.cell(row, column) == text)
        return;
    m_grid.setCell(row, column, text);
    emit gridCellChanged(row, column);
}

void FormModel::setYears(int years)
{
    years = std::clamp(years, minYears, maxYears);
    if (years != m_years) {
        m_years = years;
        emit yearsChanged(m_years);
    }
    setFieldText(Field::Jahre, formatGeneral(years));
}

void FormModel::stepYears(bool up)
{
    const int next = m_years + (up ? 1 : -1);
    if (next >= minYears && next <= maxYears)
        setYears(next);
}

void FormModel::clickSpinner(Spinner spinner, bool up)
{
    const SpinnerRule& rule = spinnerRule(spinner);
    int& counter = m_counters[static_cast<int>(spinner)];
    const int next = counter + (up ? rule.counterIncrement : -rule.counterIncrement);
    if (next < rule.counterMin || next > rule.counterMax)
        return;
    QString text;
    try {
        const long double value = parseDecimal(fieldText(rule.field));
        const long double step = rule.fieldStep;
        text = formatGeneral(up ? value + step : value - step);
    } catch (const std::exception& e) {
        m_services.showError(QString::fromStdString(e.what()));
        return;
    }
    counter = next;
    setFieldText(rule.field, text);
}

void FormModel::correctNumberFields()
{
    for (Field f : numberFields) {
        if (fieldText(f).isEmpty())
            setFieldText(f, QStringLiteral("0"));
    }
    // Every point becomes a comma in one write: the same outcome as one point
    // per nested write, without a nesting as deep as the text is long.
    for (Field f : numberFields) {
        const QString text = fieldText(f);
        if (text.contains(QLatin1Char('.')))
            setFieldText(f, QString(text).replace(QLatin1Char('.'), QLatin1Char(',')));
    }
}

calc::SimulationInputs FormModel::simulationInputs() const
{
    calc::SimulationInputs inputs;
    inputs.anlageSumme = fieldText(Field::AnlageSumme).toStdString();
    inputs.rendite = fieldText(Field::Rendite).toStdString();
    inputs.comboBox1 = fieldText(Field::ComboBox1).toStdString();
    inputs.sparen = fieldText(Field::Sparen).toStdString();
    inputs.edit1 = fieldText(Field::Edit1).toStdString();
    inputs.dividente = fieldText(Field::Dividente).toStdString();
    inputs.years = m_years;
    return inputs;
}

void FormModel::recompute()
{
    correctNumberFields();
    applyResult(calc::simulate(simulationInputs(), m_grid.cells(), m_state));
}

void FormModel::applyResult(const calc::SimulationResult& result)
{
    m_state = result.state;
    m_lastRecomputeOk = result.ok;
    if (result.seriesCleared)
        m_yearValues = result.years;
    if (result.sumLineRecomputed) {
        m_sumLine.clear();
        for (const calc::YearValues& year : result.years)
            m_sumLine.push_back(year.wertentwicklung);
    }
    const calc::ResultTexts& t = result.texts;
    assignIfSet(m_results[static_cast<int>(ResultLabel::AnlageWunsch)], t.anlageWunsch);
    assignIfSet(m_results[static_cast<int>(ResultLabel::Kapitaleinsatz)], t.kapitaleinsatz);
    assignIfSet(m_results[static_cast<int>(ResultLabel::DividenteWiederanlage)], t.dividenteWiederanlage);
    assignIfSet(m_results[static_cast<int>(ResultLabel::ANLAGEGEWINN)], t.anlageGewinn);
    assignIfSet(m_results[static_cast<int>(ResultLabel::AnlageProzent)], t.anlageProzent);
    assignIfSet(m_resultHints[static_cast<int>(ResultLabel::AnlageProzent)], t.anlageProzentHint);
    assignIfSet(m_fieldHints[static_cast<int>(Field::Sparen)], t.sparenHint);
    notifyListener(result);
    emit resultsChanged();
}

void FormModel::notifyListener(const calc::SimulationResult& result)
{
    if (!m_listener || !result.seriesCleared)
        return;
    m_listener->seriesCleared();
    for (const calc::YearValues& year : result.years)
        m_listener->yearAppended(year);
    if (result.sumLineRecomputed)
        m_listener->sumLineRecomputed();
}
