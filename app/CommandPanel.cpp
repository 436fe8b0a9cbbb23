#include "app/CommandPanel.h"

#include "platform/UserInteraction.h"

#include <QPushButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace Brosquin
{

namespace
{

// The strip that holds a panel of buttons at their design places: in a window narrower than the
// row of buttons it scrolls sideways, and grows by its scroll bar so that none is covered.
class CommandStrip : public QScrollArea
{
public:
    CommandStrip(QWidget* window, QWidget* panel, int panelHeight)
        : QScrollArea(window), panel(panel), panelHeight(panelHeight)
    {
        setObjectName(QStringLiteral("CommandStrip"));
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        setBackgroundRole(QPalette::Window);
        viewport()->setBackgroundRole(QPalette::Window);
        setWidget(panel);
        setFixedHeight(panelHeight);
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        // The buttons are placed after the strip is made: the row is as wide as they reach, with
        // the margin they keep at the left.
        const QRect buttons = panel->childrenRect();
        panel->setMinimumWidth(buttons.right() + 1 + buttons.left());
        const bool bScrolls = event->size().width() < panel->minimumWidth();
        setFixedHeight(panelHeight + (bScrolls ? horizontalScrollBar()->sizeHint().height() : 0));
        QScrollArea::resizeEvent(event);
    }

private:
    QWidget* panel;
    int panelHeight;
};

} // namespace

QWidget* AddCommandPanel(QWidget& window, QWidget* body, int panelHeight)
{
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("Panel1"));
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(body);
    layout->addWidget(new CommandStrip(&window, panel, panelHeight));
    return panel;
}

QPushButton* AddCommandButton(QWidget* panel, const char* name, const QIcon& icon,
                              const QString& caption, const QRect& place, const QString& hint,
                              const std::function<void()>& command, int helpContext)
{
    auto* button = new QPushButton(icon, caption, panel);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(place);
    // The hint shows as the tool tip and in the status line, as the menu items' do.
    button->setToolTip(hint);
    button->setStatusTip(hint);
    if (command)
        QObject::connect(button, &QPushButton::clicked, button, command);
    else
        QObject::connect(button, &QPushButton::clicked, button,
                         [helpContext]
                         { UserInteraction::Current().vdShowHelpTopic(helpContext); });
    return button;
}

} // namespace Brosquin
