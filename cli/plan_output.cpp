#include "plan_output.h"

#include "form_model.h"
#include "form_session.h"
#include "json_writer.h"

#include <QStringList>

QList<NamedText> shownTexts(const FormModel& form)
{
    QList<NamedText> texts;
    for (ResultLabel label : allResultLabels)
        texts.append({ resultLabelName(label), form.resultText(label) });
    texts.append({ QStringLiteral("AnlageProzentHint"), form.resultHint(ResultLabel::AnlageProzent) });
    texts.append({ QStringLiteral("SparenHint"), form.fieldHint(Field::Sparen) });
    return texts;
}

void printNamedTexts(const QList<NamedText>& texts)
{
    for (const NamedText& text : texts)
        printLine(text.first + QLatin1Char('=') + text.second);
}

namespace {

QString inputsJson(const FormModel& form)
{
    JsonObjectWriter inputs;
    for (Field field : allFields)
        inputs.addString(fieldName(field), form.fieldText(field));
    return inputs.text();
}

QString yearsJson(const FormModel& form)
{
    QStringList years;
    int number = 0;
    const std::vector<double>& sumLine = form.sumLine();
    for (const fundorix::calc::YearValues& values : form.yearValues()) {
        JsonObjectWriter year;
        const std::size_t index = static_cast<std::size_t>(number);
        year.addInteger(QStringLiteral("year"), ++number);
        year.addNumber(QStringLiteral("Kapitaleinsatz"), values.kapitaleinsatz);
        year.addNumber(QStringLiteral("Rendite"), values.rendite);
        year.addNumber(QStringLiteral("Dividente"), values.dividente);
        year.addNumber(QStringLiteral("Sonderzahlung"), values.sonderzahlung);
        // What the chart's line shows at that year: after a run that failed in
        // the years that is the previous run's line, or no point at all (null).
        if (index < sumLine.size())
            year.addNumber(QStringLiteral("Wertentwicklung"), sumLine[index]);
        else
            year.addRaw(QStringLiteral("Wertentwicklung"), QStringLiteral("null"));
        years.append(year.text());
    }
    return QLatin1Char('[') + years.join(QLatin1Char(',')) + QLatin1Char(']');
}

}

void addPlanJson(JsonObjectWriter& json, const FormModel& form, const QStringList& skip)
{
    for (const NamedText& text : shownTexts(form)) {
        if (!skip.contains(text.first))
            json.addString(text.first, text.second);
    }
    json.addRaw(QStringLiteral("inputs"), inputsJson(form));
    json.addRaw(QStringLiteral("years"), yearsJson(form));
}
