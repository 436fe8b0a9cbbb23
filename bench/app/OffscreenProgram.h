#pragma once

#include "app/ListSamplingPlansWindow.h"
#include "app/MainMDIWindow.h"
#include "app/StartUp.h"
#include "plans/DefectivesSingleSamplingPlan.h"
#include "plans/SamplingPlanSession.h"

#include <QSettings>
#include <QTemporaryDir>
#include <memory>
#include <string>

namespace Brosquin
{

// The application offscreen with a main window whose session holds that many checked single
// plans for defective units, n = 20, 40, 60, ... The user's own settings are left alone.
struct OffscreenProgram
{
    explicit OffscreenProgram(int plans)
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<Application>(argc, argv);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        vdSetUpApplication();
        window = CreateMainWindow({});
        window->resize(1200, 800);
        window->show();
        list = window->findChild<TListSamplingPlansWindow*>();
        for (int plan = 1; plan <= plans; ++plan)
        {
            auto single = std::make_unique<DefectivesSingleSamplingPlan>();
            const std::string n = std::to_string(20 * plan);
            const std::string a = std::to_string(plan / 2);
            single->vdDescribe(n.c_str(), a.c_str(), 0, false, "");
            list->Session().vdAddPlan(std::move(single));
        }
        list->vdRefreshList(1);
    }
    ~OffscreenProgram() { window.reset(); }

    int argc = 1;
    char name[10] = "benchmark";
    char* argv[2] = {name, nullptr};
    QTemporaryDir settings;
    std::unique_ptr<Application> application;
    std::unique_ptr<TMainMDIWindow> window;
    TListSamplingPlansWindow* list = nullptr;
};

} // namespace Brosquin
