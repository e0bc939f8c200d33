#include "up_down.h"

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
    m_repeat.setSingleShot(false);
    connect(&m_repeat, &QTimer::timeout, this, &UpDown::repeat);
}

void UpDown::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int half = height() / 2;
    const QRect halves[2] = { QRect(0, 0, width(), half), QRect(0, half, width(), height() - half) };
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
    emit clicked(m_up);
    m_repeat.start(firstRepeatDelayMs);
}

void UpDown::mouseReleaseEvent(QMouseEvent*)
{
    m_repeat.stop();
    m_pressed = false;
    update();
}

void UpDown::repeat()
{
    m_repeat.setInterval(repeatIntervalMs);
    emit clicked(m_up);
}
