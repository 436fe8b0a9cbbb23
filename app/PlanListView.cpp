#include "app/PlanListView.h"

#include "app/ListSamplingPlansWindow.h"

#include <QDropEvent>

namespace Brosquin
{

PlanListView::PlanListView(TListSamplingPlansWindow& listWindow, QWidget* parent)
    : QTableWidget(parent), window(listWindow)
{
    setDragEnabled(true);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDropIndicatorShown(true);
    setDefaultDropAction(Qt::MoveAction);
}

void PlanListView::startDrag(Qt::DropActions supportedActions)
{
    window.OnStartDrag();
    QTableWidget::startDrag(supportedActions);
    window.OnEndDrag();
}

void PlanListView::dragEnterEvent(QDragEnterEvent* event)
{
    if (window.OnDragOver())
        event->acceptProposedAction();
    else
        event->ignore();
}

void PlanListView::dragMoveEvent(QDragMoveEvent* event)
{
    if (window.OnDragOver())
    {
        QTableWidget::dragMoveEvent(event);
        event->acceptProposedAction();
    }
    else
    {
        event->ignore();
    }
}

void PlanListView::dropEvent(QDropEvent* event)
{
    // The rows are rebuilt from the session, never moved by the view itself.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    stopAutoScroll();
    if (window.OnDragOver())
        window.OnDragDrop(rowAt(event->position().toPoint().y()));
}

} // namespace Brosquin
