#include "net_form.h"

#include "form_model.h"

using namespace fundorix::calc;

NetForm::NetForm(FormModel& form, QObject* parent)
    : QObject(parent)
    , m_form(form)
    , m_tax(NetOptions {}.tax)
    , m_fund(NetOptions {}.fund)
{
    for (std::size_t i = 0; i < netFieldCount; ++i)
        m_texts[i] = QString::fromUtf8(netFieldInfo(static_cast<NetField>(i)).defaultText);
    connect(&m_form, &FormModel::resultsChanged, this, &NetForm::recompute);
    recompute();
}

void NetForm::setTax(NetTax tax)
{
    if (tax == m_tax)
        return;
    m_tax = tax;
    optionChanged();
}

void NetForm::setFund(FundType fund)
{
    if (fund == m_fund)
        return;
    m_fund = fund;
    optionChanged();
}

void NetForm::setFieldText(NetField field, const QString& text)
{
    QString& current = m_texts[static_cast<std::size_t>(field)];
    if (current == text)
        return;
    current = text;
    optionChanged();
}

std::optional<NetOptions> NetForm::netOptions() const
{
    NetOptions options;
    options.tax = m_tax;
    options.fund = m_fund;
    for (std::size_t i = 0; i < netFieldCount; ++i) {
        const auto field = static_cast<NetField>(i);
        const std::optional<double> value = parseNetField(field, m_texts[i].toStdString());
        if (!value)
            return std::nullopt;
        setNetFieldValue(options, field, *value);
    }
    return options;
}

QString NetForm::resultText(NetItem item) const { return QString::fromStdString(m_result.text(item)); }

void NetForm::recompute()
{
    const std::optional<NetOptions> options = netOptions();
    m_result = options
        ? computeNet(m_form.simulationInputs(), m_form.grid().cells(), *options, m_form.lastRecomputeOk())
        : failedNet();
    emit resultsChanged();
}

void NetForm::optionChanged()
{
    emit optionsChanged();
    recompute();
}
