#pragma once

#include <QTableWidget>

class FormModel;

// StringGrid1 on the page "Ein- und Abgänge": the extra payments, edited in
// place. The heading column ("Jahr", "Monat", "Betrag") is the fixed column
// that stays in view while the payment columns 1 to 99 scroll. Edits go into
// the form model without a recompute; the next field change takes them in.
class StringGrid : public QTableWidget {
    Q_OBJECT
public:
    StringGrid(FormModel& form, QWidget* parent = nullptr);

private:
    void showCell(int row, int column);
    void takeEdit(QTableWidgetItem* item);

    FormModel& m_form;
};
