#pragma once

#include <QIcon>
#include <QRect>
#include <QString>
#include <functional>

class QPushButton;
class QWidget;

namespace Brosquin
{

// Lays a child window out as its body above a panel of command buttons along the bottom edge;
// returns the panel, named "Panel1". The buttons keep their places; in a window too narrow for
// them the panel scrolls sideways.
QWidget* AddCommandPanel(QWidget& window, QWidget* body, int panelHeight);

// A button of such a panel at its place, with its hint as tool tip and status tip. A click runs
// the command; a button without one is the window's help button and opens the help topic.
QPushButton* AddCommandButton(QWidget* panel, const char* name, const QIcon& icon,
                              const QString& caption, const QRect& place, const QString& hint,
                              const std::function<void()>& command, int helpContext);

} // namespace Brosquin
