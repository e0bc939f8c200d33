#pragma once

#include "calc/net_view.h"

#include <QFrame>
#include <array>
#include <vector>

class FormLabel;
class NetForm;
class QComboBox;
class QLabel;
class QLineEdit;

// The page "Netto": the net options on the left, the seven net results on
// the right, laid out as the page "Plan" (captions bold at the left, fields in
// one column, values right-aligned on a common edge). A view over NetForm:
// edits go to it, and every change of its results is shown at once.
class NettoPage : public QFrame {
    Q_OBJECT
public:
    explicit NettoPage(NetForm& net, QWidget* parent = nullptr);

    QComboBox* taxBox() const { return m_tax; }
    QComboBox* fundBox() const { return m_fund; }
    QLineEdit* edit(fundorix::calc::NetField field) const { return m_edits[static_cast<std::size_t>(field)]; }
    FormLabel* value(fundorix::calc::NetItem item) const { return m_values[static_cast<std::size_t>(item)]; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void addInputs();
    void addResults();
    QLabel* addCaption(const QString& name, const QString& text, int top);
    QComboBox* addChoice(const char* name, const char* caption, const char* hint, int top);
    void connectOptions();
    void showOptions();
    void showResults();
    void fitToFont();
    int fitInputs();
    void fitResults(int captionLeft);

    NetForm& m_net;
    QComboBox* m_tax = nullptr;
    QComboBox* m_fund = nullptr;
    std::array<QLineEdit*, fundorix::calc::netFieldCount> m_edits {};
    std::vector<QLabel*> m_inputCaptions;
    std::array<FormLabel*, fundorix::calc::netItemCount> m_resultCaptions {};
    std::array<FormLabel*, fundorix::calc::netItemCount> m_values {};
};
