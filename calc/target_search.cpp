#include "calc/target_search.h"

#include "calc/number_text.h"
#include "calc/number_text_p.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

namespace fundorix::calc {

namespace {

    using Extended = long double;
    using Int = __int128;

    // Everything the next iteration of the loop depends on. When it repeats
    // from one trial to the next, every later trial writes the same text into
    // the field (which runs nothing), so the depot value can never change:
    // the search is provably stuck and ends at once instead of at the bound.
    struct LoopState {
        double x;
        double step;
        double prev1;
        double prev2;
        double depotwert;
        bool operator==(const LoopState& o) const
        {
            return x == o.x && step == o.step && prev1 == o.prev1 && prev2 == o.prev2 && depotwert == o.depotwert;
        }
    };

    Int powerOfTen(int k)
    {
        Int p = 1;
        for (int i = 0; i < k; ++i)
            p *= 10;
        return p;
    }

    Int absolute(Int v) { return v < 0 ? -v : v; }

    // No walk is longer: trial values keep at most 15 significant digits.
    constexpr std::int64_t kLongestWalk = 1000000000000000;

    // ------------------------------------------------------------------
    // Fast-forward of the Sparen searches.
    //
    // While the step keeps its value s = ±10^j, the trial values are
    // x_i = x_0 + i·s exactly in decimal, as long as the general format of
    // the extended sum x_{i-1} + s is that decimal (checked by an error bound
    // below). With a rate and a dividend that are not negative, every
    // operation of the simulation is non-decreasing in the monthly amount,
    // and so is Depotwert (rounding to nearest is monotone). Then, walking
    // up, nothing happens until the first trial whose depot value reaches
    // the target's cent (or passes it, which reverses the step); walking
    // down likewise. That trial is found by bisection over simulate() runs.
    //
    // The trials before it are not written: the first written trial after
    // them must be a run that writes every label, hint and chart point, so
    // that the form then shows exactly what it would have shown.

    struct Decimal {
        Int coefficient = 0;
        int exponent = 0; // value = coefficient · 10^exponent
    };

    // The decimal a text of the general format stands for, fixed form only
    // ("-8617585,42", "0,0001").
    bool decimalOfText(const std::string& t, Decimal& d)
    {
        std::size_t i = 0;
        bool negative = false;
        if (i < t.size() && t[i] == '-') {
            negative = true;
            ++i;
        }
        Int c = 0;
        int significant = 0;
        int fraction = 0;
        bool comma = false;
        bool any = false;
        for (; i < t.size(); ++i) {
            const char ch = t[i];
            if (ch == ',' && !comma) {
                comma = true;
                continue;
            }
            if (ch < '0' || ch > '9')
                return false;
            any = true;
            c = c * 10 + (ch - '0');
            if (c != 0 && ++significant > 15)
                return false;
            if (comma)
                ++fraction;
        }
        if (!any)
            return false;
        d.coefficient = negative ? -c : c;
        d.exponent = -fraction;
        return true;
    }

    // The trial values y_i = y_0 + i·step as coefficients at 10^exponent.
    struct Walk {
        Int base = 0;
        Int increment = 0;
        int exponent = 0;
        Extended stepError = 0; // |step − ±10^j|

        Int coefficient(std::int64_t i) const { return base + increment * i; }

        std::string text(std::int64_t i) const
        {
            const Int c = coefficient(i);
            const Int mag = absolute(c);
            return detail::generalTextOfDecimal(c < 0, static_cast<std::uint64_t>(mag), exponent);
        }

        // All of y_1 .. y_k are written by the general format as the exact
        // decimal: at most 15 digits, fixed form, one sign, and the error of
        // the extended sum x_{i-1} + step (x_{i-1}: the double of y_{i-1},
        // within 1.2e-16 relative; the sum's own rounding) below 0.4 units of
        // the 15th digit of y_i (which is at least |y_i| · 1e-15).
        bool valid(std::int64_t k) const
        {
            const Int c0 = coefficient(0);
            const Int c1 = coefficient(1);
            const Int ck = coefficient(k);
            if (c1 == 0 || ck == 0 || (c1 > 0) != (ck > 0))
                return false;
            static const Int kLimit = powerOfTen(15);
            if (absolute(c1) >= kLimit || absolute(ck) >= kLimit)
                return false;
            const Extended scale = std::pow(10.0L, exponent);
            const Extended a0 = static_cast<Extended>(absolute(c0)) * scale;
            const Extended a1 = static_cast<Extended>(absolute(c1)) * scale;
            const Extended ak = static_cast<Extended>(absolute(ck)) * scale;
            const Extended lowest = std::min(a1, ak);
            const Extended highest = std::max(a1, ak);
            if (lowest < 1.0001e-4L || highest >= 0.9999e15L)
                return false;
            const Extended largest = std::max(a0, highest);
            return 1.2e-16L * largest + stepError + 1e-19L * largest < 0.4e-15L * lowest;
        }
    };

    bool makeWalk(const std::string& lastText, double step, Walk& w)
    {
        Decimal d;
        if (!decimalOfText(lastText, d))
            return false;
        const Extended a = std::fabs(Extended(step));
        if (!(a > 0))
            return false;
        const int j = static_cast<int>(std::lround(std::log10(static_cast<double>(a))));
        if (j < -20 || j > 20)
            return false;
        const Extended p = std::pow(10.0L, j);
        w.stepError = std::fabs(a - p) + p * 1e-18L;
        if (w.stepError > p * 1e-14L)
            return false;
        const int m = std::min(d.exponent, j);
        w.exponent = m;
        w.base = d.coefficient * powerOfTen(d.exponent - m);
        w.increment = powerOfTen(j - m) * (step < 0 ? -1 : 1);
        return true;
    }

    struct Probe {
        double x = 0;
        double depotwert = 0;
        bool clean = false; // completed the years with no overflow, far from the limits, rate and dividend >= 0
        bool complete = false; // writes every label, hint and chart point
    };

    class FastForward {
    public:
        FastForward(const SearchSetup& setup)
            : m_inputs(*setup.inputs)
            , m_grid(*setup.grid)
        {
        }

        // Evaluates trial i of the walk without writing it; `evaluated` tells
        // whether that took a simulation or came from the cache.
        const Probe& probe(const Walk& w, std::int64_t i, bool& evaluated)
        {
            auto it = m_cache.find(i);
            evaluated = it == m_cache.end();
            if (!evaluated)
                return it->second;
            Probe p;
            m_inputs.sparen = w.text(i);
            p.x = storeDouble(parseDecimal(m_inputs.sparen));
            const SimulationResult r = simulate(m_inputs, m_grid);
            const SimulationState& s = r.state;
            p.depotwert = s.depotwert;
            const bool throughYears
                = r.ok || r.failedStep == FailureStep::ResultLabels || r.failedStep == FailureStep::SparenHint;
            constexpr double kFar = 1e15;
            p.clean = throughYears && !r.years.empty() && s.zinssatz >= 0 && s.dividendensatz >= 0
                && std::fabs(s.depotwert) < kFar && std::fabs(s.kapitalsumme) < kFar
                && std::fabs(s.dividendensumme) < kFar;
            p.complete = r.ok && !r.years.empty() && s.kapitalsumme != 0;
            return m_cache.emplace(i, p).first->second;
        }

        void reset() { m_cache.clear(); }

    private:
        SimulationInputs m_inputs;
        const GridCells& m_grid;
        std::map<std::int64_t, Probe> m_cache;
    };

} // namespace

std::optional<double> parseTargetText(std::string text)
{
    text = replaceFirstPoint(std::move(text));
    if (text.empty())
        return std::nullopt;
    return storeDouble(parseDecimal(text));
}

SearchResult searchTarget(const SearchSetup& setup, const TrialFunction& trial, const SearchLimits& limits)
{
    const bool searchesSparen = setup.operation != SolverOperation::Rate;
    const double target = setup.target;

    // 3. Set up (the texts parse here or the operation ends before any trial).
    double x = 0;
    double step = 0;
    double current = 0; // the searched field's value: x when no trial is made
    const int n = static_cast<std::int16_t>(setup.years);
    if (searchesSparen) {
        const Extended a = parseDecimal(setup.anlageSumme);
        current = storeDouble(parseDecimal(setup.fieldText));
        const Extended diff = Extended(target) - a;
        if (n == 0)
            throw ArithmeticError(
                diff == 0 ? ArithmeticError::Kind::InvalidOperation : ArithmeticError::Kind::ZeroDivide);
        x = storeDouble(diff / n);
        step = 1000;
    } else {
        current = storeDouble(parseDecimal(setup.fieldText));
        x = current;
        step = 0.1;
    }
    double prev1 = target;
    double prev2 = target;
    double depotwert = setup.depotwert;

    SearchResult result;
    const std::int64_t targetCents = roundHalfEven(Extended(target) * 100);
    const std::int64_t simulationWork = std::max(n, 1); // one recompute or one evaluation

    const double kNaN = std::numeric_limits<double>::quiet_NaN();
    LoopState last { kNaN, step, prev1, prev2, depotwert };

    std::optional<FastForward> fast;
    if (searchesSparen && setup.inputs && setup.grid && n >= 1)
        fast.emplace(setup);
    std::string lastText;
    std::int64_t sameStepTrials = 0; // trials in a row made with the current step
    std::int64_t nextFastAttempt = 0;

    // Tries to skip the trials of a steady stretch; on success the loop goes
    // on with the first trial that has to be written.
    auto fastForward = [&]() -> bool {
        Walk w;
        if (!makeWalk(lastText, step, w))
            return false;
        const bool up = step > 0;
        const std::int64_t cents = roundHalfEven(Extended(depotwert) * 100);
        if (up ? cents >= targetCents : cents <= targetCents)
            return false; // walking away from the target: the next trial reverses
        if (absolute(w.increment) >= kLongestWalk || !w.valid(1))
            return false;
        std::int64_t lo = 1, hi = kLongestWalk;
        while (lo < hi) { // the longest valid walk
            const std::int64_t mid = lo + (hi - lo + 1) / 2;
            if (w.valid(mid))
                lo = mid;
            else
                hi = mid - 1;
        }
        const std::int64_t walkLength = lo;
        if (walkLength < 4)
            return false;

        fast->reset();
        auto probe = [&](std::int64_t i) -> const Probe& {
            bool evaluated = false;
            const Probe& p = fast->probe(w, i, evaluated);
            if (evaluated)
                result.work += simulationWork;
            return p;
        };
        auto event = [&](std::int64_t i) {
            const std::int64_t c = roundHalfEven(Extended(probe(i).depotwert) * 100);
            return up ? c >= targetCents : c <= targetCents;
        };
        if (!probe(1).clean)
            return false; // one evaluation tells that the stretch cannot be skipped
        // Gallop, then bisect: first event index in (noEvent, withEvent].
        std::int64_t noEvent = 0;
        std::int64_t withEvent = 0;
        for (std::int64_t i = 1;; i = std::min(i * 2, walkLength)) {
            if (event(i)) {
                withEvent = i;
                break;
            }
            noEvent = i;
            if (i == walkLength)
                break;
        }
        if (withEvent != 0) {
            while (withEvent - noEvent > 1) {
                const std::int64_t mid = noEvent + (withEvent - noEvent) / 2;
                if (event(mid))
                    withEvent = mid;
                else
                    noEvent = mid;
            }
        }
        // Trials 1 .. noEvent reach nothing (monotone between clean ends).
        if (noEvent < 2 || !probe(noEvent).clean)
            return false;
        // The first skipped trial continues the stretch already written
        // (its depot value lies on the same side of the last two values).
        const double d1 = probe(1).depotwert;
        if (up ? !(depotwert >= prev1 && d1 >= depotwert) : !(depotwert <= prev1 && d1 <= depotwert))
            return false;
        // The first trial to write: the event trial, else the one before it.
        std::int64_t first = withEvent != 0 ? withEvent : noEvent;
        if (!probe(first).complete) {
            --first;
            if (first < 2 || !probe(first).complete)
                return false;
        }
        const std::int64_t skipped = first - 1;

        const Probe& lastSkipped = probe(skipped);

        // The loop state before the first written trial.
        x = lastSkipped.x;
        prev1 = skipped >= 2 ? probe(skipped - 1).depotwert : depotwert;
        depotwert = lastSkipped.depotwert;
        lastText = w.text(skipped);
        result.trials += skipped;
        sameStepTrials += skipped;
        last = LoopState { kNaN, step, prev1, prev2, depotwert };
        return true;
    };

    // 4.
    while (roundHalfEven(Extended(depotwert) * 100) != targetCents) {
        if (result.work >= limits.maxWork) {
            result.bounded = true;
            break;
        }
        if (fast && sameStepTrials >= 2 && result.trials >= nextFastAttempt) {
            if (!fastForward())
                nextFastAttempt = result.trials + 32;
            // else: this iteration writes the first trial after the skipped ones
        }
        prev2 = prev1;
        prev1 = depotwert;
        lastText = formatGeneral(Extended(x) + step);
        depotwert = trial(lastText);
        ++result.trials;
        result.work += simulationWork;
        x = storeDouble(parseDecimal(lastText)); // the field's text read back
        const double d = depotwert;
        if ((d < prev2 && d < prev1 && d < target) || (d > prev2 && d > prev1 && d > target)) {
            step = storeDouble(-Extended(step) / 10);
            sameStepTrials = 0;
        } else {
            ++sameStepTrials;
        }

        const LoopState now { x, step, prev1, prev2, depotwert };
        if (now == last && roundHalfEven(Extended(depotwert) * 100) != targetCents) {
            result.bounded = true;
            break;
        }
        last = now;
    }

    // 5. A search that gives up hands back the text the field had before it.
    if (result.bounded) {
        result.x = current;
        result.fieldText = setup.fieldText;
        return result;
    }
    result.x = result.trials == 0 ? current : x;
    result.fieldText = formatGeneralCents(result.x);
    if (searchesSparen)
        result.sparenHint = formatGeneralCents(Extended(result.x) * 12) + kSparenHintSuffix;
    return result;
}

} // namespace fundorix::calc
