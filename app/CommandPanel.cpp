#include "app/CommandPanel.h"

#include "platform/UserInteraction.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace Brosquin
{

QWidget* AddCommandPanel(QWidget& window, QWidget* body, int panelHeight)
{
    auto* panel = new QWidget(&window);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFixedHeight(panelHeight);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(body);
    layout->addWidget(panel);
    return panel;
}

QPushButton* AddCommandButton(QWidget* panel, const char* name, const QIcon& icon,
                              const QString& caption, const QRect& place, const QString& hint,
                              const std::function<void()>& command, int helpContext)
{
    auto* button = new QPushButton(icon, caption, panel);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(place);
    button->setToolTip(hint);
    if (command)
        QObject::connect(button, &QPushButton::clicked, button, command);
    else
        QObject::connect(button, &QPushButton::clicked, button,
                         [helpContext]
                         { UserInteraction::Current().vdShowHelpTopic(helpContext); });
    return button;
}

} // namespace Brosquin
