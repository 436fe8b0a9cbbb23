#pragma once

#include <QApplication>
#include <QStringList>
#include <exception>
#include <memory>

namespace Brosquin
{

class TMainMDIWindow;

// The application object: an exception that leaves a command is shown to the user and the
// program goes on with its message loop.
class Application : public QApplication
{
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Shows what went wrong in an error box.
void vdShowException(const std::exception& exception);

// Sets the title, the organisation the settings are kept under, the help file and the help key
// of the dialogs, limits the entry fields to what a session file keeps, fits every window into
// the screen as it shows, and has a write beyond the file-size limit fail instead of ending the
// program.
void vdSetUpApplication();

// Creates the main window and, when the arguments name a file, opens it as a session file;
// otherwise starts an empty session.
std::unique_ptr<TMainMDIWindow> CreateMainWindow(const QStringList& arguments);

} // namespace Brosquin
