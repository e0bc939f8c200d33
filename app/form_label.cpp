#include "form_label.h"

#include <QMouseEvent>

FormLabel::FormLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
}

void FormLabel::anchorRightEdge(int rightEdge, int top)
{
    m_rightEdge = rightEdge;
    m_top = top;
    setAlignment(Qt::AlignRight | Qt::AlignTop);
    placeAtAnchor();
}

void FormLabel::setAnchoredText(const QString& text)
{
    if (text == this->text())
        return;
    setText(text);
    placeAtAnchor();
}

void FormLabel::placeAtAnchor()
{
    adjustSize();
    if (m_rightEdge >= 0)
        move(m_rightEdge - width(), m_top);
}

void FormLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void FormLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}
