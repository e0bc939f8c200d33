#include "report/preview/search_dlg.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TSearchDlg::TSearchDlg(QWidget* parent)
    : QDialog(parent)
    , m_text(new QLineEdit)
    , m_matchCase(new QCheckBox(QStringLiteral("Match case")))
    , m_search(new QPushButton(QStringLiteral("Search")))
{
    setObjectName(QStringLiteral("SearchDlg"));
    setWindowTitle(QStringLiteral("Search for Text"));
    auto* label = new QLabel(QStringLiteral("Search Text"));
    label->setBuddy(m_text);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    m_search->setDefault(true);
    connect(m_search, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_search);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_text);
    layout->addWidget(m_matchCase);
    layout->addLayout(buttons);
}

QString TSearchDlg::searchText() const { return m_text->text(); }

bool TSearchDlg::matchCase() const { return m_matchCase->isChecked(); }
