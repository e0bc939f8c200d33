#pragma once

#include "form_fields.h"

#include <QFrame>
#include <array>
#include <vector>

class FormLabel;
class ModeBox;
class QComboBox;
class QLineEdit;
class UpDown;

// The page "Plan": the input fields with their spinners on the left, the
// result captions and values on the right, on a lowered panel. Only layout,
// looks and names live here; the window connects the controls to the form
// model. Each caption is its field's buddy, so it names the field for
// assistive technology; the spinners are named after their field's caption.
class PlanPage : public QFrame {
    Q_OBJECT
public:
    explicit PlanPage(QWidget* parent = nullptr);

    // The edit box of a field (not ComboBox1).
    QLineEdit* edit(Field field) const { return m_edits[static_cast<int>(field)]; }
    QComboBox* comboBox() const;
    UpDown* spinner(Spinner spinner) const { return m_spinners[static_cast<int>(spinner)]; }
    UpDown* yearsSpinner() const { return m_yearsSpinner; }
    FormLabel* value(ResultLabel label) const { return m_values[static_cast<int>(label)]; }
    FormLabel* label15() const { return m_label15; }
    FormLabel* label16() const { return m_label16; }
    // Shows a result; its accessible name reads caption and value together
    // ("Depotwert 41134,80"); its hint stays its accessible description.
    void showResult(ResultLabel label, const QString& text, const QString& hint);

protected:
    void changeEvent(QEvent* event) override;

private:
    void fitToFont();
    int fieldHeightForFont() const;
    void fitResults(int captionLeft);
    void addInputRow(Field field, int top, const QString& caption);
    void addComboBox(int top, const QString& caption);
    void addSpinners();
    UpDown* addSpinner(const QString& name, Field field, int width);
    void makeSearchable(FormLabel* label, const QString& keyHint);
    void addResults();
    FormLabel* addCaption(const QString& name, const QString& text, int left, int top, bool bold);

    std::array<QLineEdit*, fieldCount> m_edits {};
    ModeBox* m_comboBox = nullptr;
    std::array<QString, fieldCount> m_captions;
    std::array<UpDown*, 5> m_spinners {};
    UpDown* m_yearsSpinner = nullptr;
    std::array<FormLabel*, resultLabelCount> m_values {};
    std::vector<FormLabel*> m_inputCaptions;
    std::array<FormLabel*, resultLabelCount> m_resultCaptions {};
    // The keyboard line added to the hint of a value that runs a search.
    std::array<QString, resultLabelCount> m_keyHints;
    FormLabel* m_label15 = nullptr;
    FormLabel* m_label16 = nullptr;
};
