#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QWidget>
#include <algorithm>

// Measures the texts of a window against its controls' geometry, as a user
// would see them: a text wider or taller than its control, or a control
// reaching past its parent or into a neighbour label, is cut.
namespace text_fit {

inline QStringList labelFaults(const QLabel* label)
{
    QStringList faults;
    if (label->text().isEmpty() || !label->pixmap().isNull())
        return faults;
    const QFontMetrics metrics = label->fontMetrics();
    const QRect content = label->contentsRect();
    const QString name = label->objectName();
    if (!label->wordWrap() && metrics.horizontalAdvance(label->text()) > content.width())
        faults << name + QStringLiteral(" too narrow");
    if (metrics.height() > content.height())
        faults << name + QStringLiteral(" too low");
    const QWidget* parent = label->parentWidget();
    if (parent && !parent->rect().contains(label->geometry()))
        faults << name + QStringLiteral(" outside its window");
    return faults;
}

inline QStringList comboFaults(const QComboBox* combo)
{
    QStringList faults;
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    const QRect field
        = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
    for (int i = 0; i < combo->count(); ++i) {
        if (combo->fontMetrics().horizontalAdvance(combo->itemText(i)) > field.width())
            faults << combo->objectName() + QStringLiteral(" cuts ") + combo->itemText(i);
    }
    return faults;
}

// Every visible label and combo box under `root`, and labels overlapping
// one another.
inline QStringList cutTexts(const QWidget* root)
{
    QStringList faults;
    const QList<QLabel*> labels = root->findChildren<QLabel*>();
    for (const QLabel* label : labels)
        faults << labelFaults(label);
    for (const QComboBox* combo : root->findChildren<QComboBox*>())
        faults << comboFaults(combo);
    for (const QLabel* a : labels) {
        for (const QLabel* b : labels) {
            if (a < b && a->parentWidget() == b->parentWidget() && !a->text().isEmpty() && !b->text().isEmpty()
                && a->geometry().intersects(b->geometry()))
                faults << a->objectName() + QStringLiteral(" runs into ") + b->objectName();
        }
    }
    return faults;
}

}
