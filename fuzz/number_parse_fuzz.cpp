// libFuzzer target for the number parser (issue item 7): any text, as typed
// into a field, a grid cell or the search's input box, must either parse or
// raise the conversion error; what parses must survive the number texts; and
// the simulation must take the text in any field or cell without crashing.
#include "calc/number_text.h"
#include "calc/simulation.h"
#include "calc/target_search.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

using namespace fundorix::calc;

namespace {

[[noreturn]] void fail(const char* what)
{
    __builtin_trap();
    (void)what;
}

void checkTexts(long double v)
{
    const std::string general = formatGeneral(v);
    const auto back = tryParseDecimal(general);
    if (!back)
        fail("formatGeneral gives a text that does not parse");
    if (formatGeneral(*back) != general)
        fail("formatGeneral is not stable under parsing");
    formatFixed2(v);
    try {
        const std::string amount = formatAmount(v);
        if (!tryParseDecimal(amount))
            fail("formatAmount gives a text that does not parse");
        formatGeneralCents(v);
    } catch (const ArithmeticError&) {
        // too large to round to cents: the recompute's failure, not a crash
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);

    const auto parsed = tryParseDecimal(text);
    try {
        const long double v = parseDecimal(text);
        if (!parsed || !(*parsed == v || (std::isnan(v) && std::isnan(*parsed))))
            fail("parseDecimal and tryParseDecimal disagree");
        if (!std::isfinite(v))
            fail("a parsed value is not finite");
        checkTexts(v);
        try {
            checkTexts(storeDouble(v));
        } catch (const ArithmeticError&) {
        }
    } catch (const ConversionError& e) {
        if (parsed)
            fail("parseDecimal and tryParseDecimal disagree");
        if (e.text() != text)
            fail("the conversion error does not name the text");
    }

    const auto whole = tryParseWholeNumber(text);
    try {
        const std::int32_t w = parseWholeNumber(text);
        if (!whole || *whole != w)
            fail("parseWholeNumber and tryParseWholeNumber disagree");
    } catch (const IntegerConversionError&) {
        if (whole)
            fail("parseWholeNumber and tryParseWholeNumber disagree");
    }

    try {
        parseTargetText(text);
    } catch (const ConversionError&) {
    } catch (const ArithmeticError&) {
    }

    // The text in every field of a short plan and in a grid column.
    const std::size_t which = size % 7;
    SimulationInputs in;
    in.years = 3;
    std::string* fields[] = { &in.anlageSumme, &in.rendite, &in.comboBox1, &in.sparen, &in.edit1, &in.dividente };
    static GridCells grid {}; // large: kept between runs, only columns 1 and 2 are used
    for (auto& row : grid) {
        row[1].clear();
        row[2].clear();
    }
    if (which < 6) {
        *fields[which] = text;
    } else {
        grid[0][1] = "2";
        grid[1][1] = text;
        grid[2][1] = text;
        grid[0][2] = text;
    }
    const SimulationResult r = simulate(in, grid);
    if (!r.ok && (r.texts.anlageWunsch != "0,00" || r.texts.kapitaleinsatz != "0,00"))
        fail("a failed run must show 0,00");
    return 0;
}
