#include "netto_page.h"

#include "form_label.h"
#include "net_form.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <algorithm>

using namespace fundorix::calc;

namespace {

// The places of the page "Plan".
constexpr int captionLeft = 9;
constexpr int fieldLeft = 136;
constexpr int fieldWidth = 73;
constexpr int fieldHeight = 17;
constexpr int comboWidth = 89;
constexpr int comboHeight = 24;
constexpr int resultCaptionLeft = 268;
constexpr int valueRightEdge = 456;
constexpr int textGap = 4;
// The widest value the right column keeps room for.
const QString widestValue = QStringLiteral("-1234567,89");

constexpr int rowTop(int row) { return 24 * (row + 1); }

// The rows of the left column: the two choices and the five fields.
constexpr int taxRow = 0;
constexpr int fundRow = 2;
constexpr std::array<int, netFieldCount> fieldRows { 1, 3, 4, 5, 6 };

QString utf8(const char* text) { return QString::fromUtf8(text); }

}

NettoPage::NettoPage(NetForm& net, QWidget* parent)
    : QFrame(parent)
    , m_net(net)
{
    setObjectName(QStringLiteral("NettoPanel"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    addInputs();
    addResults();
    connectOptions();
    showOptions();
    showResults();
    fitToFont();
}

void NettoPage::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        fitToFont();
    QFrame::changeEvent(event);
}

QLabel* NettoPage::addCaption(const QString& name, const QString& text, int top)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->move(captionLeft, top);
    label->adjustSize();
    m_inputCaptions.push_back(label);
    return label;
}

QComboBox* NettoPage::addChoice(const char* name, const char* caption, const char* hint, int top)
{
    auto* combo = new QComboBox(this);
    combo->setObjectName(utf8(name));
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    combo->setToolTip(utf8(hint));
    addCaption(QStringLiteral("Caption") + utf8(name), utf8(caption), top)->setBuddy(combo);
    return combo;
}

void NettoPage::addInputs()
{
    m_tax = addChoice(kNetTaxFieldName, kNetTaxFieldCaption, kNetTaxFieldHint, rowTop(taxRow));
    for (const char* caption : kNetTaxCaptions)
        m_tax->addItem(utf8(caption));
    m_fund = addChoice(kFundTypeFieldName, kFundTypeFieldCaption, kFundTypeFieldHint, rowTop(fundRow));
    for (const char* caption : kFundTypeCaptions)
        m_fund->addItem(utf8(caption));
    for (std::size_t i = 0; i < netFieldCount; ++i) {
        const NetFieldInfo& info = netFieldInfo(static_cast<NetField>(i));
        auto* edit = new QLineEdit(this);
        edit->setObjectName(utf8(info.name));
        edit->setToolTip(utf8(info.hint));
        addCaption(QStringLiteral("Caption") + utf8(info.name), utf8(info.caption), rowTop(fieldRows[i]))
            ->setBuddy(edit);
        m_edits[i] = edit;
    }
    // Tab goes down the column, as on the page "Plan".
    QWidget::setTabOrder(m_tax, edit(NetField::Freibetrag));
    QWidget::setTabOrder(edit(NetField::Freibetrag), m_fund);
    QWidget::setTabOrder(m_fund, edit(NetField::Basiszins));
    for (std::size_t i = 2; i < netFieldCount; ++i)
        QWidget::setTabOrder(m_edits[i - 1], m_edits[i]);
}

void NettoPage::addResults()
{
    for (std::size_t i = 0; i < netItemCount; ++i) {
        const NetItemInfo& info = netItemInfo(static_cast<NetItem>(i));
        const bool headline = static_cast<NetItem>(i) == NetItem::Netto;
        const int top = rowTop(static_cast<int>(i));
        auto* caption = new FormLabel(utf8(info.caption), this);
        caption->setObjectName(QStringLiteral("Caption") + utf8(info.key));
        auto* value = new FormLabel(QString(), this);
        value->setObjectName(QStringLiteral("Netto") + utf8(info.key));
        for (FormLabel* label : { caption, value }) {
            QFont font = label->font();
            font.setBold(headline);
            label->setFont(font);
            label->setToolTip(utf8(info.hint));
        }
        caption->move(resultCaptionLeft, top);
        caption->adjustSize();
        value->anchorRightEdge(valueRightEdge, top);
        m_resultCaptions[i] = caption;
        m_values[i] = value;
    }
}

void NettoPage::connectOptions()
{
    connect(m_tax, &QComboBox::currentIndexChanged, this,
        [this](int index) { m_net.setTax(static_cast<NetTax>(std::max(0, index))); });
    connect(m_fund, &QComboBox::currentIndexChanged, this,
        [this](int index) { m_net.setFund(static_cast<FundType>(std::max(0, index))); });
    for (std::size_t i = 0; i < netFieldCount; ++i) {
        connect(m_edits[i], &QLineEdit::textChanged, this,
            [this, i](const QString& text) { m_net.setFieldText(static_cast<NetField>(i), text); });
    }
    connect(&m_net, &NetForm::optionsChanged, this, &NettoPage::showOptions);
    connect(&m_net, &NetForm::resultsChanged, this, &NettoPage::showResults);
}

void NettoPage::showOptions()
{
    m_tax->setCurrentIndex(static_cast<int>(m_net.tax()));
    m_fund->setCurrentIndex(static_cast<int>(m_net.fund()));
    for (std::size_t i = 0; i < netFieldCount; ++i) {
        const QString text = m_net.fieldText(static_cast<NetField>(i));
        if (m_edits[i]->text() != text)
            m_edits[i]->setText(text);
    }
}

void NettoPage::showResults()
{
    for (std::size_t i = 0; i < netItemCount; ++i) {
        const QString text = m_net.resultText(static_cast<NetItem>(i));
        m_values[i]->setAnchoredText(text);
        m_values[i]->setAccessibleName(m_resultCaptions[i]->text() + QLatin1Char(' ') + text);
    }
}

// As on the page "Plan": the designed places stay where the texts fit; where
// one does not, its control and the columns right of it move just enough.
void NettoPage::fitToFont()
{
    const int inputsRight = fitInputs();
    const int shift = edit(NetField::Freibetrag)->x() - fieldLeft;
    fitResults(std::max(resultCaptionLeft + shift, inputsRight + textGap));
    const int bottom = edit(NetField::Dynamik)->geometry().bottom() + 1;
    setMinimumSize(m_values[0]->x() + m_values[0]->width() + 2 * textGap, bottom + 2 * textGap);
}

int NettoPage::fitInputs()
{
    int captionsRight = 0;
    for (QLabel* caption : m_inputCaptions) {
        caption->adjustSize();
        captionsRight = std::max(captionsRight, caption->geometry().right() + 1);
    }
    const int left = fieldLeft + std::max(0, captionsRight + textGap - fieldLeft);
    const QLineEdit* any = m_edits[0];
    const int frame = any->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, any);
    const int height = std::max(fieldHeight, any->fontMetrics().height() + 2 * frame);
    int right = 0;
    for (std::size_t i = 0; i < netFieldCount; ++i) {
        m_edits[i]->setGeometry(left, rowTop(fieldRows[i]), fieldWidth, height);
        right = std::max(right, m_edits[i]->geometry().right() + 1);
    }
    for (auto [combo, row] : { std::pair { m_tax, taxRow }, std::pair { m_fund, fundRow } }) {
        combo->setGeometry(left, rowTop(row) - 4, std::max(comboWidth, combo->sizeHint().width()),
            std::max(comboHeight, combo->sizeHint().height()));
        right = std::max(right, combo->geometry().right() + 1);
    }
    return right;
}

void NettoPage::fitResults(int captionLeft)
{
    int rightEdge = valueRightEdge + (captionLeft - resultCaptionLeft);
    for (std::size_t i = 0; i < netItemCount; ++i) {
        FormLabel* caption = m_resultCaptions[i];
        caption->adjustSize();
        caption->move(captionLeft, caption->y());
        const int valueWidth = m_values[i]->fontMetrics().horizontalAdvance(widestValue);
        rightEdge = std::max(rightEdge, caption->geometry().right() + 1 + 2 * textGap + valueWidth);
    }
    for (FormLabel* value : m_values)
        value->anchorRightEdge(rightEdge, value->y());
}
