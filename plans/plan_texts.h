#pragma once

#include <QString>
#include <array>

// The fixed texts the print commands put into the report definitions, and
// the small text builders around them.
namespace plantexts {

inline const QString noExtraPayments = QStringLiteral("keine");
inline const QString makerAddress = QStringLiteral("https://www.wendlich.example");

inline const QString savingsCheckMessage = QStringLiteral("In Ansparphase sollte die Rate positiv sein!");
inline const QString payoutCheckMessage
    = QStringLiteral("Die mtl.Rate oder jährliche Anlage sollte negativ sein, da dies für Auszahlung steht!");

// A label of a report definition and the text a command gives it.
struct LabelText {
    QString label;
    QString text;
};
using HeadingTexts = std::array<LabelText, 6>;

// The headings of TTilgungsplan that the loan plan and the payout plan word
// differently, each in the order its command sets them.
const HeadingTexts& loanHeadings();
const HeadingTexts& payoutHeadings();

// The line of one extra payment in the memo. A month of fewer than two
// characters gets two more blanks, so that one- and two-digit months end in
// the same column.
QString extraPaymentLine(const QString& year, const QString& month, const QString& amount, const QString& currency);

// The currency symbol of the regional settings. Without regional settings
// (the C or POSIX locale of containers and minimal systems) the system has
// none, and every amount would end in a bare blank: this German program then
// takes the euro, as its German number conventions would.
QString reportCurrencySymbol(const QString& systemSymbol);

// A money text as the reports print it: the text, a blank, the currency symbol.
QString withCurrency(const QString& text, const QString& currency);

QString repaidShareSentence(const QString& share);
QString interestShareSentence(const QString& yearsText, const QString& share);

}
