#include "plan_page.h"

#include "form_label.h"
#include "mode_box.h"
#include "up_down.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QStyle>
#include <algorithm>

namespace {

constexpr int captionLeft = 9;
constexpr int fieldLeft = 136;
constexpr int fieldWidth = 73;
constexpr int fieldHeight = 17;
constexpr int spinnerLeft = 209;
constexpr int comboWidth = 89;
constexpr int comboHeight = 24;
constexpr int resultCaptionLeft = 268;
constexpr int valueRightEdge = 456;
// Room kept between a text and the next control when the font needs more
// than the designed sizes.
constexpr int textGap = 4;

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
    // The seven fields in their order, then the three labels that run a
    // search, so the searches have a keyboard path too.
    const std::array<QWidget*, 10> tabOrder { edit(Field::AnlageSumme), edit(Field::Rendite), m_comboBox,
        edit(Field::Sparen), edit(Field::Edit1), edit(Field::Jahre), edit(Field::Dividente),
        value(ResultLabel::AnlageWunsch), value(ResultLabel::ANLAGEGEWINN), m_label15 };
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
    fitToFont();
}

QComboBox* PlanPage::comboBox() const { return m_comboBox; }

void PlanPage::showResult(ResultLabel label, const QString& text, const QString& hint)
{
    FormLabel* shown = value(label);
    shown->setAnchoredText(text);
    shown->setToolTip(hint + m_keyHints[static_cast<int>(label)]);
    shown->setAccessibleName(m_resultCaptions[static_cast<int>(label)]->text() + QLatin1Char(' ') + text);
}

void PlanPage::changeEvent(QEvent* event)
{
    // Sent after the children have taken the new font (the page gets the
    // window's font when it joins the page control).
    if (event->type() == QEvent::FontChange)
        fitToFont();
    QFrame::changeEvent(event);
}

// The designed places and sizes come from another platform's font and
// controls. They stay where the texts fit; where a text does not, its control
// (and the columns right of it) move or grow just enough.
void PlanPage::fitToFont()
{
    int captionsRight = 0;
    for (FormLabel* caption : m_inputCaptions) {
        caption->adjustSize();
        captionsRight = std::max(captionsRight, caption->geometry().right() + 1);
    }
    const int shift = std::max(0, captionsRight + textGap - fieldLeft);
    const int height = fieldHeightForFont();
    for (Field field : allFields) {
        if (QLineEdit* edit = this->edit(field))
            edit->setGeometry(fieldLeft + shift, rowTop(field), fieldWidth, height);
    }
    const int comboTop = rowTop(Field::ComboBox1) - 4;
    m_comboBox->setGeometry(fieldLeft + shift, comboTop, std::max(comboWidth, m_comboBox->sizeHint().width()),
        std::max(comboHeight, m_comboBox->sizeHint().height()));
    for (Spinner s : allSpinners)
        spinner(s)->setGeometry(spinnerLeft + shift, rowTop(spinnerRule(s).field), spinner(s)->width(), height);
    m_yearsSpinner->setGeometry(spinnerLeft + shift, rowTop(Field::Jahre), m_yearsSpinner->width(), height);

    const int inputsRight = std::max(spinner(Spinner::UpDown5)->geometry().right(), m_comboBox->geometry().right()) + 1;
    fitResults(std::max(resultCaptionLeft + shift, inputsRight + textGap));
    const int bottom = rowTop(Field::Dividente) + height;
    setMinimumSize(m_values[0]->geometry().right() + 1 + 2 * textGap, bottom + 2 * textGap);
}

// A field tall enough for the font's ascent and descent inside its frame.
int PlanPage::fieldHeightForFont() const
{
    const QLineEdit* field = edit(Field::AnlageSumme);
    const int frame = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, field);
    return std::max(fieldHeight, field->fontMetrics().height() + 2 * frame);
}

// The value labels keep a common right edge, far enough right that no start
// text ("Dividendewiederanlage") runs into its caption.
void PlanPage::fitResults(int captionLeft)
{
    int rightEdge = valueRightEdge + (captionLeft - resultCaptionLeft);
    for (int i = 0; i < resultLabelCount; ++i) {
        FormLabel* caption = m_resultCaptions[i];
        caption->adjustSize();
        caption->move(captionLeft, caption->y());
        const int valueWidth = m_values[i]->fontMetrics().horizontalAdvance(initialResultText(resultRows[i].label));
        rightEdge = std::max(rightEdge, caption->geometry().right() + 1 + 2 * textGap + valueWidth);
    }
    for (FormLabel* value : m_values)
        value->anchorRightEdge(rightEdge, value->y());
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
    FormLabel* label = addCaption(QStringLiteral("Caption") + fieldName(field), caption, captionLeft, top, true);
    m_inputCaptions.push_back(label);
    m_captions[static_cast<int>(field)] = caption;
    auto* edit = new QLineEdit(defaultFieldText(field), this);
    label->setBuddy(edit);
    edit->setObjectName(fieldName(field));
    edit->setGeometry(fieldLeft, top, fieldWidth, fieldHeight);
    edit->setToolTip(initialFieldHint(field));
    m_edits[static_cast<int>(field)] = edit;
}

void PlanPage::addComboBox(int top, const QString& caption)
{
    FormLabel* label = addCaption(QStringLiteral("CaptionComboBox1"), caption, captionLeft, top, true);
    m_inputCaptions.push_back(label);
    m_captions[static_cast<int>(Field::ComboBox1)] = caption;
    m_comboBox = new ModeBox(this);
    label->setBuddy(m_comboBox);
    // The text part takes the keys for the box; it is named like the box.
    m_comboBox->lineEdit()->setAccessibleName(caption);
    // Wide enough for the longest mode ("vierteljährlich").
    m_comboBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_comboBox->setObjectName(QStringLiteral("ComboBox1"));
    for (const QString& mode : compoundingModes())
        m_comboBox->addItem(mode);
    m_comboBox->setCurrentText(defaultFieldText(Field::ComboBox1));
    m_comboBox->setGeometry(fieldLeft, top - 4, comboWidth, comboHeight);
}

void PlanPage::addSpinners()
{
    for (Spinner s : allSpinners)
        m_spinners[static_cast<int>(s)] = addSpinner(spinnerName(s), spinnerRule(s).field, 16);
    m_yearsSpinner = addSpinner(QStringLiteral("UpDown2"), Field::Jahre, 15);
}

// Named after the field's caption without its question mark, so that the
// arrows read "Wieviele Jahre erhöhen".
UpDown* PlanPage::addSpinner(const QString& name, Field field, int width)
{
    auto* spinner = new UpDown(this);
    spinner->setObjectName(name);
    spinner->setGeometry(spinnerLeft, rowTop(field), width, fieldHeight);
    QString caption = m_captions[static_cast<int>(field)];
    if (caption.endsWith(QLatin1Char('?')))
        caption.chop(1);
    spinner->setAccessibleName(caption);
    return spinner;
}

// The hint stays as it is; a second line tells the keyboard path.
void PlanPage::makeSearchable(FormLabel* label, const QString& keyHint)
{
    label->setActivation(FormLabel::Activation::Button);
    const auto index = resultLabelByName(label->objectName());
    if (index)
        m_keyHints[static_cast<int>(*index)] = keyHint;
    label->setToolTip(label->toolTip() + keyHint);
}

void PlanPage::addResults()
{
    for (const ResultRow& row : resultRows) {
        const int top = 24 * (static_cast<int>(row.label) + 1);
        const bool isDepot = row.label == ResultLabel::AnlageWunsch;
        FormLabel* caption = addCaption(
            QString::fromLatin1(row.captionName), QString::fromUtf8(row.caption), resultCaptionLeft, top, isDepot);
        caption->setToolTip(resultCaptionHint(row.label));
        m_resultCaptions[static_cast<int>(row.label)] = caption;
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
        value->setAccessibleName(caption->text() + QLatin1Char(' ') + value->text());
    }
    makeSearchable(m_values[static_cast<int>(ResultLabel::AnlageWunsch)],
        QStringLiteral("\nEingabe- oder Leertaste: Eingabe eines Depotwertes"));
    makeSearchable(m_values[static_cast<int>(ResultLabel::ANLAGEGEWINN)],
        QStringLiteral("\nEingabe- oder Leertaste: Anpassung der Rendite"));
    makeSearchable(m_label15, QStringLiteral("\nEingabe- oder Leertaste: Auszahlungsplan für den Depotwert"));
}
