#include "form_label.h"

#include "accessibility.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

FormLabel::FormLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    installFormAccessibility();
}

// Tab focus only: a click keeps the focus where the user was typing, as
// before.
void FormLabel::setActivation(Activation activation)
{
    m_activation = activation;
    setFocusPolicy(activation == Activation::None ? Qt::NoFocus : Qt::TabFocus);
}

void FormLabel::activate()
{
    if (m_activation != Activation::None)
        emit activated();
}

void FormLabel::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (m_activation != Activation::None && plain
        && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        activate();
        return;
    }
    QLabel::keyPressEvent(event);
}

void FormLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.backgroundColor = palette().color(QPalette::Window);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
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
