#include "accessibility.h"

#include "chart_view.h"
#include "form_label.h"
#include "mode_box.h"
#include "up_down.h"

#include <QAccessibleWidget>
#include <QLineEdit>
#include <QPointer>
#include <array>

namespace {

// One arrow of a spinner: a button without a widget of its own.
class UpDownArrow : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    UpDownArrow(UpDown* upDown, bool up)
        : m_upDown(upDown)
        , m_up(up)
    {
    }

    bool isValid() const override { return !m_upDown.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_upDown ? m_upDown->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_upDown.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        return m_upDown && t == QAccessible::Name ? m_upDown->arrowName(m_up) : QString();
    }
    void setText(QAccessible::Text, const QString&) override { }
    QRect rect() const override
    {
        if (!m_upDown)
            return {};
        const QRect local = m_upDown->arrowRect(m_up);
        return QRect(m_upDown->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = !m_upDown || !m_upDown->isVisible();
        state.disabled = m_upDown && !m_upDown->isEnabled();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override { return { pressAction() }; }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && m_upDown)
            m_upDown->pressArrow(m_up);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<UpDown> m_upDown;
    bool m_up;
};

// A spinner: a named group holding its up and down arrow.
class UpDownInterface : public QAccessibleWidget {
public:
    explicit UpDownInterface(UpDown* upDown)
        : QAccessibleWidget(upDown, QAccessible::Grouping)
    {
        m_arrows[0] = QAccessible::registerAccessibleInterface(new UpDownArrow(upDown, true));
        m_arrows[1] = QAccessible::registerAccessibleInterface(new UpDownArrow(upDown, false));
    }
    ~UpDownInterface() override
    {
        for (QAccessible::Id id : m_arrows)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return 2; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 || index == 1 ? QAccessible::accessibleInterface(m_arrows[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < 2; ++i) {
            if (QAccessible::accessibleInterface(m_arrows[i]) == child)
                return i;
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < 2; ++i) {
            QAccessibleInterface* arrow = child(i);
            if (arrow && arrow->rect().contains(x, y))
                return arrow;
        }
        return nullptr;
    }

private:
    std::array<QAccessible::Id, 2> m_arrows {};
};

// A label of the form: static text, or a button or link when a key or click
// runs a command on it.
class FormLabelInterface : public QAccessibleWidget {
public:
    explicit FormLabelInterface(FormLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QAccessible::Role role() const override
    {
        switch (label()->activation()) {
        case FormLabel::Activation::Button:
            return QAccessible::Button;
        case FormLabel::Activation::Link:
            return QAccessible::Link;
        case FormLabel::Activation::None:
            break;
        }
        return QAccessible::StaticText;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && label()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (label()->activation() != FormLabel::Activation::None)
            names.prepend(pressAction());
        return names;
    }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && label()->activation() != FormLabel::Activation::None)
            label()->activate();
        else
            QAccessibleWidget::doAction(name);
    }

private:
    FormLabel* label() const { return static_cast<FormLabel*>(widget()); }
};

// ComboBox1 on this platform's bridge would otherwise be named after its
// text; its caption names it, its text is its value.
class ModeBoxInterface : public QAccessibleWidget {
public:
    explicit ModeBoxInterface(ModeBox* box)
        : QAccessibleWidget(box, QAccessible::ComboBox)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return box()->currentText();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override
    {
        return QStringList { showMenuAction() } + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override
    {
        if (name == showMenuAction())
            box()->showPopup();
        else
            QAccessibleWidget::doAction(name);
    }

private:
    ModeBox* box() const { return static_cast<ModeBox*>(widget()); }
};

QAccessibleInterface* formAccessibleFactory(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("UpDown"))
        return new UpDownInterface(static_cast<UpDown*>(object));
    if (className == QLatin1String("FormLabel"))
        return new FormLabelInterface(static_cast<FormLabel*>(object));
    if (className == QLatin1String("ModeBox"))
        return new ModeBoxInterface(static_cast<ModeBox*>(object));
    if (className == QLatin1String("ChartView"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Chart);
    return nullptr;
}

}

void installFormAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(formAccessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
