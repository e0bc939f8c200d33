#include "report/preview/screen_fit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <optional>

namespace {

// Where a span of `length` starting at `start` goes on the area's span: kept
// when it fits, else moved back in, never before the area's start.
int fittedStart(int start, int length, int areaStart, int areaLength)
{
    return std::max(areaStart, std::min(start, areaStart + areaLength - length));
}

QMargins frameMargins(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return QMargins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
        frame.bottom() - client.bottom());
}

// Fits the window as it is shown, with the frame known so far (none, under
// most window managers), and once more when the window manager has framed
// it. While it frames the window, the window passes through positions of
// the manager's making: the second fit starts again from the place the
// first one chose.
class ScreenFit : public QObject {
public:
    explicit ScreenFit(QWidget& window)
        : QObject(&window)
        , m_window(window)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &m_window)
            return QObject::eventFilter(watched, event);
        if (event->type() == QEvent::Show && !m_wanted)
            m_wanted = fit(m_window.geometry(), frameMargins(m_window));
        else if (framingEvent(event->type()) && m_wanted && !frameMargins(m_window).isNull()) {
            fit(*m_wanted, frameMargins(m_window));
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // The manager moves a window into its frame, or frames it where it
    // stands; in both cases the frame is known by the window's first paint.
    static bool framingEvent(QEvent::Type type) { return type == QEvent::Move || type == QEvent::Paint; }

    QRect fit(const QRect& wanted, const QMargins& frame)
    {
        const QScreen* screen = m_window.screen() ? m_window.screen() : QGuiApplication::primaryScreen();
        if (!screen)
            return wanted;
        const QRect fitted = fitOnScreen(wanted, frame, screen->availableGeometry());
        if (fitted.size() != m_window.size())
            m_window.resize(fitted.size());
        if (fitted.topLeft() != m_window.geometry().topLeft())
            m_window.move(fitted.topLeft() - QPoint(frame.left(), frame.top()));
        return fitted;
    }

    QWidget& m_window;
    std::optional<QRect> m_wanted;
};

} // namespace

QRect fitOnScreen(const QRect& wanted, const QMargins& frame, const QRect& available)
{
    const int frameWidth = frame.left() + frame.right();
    const int frameHeight = frame.top() + frame.bottom();
    const int width = std::max(1, std::min(wanted.width(), available.width() - frameWidth));
    const int height = std::max(1, std::min(wanted.height(), available.height() - frameHeight));
    const int frameLeft
        = fittedStart(wanted.left() - frame.left(), width + frameWidth, available.left(), available.width());
    const int frameTop
        = fittedStart(wanted.top() - frame.top(), height + frameHeight, available.top(), available.height());
    return QRect(frameLeft + frame.left(), frameTop + frame.top(), width, height);
}

void keepOnScreenWhenShown(QWidget& window) { window.installEventFilter(new ScreenFit(window)); }
