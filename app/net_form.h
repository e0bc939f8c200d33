#pragma once

#include "calc/net_view.h"

#include <QObject>
#include <QString>
#include <array>
#include <optional>

class FormModel;

// The page "Netto" without widgets: the user's net options (two choices and
// five field texts) and the seven results. It follows the form model: after
// every recompute of the plan it computes the net view of the same inputs,
// and writes nothing the plan's recompute writes. Every change of an option
// recomputes the results at once. A field that does not parse, or a failed
// recompute of the plan, shows "0,00" in every result; the texts stay.
class NetForm : public QObject {
    Q_OBJECT
public:
    explicit NetForm(FormModel& form, QObject* parent = nullptr);

    fundorix::calc::NetTax tax() const { return m_tax; }
    void setTax(fundorix::calc::NetTax tax);
    fundorix::calc::FundType fund() const { return m_fund; }
    void setFund(fundorix::calc::FundType fund);
    QString fieldText(fundorix::calc::NetField field) const { return m_texts[static_cast<std::size_t>(field)]; }
    void setFieldText(fundorix::calc::NetField field, const QString& text);

    // The options the results are computed with; none while a field does not
    // parse or lies outside its range.
    std::optional<fundorix::calc::NetOptions> netOptions() const;

    const fundorix::calc::NetResult& result() const { return m_result; }
    QString resultText(fundorix::calc::NetItem item) const;

    void recompute();

signals:
    // An option changed (also when set by the program, e.g. from the store).
    void optionsChanged();
    void resultsChanged();

private:
    void optionChanged();

    FormModel& m_form;
    fundorix::calc::NetTax m_tax;
    fundorix::calc::FundType m_fund;
    std::array<QString, fundorix::calc::netFieldCount> m_texts;
    fundorix::calc::NetResult m_result;
};
