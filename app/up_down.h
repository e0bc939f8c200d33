#pragma once

#include <QTimer>
#include <QWidget>

// A free-standing up-down spinner: two arrow buttons stacked in one small
// control. A press on the upper half clicks "up", on the lower half "down";
// holding the button repeats the click, as the platform's spinners do. A
// modal box opened by a click (the error box of a field that is not a number)
// ends the press: the release then goes to the box, never to the spinner.
// Its accessible name is its field's caption; assistive technology sees the
// arrows as two buttons named after it ("Anlagensumme erhöhen").
class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr);

    // One click on an arrow, as a press and release of the mouse there.
    void pressArrow(bool up);
    QString arrowName(bool up) const;
    QRect arrowRect(bool up) const;

signals:
    void clicked(bool up);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void repeat();
    void click();
    void endPress();

    QTimer m_repeat;
    bool m_up = true;
    bool m_pressed = false;
};
