#include "app/PlanListView.h"

#include "app/ListSamplingPlansWindow.h"

#include <QDropEvent>
#include <QHelpEvent>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QToolTip>

namespace Brosquin
{

namespace
{

// Centres the text of every cell but the check boxes. Set here once rather than on each item,
// where it would cost every row of a large session a role of its own.
class CentredTextDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!index.flags().testFlag(Qt::ItemIsUserCheckable))
            option->displayAlignment = Qt::AlignCenter;
    }
};

} // namespace

PlanListView::PlanListView(TListSamplingPlansWindow& listWindow, QWidget* parent)
    : QTableWidget(parent), window(listWindow)
{
    setDragEnabled(true);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDropIndicatorShown(true);
    setDefaultDropAction(Qt::MoveAction);
    setItemDelegate(new CentredTextDelegate(this));
}

bool PlanListView::viewportEvent(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QTableWidget::viewportEvent(event);
    const auto* help = static_cast<const QHelpEvent*>(event);
    const QModelIndex index = indexAt(help->pos());
    const QString text = index.data(Qt::DisplayRole).toString();
    // The room the style leaves a cell's text, within a margin on either side.
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    const QRect cell = visualRect(index);
    if (fontMetrics().horizontalAdvance(text) > cell.width() - 2 * margin)
        QToolTip::showText(help->globalPos(), text, viewport(), cell);
    else
        QToolTip::hideText();
    return true;
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
