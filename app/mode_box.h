#pragma once

#include <QComboBox>

// ComboBox1: the compounding modes, with text that can also be typed. Its
// current item is always the item it shows (none for a typed text that is no
// item), so the arrow keys and the opened list start from what the user
// sees, whether the text came from start-up, a settings file or typing.
class ModeBox : public QComboBox {
    Q_OBJECT
public:
    explicit ModeBox(QWidget* parent = nullptr);

private:
    void followShownText(const QString& text);
};
