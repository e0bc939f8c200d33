#include "form_fields.h"

namespace {

struct FieldInfo {
    const char* name;
    const char* defaultText;
    const char* hint;
};

// Indexed by Field.
const FieldInfo fieldInfos[fieldCount] = {
    { "AnlageSumme", "10000", "Das ist die Summe in Ihrem Depot" },
    { "Rendite", "10", "Dies ist die durchschnittliche Kurssteigerung in Ihrem Depot" },
    { "ComboBox1", "jährlich", "" },
    { "Sparen", "50", "Diesen Betrag wollen Sie jährlich in Ihr Depot einzahlen" },
    { "Edit1", "0", "Diesen Betrag wollen Sie jährlich in Ihr Depot einzahlen" },
    { "Jahre", "10", "Für wieviele Jahr soll das Depot angelegt werden" },
    { "Dividente", "1,5", "Die Dividendenrendite der Aktien im Depot, welch wieder reinvestiert werden" },
};

// Indexed by ResultLabel.
const FieldInfo resultInfos[resultLabelCount] = {
    { "AnlageWunsch", "Verkaufspreis", "Doppelklick zur Eingabe eines Depotwertes" },
    { "Kapitaleinsatz", "Kapitaleinsatz", "Dieses Kapital wurde investiert" },
    { "DividenteWiederanlage", "Dividendewiederanlage", "Diese Dividente wurde ausgezahlt und Reinvestiert" },
    { "ANLAGEGEWINN", "Gewinn der Anlagen",
        "Welchen gewinn wollen Sie mit Ihren Anlagen erreichen? Anpassung der Rendite!!" },
    { "AnlageProzent", "Gewinn in Prozent", "" },
};

// Indexed by Spinner.
const SpinnerRule spinnerRules[5] = {
    { Field::AnlageSumme, 100, -30000, 30000, 1 },
    { Field::Rendite, 0.5, -10000, 10000, 1 },
    { Field::Sparen, 10, -30000, 30000, 100 },
    { Field::Edit1, 100, -30000, 30000, 100 },
    { Field::Dividente, 0.5, -10000, 10000, 1 },
};

const char* const spinnerNames[5] = { "UpDown5", "UpDown1", "UpDown4", "UpDown6", "UpDown3" };

}

QString fieldName(Field field) { return QString::fromLatin1(fieldInfos[static_cast<int>(field)].name); }

std::optional<Field> fieldByName(const QString& name)
{
    for (Field f : allFields) {
        if (fieldName(f) == name)
            return f;
    }
    return std::nullopt;
}

QString defaultFieldText(Field field) { return QString::fromUtf8(fieldInfos[static_cast<int>(field)].defaultText); }

QString initialFieldHint(Field field) { return QString::fromUtf8(fieldInfos[static_cast<int>(field)].hint); }

QString resultLabelName(ResultLabel label) { return QString::fromLatin1(resultInfos[static_cast<int>(label)].name); }

std::optional<ResultLabel> resultLabelByName(const QString& name)
{
    for (ResultLabel l : allResultLabels) {
        if (resultLabelName(l) == name)
            return l;
    }
    return std::nullopt;
}

QString initialResultText(ResultLabel label)
{
    return QString::fromUtf8(resultInfos[static_cast<int>(label)].defaultText);
}

QString initialResultHint(ResultLabel label) { return QString::fromUtf8(resultInfos[static_cast<int>(label)].hint); }

const SpinnerRule& spinnerRule(Spinner spinner) { return spinnerRules[static_cast<int>(spinner)]; }

QString spinnerName(Spinner spinner) { return QString::fromLatin1(spinnerNames[static_cast<int>(spinner)]); }

const std::array<QString, 4>& compoundingModes()
{
    static const std::array<QString, 4> modes { QStringLiteral("monatlich"), QStringLiteral("vierteljährlich"),
        QStringLiteral("halbjährlich"), QStringLiteral("jährlich") };
    return modes;
}
