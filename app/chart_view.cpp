#include "chart_view.h"

#include "accessibility.h"
#include "chart/chart.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionFocusRect>

ChartView::ChartView(TChart& chart, QWidget* parent)
    : QWidget(parent)
    , m_chart(chart)
{
    installFormAccessibility();
    setObjectName(QStringLiteral("Chart1"));
    setFocusPolicy(Qt::TabFocus);
    // The chart paints every pixel of its bounds itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_chart.SetRepaintHandler([view = QPointer<ChartView>(this)] {
        if (view)
            view->update();
    });
}

void ChartView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_chart.RenderChart(painter, rect());
    if (hasFocus()) {
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        frame.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
    }
}

void ChartView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_chart.SetSize(width(), height());
}

void ChartView::contextMenuEvent(QContextMenuEvent* event)
{
    if (m_popupMenu)
        m_popupMenu->popup(event->globalPos());
}
