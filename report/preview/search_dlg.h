#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

// The search dialog of the preview: a text and whether its case must match.
class TSearchDlg : public QDialog {
    Q_OBJECT
public:
    explicit TSearchDlg(QWidget* parent = nullptr);

    QString searchText() const;
    bool matchCase() const;

    QLineEdit* textField() const { return m_text; }
    QCheckBox* matchCaseBox() const { return m_matchCase; }
    QPushButton* searchButton() const { return m_search; }

private:
    QLineEdit* m_text;
    QCheckBox* m_matchCase;
    QPushButton* m_search;
};
