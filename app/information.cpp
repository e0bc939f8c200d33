#include "information.h"

#include "form_label.h"
#include "program_pictures.h"
#include "web_links.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QUrl>
#include <algorithm>

namespace {

constexpr int designedWidth = 281;
constexpr int clientHeight = 132;
// The designed room right of the author's line (116 + 158 of 281).
constexpr int authorRightMargin = designedWidth - (116 + 158);
constexpr int okWidth = 72;

const QColor navy(0, 0, 128);

QFont arial(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

QLabel* addLabel(QWidget* parent, const char* name, const QRect& place, const QFont& font, const QString& text = {})
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(place);
    label->setFont(font);
    return label;
}

QLabel* addHeading(QWidget* parent, const char* name, int top, int width)
{
    QLabel* heading = addLabel(parent, name, QRect(0, top, width, 15), arial(12, true));
    heading->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextColour(heading, navy);
    return heading;
}

// The author's line grows with its text like the window's other plain
// labels would; the window then grows with it, being sized to its contents.
QLabel* addAuthorLabel(QWidget* parent, const QString& text)
{
    QLabel* author = addLabel(parent, "Label3", QRect(116, 35, 158, 15), arial(11), text);
    author->resize(std::max(author->width(), author->fontMetrics().horizontalAdvance(text)), author->height());
    return author;
}

// The e-mail and web lines: blue, underlined, with the help cursor.
FormLabel* addLinkLabel(QWidget* parent, const char* name, const QRect& place, const QString& text)
{
    auto* link = new FormLabel(text, parent);
    link->setObjectName(QLatin1String(name));
    link->setGeometry(place);
    QFont font = arial(11);
    font.setUnderline(true);
    link->setFont(font);
    setTextColour(link, Qt::blue);
    link->setCursor(Qt::WhatsThisCursor);
    return link;
}

}

QString TInformation::authorLine() { return QStringLiteral("Programmiert von Wendlich Software"); }

QString TInformation::contactLine() { return QStringLiteral("Wendlich Software · Tel. 0000 123456"); }

QString TInformation::mailAddress() { return QStringLiteral("info@wendlich.example"); }

TInformation::TInformation(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Information"));
    setWindowTitle(QStringLiteral("Information"));
    setFont(arial(14));
    setTextColour(this, Qt::black);

    const QLabel* author = addAuthorLabel(this, authorLine());
    const int clientWidth = std::max(designedWidth, author->geometry().right() + 1 + authorRightMargin);
    setFixedSize(clientWidth, clientHeight);

    m_label1 = addHeading(this, "Label1", 0, clientWidth);
    m_label2 = addHeading(this, "Label2", 15, clientWidth);

    QLabel* image = addLabel(this, "Image1", QRect(8, 38, 94, 40), font());
    image->setPixmap(QPixmap::fromImage(makerLogo()));
    image->setScaledContents(true);

    // The e-mail line only shows the address; a click does nothing.
    addLinkLabel(this, "Label6", QRect(116, 50, 157, 14), mailAddress());
    FormLabel* web = addLinkLabel(this, "Label5", QRect(116, 64, 143, 14), makerWebAddress());
    web->setActivation(FormLabel::Activation::Link);
    const auto open = [] { QDesktopServices::openUrl(QUrl(makerWebSite())); };
    connect(web, &FormLabel::clicked, this, open);
    connect(web, &FormLabel::activated, this, open);
    addLabel(this, "Label7", QRect(0, 79, clientWidth, 14), arial(11), contactLine())
        ->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    addLabel(this, "Label4", QRect(16, 115, 41, 14), arial(11), QStringLiteral("Version:"));
    m_version = addLabel(this, "Version", QRect(62, 115, 35, 14), arial(11));

    auto* ok = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setGeometry(clientWidth - okWidth, 108, okWidth, 24); // at the right edge, as designed
    ok->setFont(arial(11));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    // Enter closes the window as it opens; Tab reaches the web link.
    ok->setFocus();
    setTabOrder(ok, web);
}

void TInformation::setProgramTexts(const QString& name, const QString& platforms, const QString& version)
{
    m_label1->setText(name);
    m_label2->setText(platforms);
    m_version->setText(version);
}

void showInformationWindow(QWidget* owner)
{
    TInformation information(owner);
    information.setProgramTexts(
        QStringLiteral("Fundorix"), QStringLiteral("für Windows(R) 9x/ME/NT/2000/XP/Vista/7"), QStringLiteral("2.0"));
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        QRect frame = information.frameGeometry();
        frame.moveCenter(screen->geometry().center());
        information.move(frame.topLeft());
    }
    information.exec();
}
