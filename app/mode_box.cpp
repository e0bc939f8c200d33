#include "mode_box.h"

#include "accessibility.h"

#include <QLineEdit>
#include <QSignalBlocker>

ModeBox::ModeBox(QWidget* parent)
    : QComboBox(parent)
{
    installFormAccessibility();
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::editTextChanged, this, &ModeBox::followShownText);
}

// Choosing no item empties an editable box's text; the text goes back at
// once, unannounced, with the cursor where it was, so neither the user nor
// the form sees a change.
void ModeBox::followShownText(const QString& text)
{
    const int index = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index == currentIndex())
        return;
    QLineEdit* edit = lineEdit();
    const int cursor = edit->cursorPosition();
    const QSignalBlocker quiet(this);
    const QSignalBlocker quietEdit(edit);
    setCurrentIndex(index);
    if (edit->text() != text)
        edit->setText(text);
    edit->setCursorPosition(cursor);
}
