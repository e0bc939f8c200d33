#include "plan_page.h"

#include "form_label.h"
#include "up_down.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

constexpr int captionLeft = 9;
constexpr int fieldLeft = 136;
constexpr int fieldWidth = 73;
constexpr int fieldHeight = 17;
constexpr int spinnerLeft = 209;
constexpr int resultCaptionLeft = 268;
constexpr int valueRightEdge = 456;

int rowTop(Field field)
{
    switch (field) {
    case Field::AnlageSumme:
        return 24;
    case Field::Rendite:
        return 48;
    case Field::ComboBox1:
        return 72;
    case Field::Sparen:
        return 96;
    case Field::Edit1:
        return 120;
    case Field::Jahre:
        return 144;
    case Field::Dividente:
        return 168;
    }
    return 0;
}

QString resultCaptionHint(ResultLabel label)
{
    switch (label) {
    case ResultLabel::AnlageWunsch:
        return QStringLiteral("Dieser Depotwert kann erreicht werden bei Reinvestion aller Gewinne. Mit Doppelklick "
                              "kann ein Auszahlungsplan für den Depotwert berechnet werden!");
    case ResultLabel::Kapitaleinsatz:
        return QStringLiteral("Dieses Kapital wurde insgesamt investiert");
    case ResultLabel::DividenteWiederanlage:
        return QStringLiteral("Diese Dividente wurde ausgezahlt und Reinvestiert");
    default:
        return QString();
    }
}

struct ResultRow {
    ResultLabel label;
    const char* captionName;
    const char* caption;
};

const ResultRow resultRows[resultLabelCount] = {
    { ResultLabel::AnlageWunsch, "Label15", "Depotwert" },
    { ResultLabel::Kapitaleinsatz, "Label6", "Kapital" },
    { ResultLabel::DividenteWiederanlage, "Label5", "Dividende" },
    { ResultLabel::ANLAGEGEWINN, "Label16", "Zuwachs" },
    { ResultLabel::AnlageProzent, "Label17", "Zuwachs in %" },
};

}

PlanPage::PlanPage(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel1"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    addInputRow(Field::AnlageSumme, rowTop(Field::AnlageSumme), QStringLiteral("Anlagensumme"));
    addInputRow(Field::Rendite, rowTop(Field::Rendite), QStringLiteral("jährl.Anstieg/Zins %"));
    addComboBox(rowTop(Field::ComboBox1), QStringLiteral("Zinsverrechnung"));
    addInputRow(Field::Sparen, rowTop(Field::Sparen), QStringLiteral("mtl.Anlagebetrag"));
    addInputRow(Field::Edit1, rowTop(Field::Edit1), QStringLiteral("jahrl.Anlagebetrag"));
    addInputRow(Field::Jahre, rowTop(Field::Jahre), QStringLiteral("Wieviele Jahre?"));
    addInputRow(Field::Dividente, rowTop(Field::Dividente), QStringLiteral("Dividende in %"));
    addSpinners();
    addResults();
    QWidget::setTabOrder(edit(Field::AnlageSumme), edit(Field::Rendite));
    QWidget::setTabOrder(edit(Field::Rendite), m_comboBox);
    QWidget::setTabOrder(m_comboBox, edit(Field::Sparen));
    QWidget::setTabOrder(edit(Field::Sparen), edit(Field::Edit1));
    QWidget::setTabOrder(edit(Field::Edit1), edit(Field::Jahre));
    QWidget::setTabOrder(edit(Field::Jahre), edit(Field::Dividente));
}

FormLabel* PlanPage::addCaption(const QString& name, const QString& text, int left, int top, bool bold)
{
    auto* label = new FormLabel(text, this);
    label->setObjectName(name);
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
    label->move(left, top);
    label->adjustSize();
    return label;
}

void PlanPage::addInputRow(Field field, int top, const QString& caption)
{
    addCaption(QStringLiteral("Caption") + fieldName(field), caption, captionLeft, top, true);
    auto* edit = new QLineEdit(defaultFieldText(field), this);
    edit->setObjectName(fieldName(field));
    edit->setGeometry(fieldLeft, top, fieldWidth, fieldHeight);
    edit->setToolTip(initialFieldHint(field));
    m_edits[static_cast<int>(field)] = edit;
}

void PlanPage::addComboBox(int top, const QString& caption)
{
    addCaption(QStringLiteral("CaptionComboBox1"), caption, captionLeft, top, true);
    m_comboBox = new QComboBox(this);
    m_comboBox->setObjectName(QStringLiteral("ComboBox1"));
    m_comboBox->setEditable(true);
    m_comboBox->setInsertPolicy(QComboBox::NoInsert);
    for (const QString& mode : compoundingModes())
        m_comboBox->addItem(mode);
    m_comboBox->setCurrentText(defaultFieldText(Field::ComboBox1));
    m_comboBox->setGeometry(fieldLeft, top - 4, 89, 24);
}

void PlanPage::addSpinners()
{
    for (Spinner s : allSpinners) {
        auto* spinner = new UpDown(this);
        spinner->setObjectName(spinnerName(s));
        spinner->setGeometry(spinnerLeft, rowTop(spinnerRule(s).field), 16, fieldHeight);
        m_spinners[static_cast<int>(s)] = spinner;
    }
    m_yearsSpinner = new UpDown(this);
    m_yearsSpinner->setObjectName(QStringLiteral("UpDown2"));
    m_yearsSpinner->setGeometry(spinnerLeft, rowTop(Field::Jahre), 15, fieldHeight);
}

void PlanPage::addResults()
{
    for (const ResultRow& row : resultRows) {
        const int top = 24 * (static_cast<int>(row.label) + 1);
        const bool isDepot = row.label == ResultLabel::AnlageWunsch;
        FormLabel* caption = addCaption(
            QString::fromLatin1(row.captionName), QString::fromUtf8(row.caption), resultCaptionLeft, top, isDepot);
        caption->setToolTip(resultCaptionHint(row.label));
        if (isDepot) {
            caption->setCursor(Qt::PointingHandCursor);
            m_label15 = caption;
        }
        if (row.label == ResultLabel::ANLAGEGEWINN)
            m_label16 = caption;

        FormLabel* value = addCaption(resultLabelName(row.label), initialResultText(row.label), 0, top, isDepot);
        value->anchorRightEdge(valueRightEdge, top);
        value->setToolTip(initialResultHint(row.label));
        if (isDepot || row.label == ResultLabel::ANLAGEGEWINN)
            value->setCursor(Qt::PointingHandCursor);
        m_values[static_cast<int>(row.label)] = value;
    }
}
