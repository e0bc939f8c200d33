#pragma once

#include <QTableWidget>

class FormModel;

// StringGrid1 on the page "Ein- und Abgänge": the extra payments, edited in
// place. The heading column ("Jahr", "Monat", "Betrag") is the fixed column
// that stays in view while the payment columns 1 to 99 scroll. Edits go into
// the form model without a recompute; the next field change takes them in.
// Tab moves between the cells; Ctrl+Tab and Ctrl+Shift+Tab leave the grid.
// Each cell is named for assistive technology by its row and column
// ("Jahr, Spalte 3").
class StringGrid : public QTableWidget {
    Q_OBJECT
public:
    StringGrid(FormModel& form, QWidget* parent = nullptr);

    // Moves the focus to the control after (or before) the grid.
    void leave(bool forward);

protected:
    bool event(QEvent* event) override;

private:
    void showCell(int row, int column);
    void takeEdit(QTableWidgetItem* item);

    FormModel& m_form;
};
