#include "plans/plan_steps.h"

#include "plans/plan_definition.h"
#include "plans/plan_texts.h"

namespace plansteps {

// Copied unconverted: the report shows what the user typed.
void fillInputBlock(const PlanSource& source, PlanDefinition& definition, const QString& currency)
{
    definition.setCaption(
        QStringLiteral("QAnlagesumme"), plantexts::withCurrency(source.fieldText(PlanField::AnlageSumme), currency));
    definition.setCaption(
        QStringLiteral("QSparen"), plantexts::withCurrency(source.fieldText(PlanField::Sparen), currency));
    definition.setCaption(
        QStringLiteral("QJSparen"), plantexts::withCurrency(source.fieldText(PlanField::Edit1), currency));
    definition.setCaption(QStringLiteral("QRendite"), source.fieldText(PlanField::Rendite) + QStringLiteral(" %"));
    definition.setCaption(QStringLiteral("QVerrechnung"), source.fieldText(PlanField::ComboBox1));
    definition.setCaption(QStringLiteral("QDividente"), source.fieldText(PlanField::Dividente) + QStringLiteral(" %"));
    definition.setCaption(QStringLiteral("QJahre"), source.fieldText(PlanField::Jahre) + QStringLiteral(" Jahre"));
}

}
