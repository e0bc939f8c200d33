#include "plans/plan_texts.h"

namespace plantexts {

const HeadingTexts& loanHeadings()
{
    static const HeadingTexts headings { {
        { QStringLiteral("BVLabel12"), QStringLiteral("Entwicklung Ihre Restschuld bei folgenden Vorgaben:") },
        { QStringLiteral("BVLabel2"), QStringLiteral("Anfangsschuld (Kreditsumme):") },
        { QStringLiteral("BVLabel11"), QStringLiteral("Sondertilgungen:") },
        { QStringLiteral("BVLabel4"), QStringLiteral("Daten Ihres Kredites zum Ende der Berechnung") },
        // Without the two trailing blanks of the design text.
        { QStringLiteral("BVLabel7"), QStringLiteral("Restschuld am Ende des Berechnungszeitraums:") },
        { QStringLiteral("BVLabel14"), QStringLiteral("Schuldtilgung:") },
    } };
    return headings;
}

const HeadingTexts& payoutHeadings()
{
    static const HeadingTexts headings { {
        { QStringLiteral("BVLabel12"), QStringLiteral("Entwicklung Ihres Kapitals in der Auszahlungsphase:") },
        { QStringLiteral("BVLabel11"), QStringLiteral("Sonderzahlungen:") },
        { QStringLiteral("BVLabel2"), QStringLiteral("Anfangskapital:") },
        { QStringLiteral("BVLabel4"), QStringLiteral("Stand Ihres Anlagekapital zum Ende der Berechnung") },
        { QStringLiteral("BVLabel7"), QStringLiteral("Restkapital am Ende des Berechnungszeitraums:") },
        { QStringLiteral("BVLabel14"), QStringLiteral("Kapitalverzehr:") },
    } };
    return headings;
}

QString extraPaymentLine(const QString& year, const QString& month, const QString& amount, const QString& currency)
{
    const QString yearPart = month.size() < 2 ? QStringLiteral(". Jahr   ") : QStringLiteral(". Jahr ");
    return year + yearPart + month + QStringLiteral(". Monat     ") + withCurrency(amount, currency);
}

QString reportCurrencySymbol(const QString& systemSymbol)
{
    return systemSymbol.isEmpty() ? QStringLiteral("€") : systemSymbol;
}

QString withCurrency(const QString& text, const QString& currency) { return text + QLatin1Char(' ') + currency; }

QString repaidShareSentence(const QString& share)
{
    return QStringLiteral("Damit haben Sie Ihren Kredit zu ") + share + QStringLiteral(" % getilgt. ");
}

QString interestShareSentence(const QString& yearsText, const QString& share)
{
    return QStringLiteral("In ") + yearsText + QStringLiteral(" Jahren werden ") + share
        + QStringLiteral(" % des ursprünglichen Kredites als Zinsen gezahlt. ");
}

}
