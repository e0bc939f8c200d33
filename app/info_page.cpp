#include "info_page.h"

#include "form_label.h"
#include "web_links.h"

#include <QDesktopServices>
#include <QPlainTextEdit>
#include <QUrl>

namespace {

QFont arialPixels(int pixels)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    return font;
}

// The link label Label8: blue, underlined, hand cursor; a click (or Enter
// when it has the focus) opens the tips page and ignores whether that worked.
FormLabel* makeLink(QWidget* parent)
{
    auto* link = new FormLabel(
        QStringLiteral("Tipp und Hilfe finden Sie auf meiner Internetseite: ") + makerWebAddress(), parent);
    link->setObjectName(QStringLiteral("Label8"));
    QFont font = link->font();
    font.setUnderline(true);
    link->setFont(font);
    link->setStyleSheet(QStringLiteral("color: blue"));
    link->setCursor(Qt::PointingHandCursor);
    link->move(16, 160);
    link->adjustSize();
    link->setActivation(FormLabel::Activation::Link);
    const auto open = [] { QDesktopServices::openUrl(QUrl(makerTipsPage())); };
    QObject::connect(link, &FormLabel::clicked, open);
    QObject::connect(link, &FormLabel::activated, open);
    return link;
}

}

QString InfoPage::memoText()
{
    return QStringLiteral("Möchten Sie Kredittilgungen berechnen, geben Sie einfach  die \n"
                          "monatlichen Sparbeitrage als Minusbetrag ein. So wird die zu tilgende \n"
                          "Kapitalsummen verringert und die dafür anstehenden Zinsen auch.\n"
                          "Durch Doppelklick auf den akt. Depotwert (ober rechts)  und Eingabe \n"
                          "von \"0\" können Sie die Annualität berechnen, welche zur Tilgung \n"
                          "notwendig ist.\n"
                          "\n"
                          "Gerne passen wir Ihnen auch die Ausdrucke an, So das diese genau \n"
                          "Ihren Vorstellungen entsprechen. Fragen Sie einfach bei uns nach!");
}

InfoPage::InfoPage(QWidget* parent)
    : QWidget(parent)
{
    auto* caption = new FormLabel(QStringLiteral("Tipp für die Verwendung als Tilgungsrechner"), this);
    caption->setObjectName(QStringLiteral("Label9"));
    caption->setFont(arialPixels(16));
    caption->setStyleSheet(QStringLiteral("color: blue"));
    caption->move(16, 8);
    caption->adjustSize();

    auto* memo = new QPlainTextEdit(memoText(), this);
    memo->setObjectName(QStringLiteral("Memo1"));
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setGeometry(14, 33, 441, 121);
    // Read by keyboard too: the cursor keys move through the text and select it.
    memo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    memo->setFocusPolicy(Qt::StrongFocus);
    caption->setBuddy(memo);

    makeLink(this);
}
