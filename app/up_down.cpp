#include "up_down.h"

#include "accessibility.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

namespace {

constexpr int firstRepeatDelayMs = 400;
constexpr int repeatIntervalMs = 60;

}

UpDown::UpDown(QWidget* parent)
    : QWidget(parent)
{
    installFormAccessibility();
    m_repeat.setSingleShot(false);
    connect(&m_repeat, &QTimer::timeout, this, &UpDown::repeat);
}

void UpDown::pressArrow(bool up)
{
    m_up = up;
    emit clicked(up);
}

QString UpDown::arrowName(bool up) const
{
    return accessibleName() + (up ? QStringLiteral(" erhöhen") : QStringLiteral(" verringern"));
}

QRect UpDown::arrowRect(bool up) const
{
    const int half = height() / 2;
    return up ? QRect(0, 0, width(), half) : QRect(0, half, width(), height() - half);
}

void UpDown::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect halves[2] = { arrowRect(true), arrowRect(false) };
    for (int i = 0; i < 2; ++i) {
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = halves[i];
        const bool sunken = m_pressed && m_up == (i == 0);
        button.state |= sunken ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &button, &painter, this);
        QStyleOption arrow;
        arrow.initFrom(this);
        arrow.rect = halves[i].adjusted(3, 2, -3, -2);
        style()->drawPrimitive(
            i == 0 ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown, &arrow, &painter, this);
    }
}

void UpDown::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_up = event->position().y() < height() / 2.0;
    m_pressed = true;
    update();
    m_repeat.start(firstRepeatDelayMs);
    click();
}

void UpDown::mouseReleaseEvent(QMouseEvent*) { endPress(); }

bool UpDown::event(QEvent* event)
{
    // Sent to every widget of a window that a modal box blocks.
    if (event->type() == QEvent::WindowBlocked)
        endPress();
    return QWidget::event(event);
}

void UpDown::repeat()
{
    m_repeat.setInterval(repeatIntervalMs);
    click();
}

// The repeat stays off while the click's handler runs: a box it opens runs
// its own event loop, in which the timer would otherwise go on clicking.
void UpDown::click()
{
    const bool repeating = m_repeat.isActive();
    m_repeat.stop();
    emit clicked(m_up);
    if (repeating && m_pressed)
        m_repeat.start();
}

void UpDown::endPress()
{
    m_repeat.stop();
    m_pressed = false;
    update();
}
