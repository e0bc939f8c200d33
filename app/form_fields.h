#pragma once

#include <QString>
#include <array>
#include <optional>

// The inputs, result labels and spinners of the calculator form, with the
// names the window's components carry (the print plans and the command-line
// tool address them by these names).

enum class Field { AnlageSumme, Rendite, ComboBox1, Sparen, Edit1, Jahre, Dividente };
constexpr int fieldCount = 7;
constexpr std::array<Field, fieldCount> allFields { Field::AnlageSumme, Field::Rendite, Field::ComboBox1, Field::Sparen,
    Field::Edit1, Field::Jahre, Field::Dividente };

enum class ResultLabel { AnlageWunsch, Kapitaleinsatz, DividenteWiederanlage, ANLAGEGEWINN, AnlageProzent };
constexpr int resultLabelCount = 5;
constexpr std::array<ResultLabel, resultLabelCount> allResultLabels { ResultLabel::AnlageWunsch,
    ResultLabel::Kapitaleinsatz, ResultLabel::DividenteWiederanlage, ResultLabel::ANLAGEGEWINN,
    ResultLabel::AnlageProzent };

// The five spinners that are not attached to their field (the years spinner
// UpDown2 is part of the field Jahre).
enum class Spinner { UpDown5, UpDown1, UpDown4, UpDown6, UpDown3 };
constexpr std::array<Spinner, 5> allSpinners { Spinner::UpDown5, Spinner::UpDown1, Spinner::UpDown4, Spinner::UpDown6,
    Spinner::UpDown3 };

QString fieldName(Field field);
std::optional<Field> fieldByName(const QString& name);
QString defaultFieldText(Field field);
QString initialFieldHint(Field field);

QString resultLabelName(ResultLabel label);
std::optional<ResultLabel> resultLabelByName(const QString& name);
QString initialResultText(ResultLabel label);
QString initialResultHint(ResultLabel label);

struct SpinnerRule {
    Field field;
    double fieldStep; // added to the field per click up, subtracted per click down
    int counterMin;
    int counterMax;
    int counterIncrement;
};
const SpinnerRule& spinnerRule(Spinner spinner);
QString spinnerName(Spinner spinner);

// The compounding modes offered by ComboBox1 (any other typed text is kept).
const std::array<QString, 4>& compoundingModes();

constexpr int minYears = 1;
constexpr int maxYears = 100;
constexpr int defaultYears = 10;
