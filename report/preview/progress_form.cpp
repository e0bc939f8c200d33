#include "report/preview/progress_form.h"

#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr int formWidth = 149;
constexpr int formHeight = 97;

}

QString progressText(int percent)
{
    return QString::number(percent) + QStringLiteral("% ") + QStringLiteral(" Completed");
}

QString progressCaption(TBVRunKind kind)
{
    return kind == TBVRunKind::Print ? QStringLiteral("Printing progress") : QStringLiteral("Exporting Progress");
}

TBVProgressForm::TBVProgressForm(const QString& caption, std::function<void()> cancel)
    : QWidget(nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint)
    , m_bar(new QProgressBar(this))
    , m_label(new QLabel(this))
    , m_cancelButton(new QPushButton(QStringLiteral("Cancel"), this))
{
    setWindowTitle(caption);
    setFixedSize(formWidth, formHeight);
    m_bar->setGeometry(8, 8, formWidth - 16, 16);
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setTextVisible(false);
    m_label->setGeometry(8, 32, formWidth - 16, 17);
    m_label->setAlignment(Qt::AlignCenter);
    m_cancelButton->setGeometry((formWidth - 75) / 2, 60, 75, 25);
    connect(m_cancelButton, &QPushButton::clicked, this, [cancel = std::move(cancel)] {
        if (cancel)
            cancel();
    });
    centreOnScreen();
}

std::unique_ptr<TBVRunProgress> TBVProgressForm::forRun(TBVReportRun& run)
{
    auto form = std::make_unique<TBVProgressForm>(progressCaption(run.kind()), [&run] { run.cancel(); });
    form->show();
    return form;
}

void TBVProgressForm::centreOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    move(available.center() - QPoint(formWidth / 2, formHeight / 2));
}

void TBVProgressForm::setPercent(int percent)
{
    if (percent < 0 || percent > 100 || percent % 5 != 0)
        return;
    m_bar->setValue(percent);
    m_label->setText(progressText(percent));
}

void TBVProgressForm::setCaption(const QString& caption) { setWindowTitle(caption); }
