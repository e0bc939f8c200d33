#pragma once

#include <QLabel>

// A label of the form that reports clicks and double-clicks. A value label
// is anchored at its right edge: it sizes itself to its text and keeps the
// right edge where it was placed, so the numbers line up on the right.
class FormLabel : public QLabel {
    Q_OBJECT
public:
    explicit FormLabel(const QString& text, QWidget* parent = nullptr);

    void anchorRightEdge(int rightEdge, int top);
    void setAnchoredText(const QString& text);

signals:
    void clicked();
    void doubleClicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void placeAtAnchor();

    int m_rightEdge = -1;
    int m_top = 0;
};
