#pragma once

#include <QTimer>
#include <QWidget>

// A free-standing up-down spinner: two arrow buttons stacked in one small
// control. A press on the upper half clicks "up", on the lower half "down";
// holding the button repeats the click, as the platform's spinners do.
class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr);

signals:
    void clicked(bool up);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void repeat();

    QTimer m_repeat;
    bool m_up = true;
    bool m_pressed = false;
};
