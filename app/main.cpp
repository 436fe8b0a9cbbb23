// Veltrame: design, evaluate and compare acceptance sampling plans.
#include "app/MainMDIWindow.h"
#include "app/SplashWindow.h"
#include "app/StartUp.h"

int main(int argc, char* argv[])
{
    Brosquin::Application application(argc, argv);
    try
    {
        // Shown before the rest starts up; it closes itself once the message loop runs.
        auto* splash = new Brosquin::TSplashWindow;
        splash->show();
        splash->repaint();
        Brosquin::vdSetUpApplication();
        const auto window = Brosquin::CreateMainWindow(QCoreApplication::arguments().mid(1));
        window->showMaximized();
        return QApplication::exec();
    }
    catch (const std::exception& exception)
    {
        Brosquin::vdShowException(exception);
    }
    return 1;
}
