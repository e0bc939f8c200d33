#include "calc/number_text.h"
#include "plans/plan_source.h"

namespace calc = fundorix::calc;

NetPlanView netPlanViewOf(const calc::NetOptions& options, calc::NetResult result)
{
    NetPlanView view;
    view.tax = QString::fromUtf8(calc::kNetTaxCaptions[static_cast<size_t>(options.tax)]);
    view.fund = QString::fromUtf8(calc::kFundTypeCaptions[static_cast<size_t>(options.fund)]);
    for (size_t field = 0; field < calc::netFieldCount; ++field)
        view.fields[field] = QString::fromStdString(
            calc::formatGeneral(calc::netFieldValue(options, static_cast<calc::NetField>(field))));
    view.result = std::move(result);
    return view;
}
