#pragma once

#include <QTableWidget>

namespace Brosquin
{

class TListSamplingPlansWindow;

// The table of the plan list window. A row dragged within it is dropped on another row to move
// that plan there; drags from anywhere else are refused. The window decides what a drop does.
// A cell too narrow for its text shows the whole text as its tool tip.
class PlanListView : public QTableWidget
{
    Q_OBJECT

public:
    PlanListView(TListSamplingPlansWindow& window, QWidget* parent);

protected:
    bool viewportEvent(QEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    TListSamplingPlansWindow& window;
};

} // namespace Brosquin
