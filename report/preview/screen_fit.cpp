#include "report/preview/screen_fit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

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

// Applies the fit while the window is shown, until it has been placed with
// its real frame.
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
        const QEvent::Type type = event->type();
        if (watched == &m_window && (type == QEvent::Show || (m_shown && type == QEvent::Move)))
            fit(type == QEvent::Move);
        return QObject::eventFilter(watched, event);
    }

private:
    void fit(bool framePlaced)
    {
        m_shown = true;
        const QScreen* screen = m_window.screen() ? m_window.screen() : QGuiApplication::primaryScreen();
        if (screen) {
            const QMargins frame = frameMargins(m_window);
            const QRect fitted = fitOnScreen(m_window.geometry(), frame, screen->availableGeometry());
            if (fitted.size() != m_window.size())
                m_window.resize(fitted.size());
            if (fitted.topLeft() != m_window.geometry().topLeft())
                m_window.move(fitted.topLeft() - QPoint(frame.left(), frame.top()));
            if (framePlaced && !frame.isNull())
                deleteLater();
        }
    }

    QWidget& m_window;
    bool m_shown = false;
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
