#include "app/StartUp.h"

#include "app/ListSamplingPlansWindow.h"
#include "app/MainMDIWindow.h"
#include "platform/EntryFieldLimit.h"
#include "platform/HelpKey.h"
#include "platform/SharedIconStyle.h"
#include "platform/UserInteraction.h"
#include "platform/WindowFit.h"
#include "standards/StandardPlanClasses.h"

#include <QFileInfo>
#include <csignal>

namespace Brosquin
{

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try
    {
        return QApplication::notify(receiver, event);
    }
    catch (const std::exception& exception)
    {
        vdShowException(exception);
    }
    return false;
}

void vdShowException(const std::exception& exception)
{
    UserInteraction::Current().MessageBox(QString::fromLocal8Bit(exception.what()), QString(),
                                          MessageIcon::Error);
}

void vdSetUpApplication()
{
    // A write beyond the file-size limit (a quota, a container's limit) then fails and is
    // reported like a full disk, instead of ending the program and losing the session.
    std::signal(SIGXFSZ, SIG_IGN);
    QCoreApplication::setOrganizationName(QStringLiteral("Brosquin"));
    // Its name is the title. A display name would also be appended to every window's title.
    QCoreApplication::setApplicationName(QStringLiteral("Veltrame"));
    UserInteraction::Current().vdSetHelpFile(QStringLiteral(":/help"));
    vdInstallHelpKey();
    vdAddStandardPlanClasses();
    vdLimitEntryFields();
    vdShareStandardIcons();
    vdFitWindowsToScreen();
}

std::unique_ptr<TMainMDIWindow> CreateMainWindow(const QStringList& arguments)
{
    auto window = std::make_unique<TMainMDIWindow>();
    // Lives as long as the main window, among whose child windows it takes its place.
    new TListSamplingPlansWindow(*window);
    if (!arguments.isEmpty())
        // Shown and remembered by its full path, whatever the folder the program started in.
        window->vdOpenSessionFile(QFileInfo(arguments.constFirst()).absoluteFilePath());
    else
        window->NewSession();
    return window;
}

} // namespace Brosquin
