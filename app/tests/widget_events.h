#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <functional>

// Synthetic user input delivered straight to a widget, as the window system
// would deliver it.
namespace widget_events {

inline void mouse(QWidget* widget, QEvent::Type type, QPoint pos)
{
    const QPointF local(pos);
    const QPointF global(widget->mapToGlobal(pos));
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, local, global, Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

inline QPoint centre(QWidget* widget) { return widget->rect().center(); }

inline void click(QWidget* widget, QPoint pos)
{
    mouse(widget, QEvent::MouseButtonPress, pos);
    mouse(widget, QEvent::MouseButtonRelease, pos);
}

inline void click(QWidget* widget) { click(widget, centre(widget)); }

// A double-click arrives as press, release, double-click, release.
inline void doubleClick(QWidget* widget)
{
    click(widget);
    mouse(widget, QEvent::MouseButtonDblClick, centre(widget));
    mouse(widget, QEvent::MouseButtonRelease, centre(widget));
}

inline void key(QWidget* widget, int key, const QString& text = QString())
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
}

inline void type(QWidget* widget, const QString& text)
{
    for (QChar c : text)
        key(widget, c == QLatin1Char('.') ? Qt::Key_Period : Qt::Key_unknown, QString(c));
}

// Runs `answer` on the next modal dialog, also one opened while a window is
// still being created.
inline void whenModalOpens(std::function<void(QWidget*)> answer)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            answer(modal);
        }
    });
    timer->start(10);
}

}
