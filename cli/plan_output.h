#pragma once

#include <QList>
#include <QPair>
#include <QString>

class FormModel;
class JsonObjectWriter;

using NamedText = QPair<QString, QString>;

// The texts the window shows for the current plan, in the tool's order:
// the five result labels, the hint of AnlageProzent, the hint of Sparen.
QList<NamedText> shownTexts(const FormModel& form);

void printNamedTexts(const QList<NamedText>& texts);

// Adds the shown texts (except those already in `skip`), the seven field
// texts as "inputs" and the chart's per-year values as "years".
void addPlanJson(JsonObjectWriter& json, const FormModel& form, const QStringList& skip = {});
