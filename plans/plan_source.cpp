#include "plans/plan_source.h"

#include "calc/target_search.h"

namespace {

// The busy cursor for the whole search, also when it ends by a failure.
class BusyScope {
public:
    explicit BusyScope(PlanSource& source)
        : m_source(source)
    {
        m_source.setBusy(true);
    }
    ~BusyScope() { m_source.setBusy(false); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    PlanSource& m_source;
};

}

bool PlanSource::searchPayout()
{
    namespace calc = fundorix::calc;
    BusyScope busy(*this);
    calc::SearchSetup setup;
    setup.operation = calc::SolverOperation::Payout;
    setup.target = 0;
    setup.anlageSumme = fieldText(PlanField::AnlageSumme).toStdString();
    setup.fieldText = fieldText(PlanField::Sparen).toStdString();
    setup.years = years();
    setup.depotwert = depotwert();
    const calc::SearchResult result = calc::searchTarget(setup, [this](const std::string& text) {
        setFieldText(PlanField::Sparen, QString::fromStdString(text));
        return depotwert();
    });
    setFieldText(PlanField::Sparen, QString::fromStdString(result.fieldText));
    // After the write: its recompute sets the hint to its own text.
    if (result.sparenHint)
        setSparenHint(QString::fromStdString(*result.sparenHint));
    if (result.bounded) {
        showMessage(QString::fromUtf8(calc::kSearchBoundMessage));
        return false;
    }
    return true;
}
