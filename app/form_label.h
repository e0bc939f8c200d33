#pragma once

#include <QLabel>

// A label of the form that reports clicks and double-clicks. A value label
// is anchored at its right edge: it sizes itself to its text and keeps the
// right edge where it was placed, so the numbers line up on the right.
//
// A label that runs a command (a search, a web link) takes the focus by Tab,
// shows it with a focus frame, and runs its command on Enter or Space as it
// does on a click; assistive technology sees it as a button or a link.
class FormLabel : public QLabel {
    Q_OBJECT
public:
    enum class Activation { None, Button, Link };

    explicit FormLabel(const QString& text, QWidget* parent = nullptr);

    void setActivation(Activation activation);
    Activation activation() const { return m_activation; }
    // Enter, Space or the accessible press action.
    void activate();

    void anchorRightEdge(int rightEdge, int top);
    void setAnchoredText(const QString& text);

signals:
    void clicked();
    void doubleClicked();
    void activated();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void placeAtAnchor();

    int m_rightEdge = -1;
    int m_top = 0;
    Activation m_activation = Activation::None;
};
