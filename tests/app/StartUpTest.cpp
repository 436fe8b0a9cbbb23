#include "app/MainMDIWindow.h"
#include "tests/app/AppTest.h"
#include "tests/plans/SessionFileText.h"

#include <QAction>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

namespace Brosquin
{
namespace
{

using StartUpTest = AppTest;

TEST_F(StartUpTest, SetsTheTitleAndTheHelpFile)
{
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "Veltrame");
    EXPECT_EQ(QCoreApplication::organizationName(), "Brosquin");
    EXPECT_EQ(user.HelpFile(), ":/help");
    EXPECT_TRUE(QFile::exists(user.HelpFile() + "/contents.html"));
}

TEST_F(StartUpTest, WithoutArgumentsStartsAnUntitledSessionWithoutAsking)
{
    const auto window = CreateMainWindow({});
    EXPECT_EQ(window->windowTitle(), "Veltrame - [untitled]");
    EXPECT_FALSE(window->IsSessionModified());
    EXPECT_TRUE(user.Messages().empty());
}

TEST_F(StartUpTest, AMissingFileIsReportedAndLeftOutOfTheRecentFiles)
{
    const QString missing = settingsFolder.filePath("gone.vlx");
    StoredSettings().setValue("1", missing);
    StoredSettings().setValue("2", "/elsewhere/kept.vlx");
    // A folder is no session file either.
    for (const QString& path : {missing, settingsFolder.path()})
    {
        user.vdClearRecords();
        const auto window = CreateMainWindow({path, "/ignored/second.vlx"});
        ASSERT_EQ(user.Messages().size(), 1u);
        const MessageRequest& message = user.Messages().front();
        EXPECT_EQ(message.text, "Could not find file.");
        EXPECT_EQ(message.caption, "Veltrame");
        EXPECT_EQ(message.icon, MessageIcon::Exclamation);
        EXPECT_EQ(message.buttons, MessageButtons::Ok);
        EXPECT_EQ(window->windowTitle(), "Veltrame - [untitled]");
        EXPECT_FALSE(window->IsSessionModified());
    }
    EXPECT_EQ(StoredSettings().value("1").toString(), "/elsewhere/kept.vlx");
    EXPECT_FALSE(StoredSettings().contains("2"));
}

TEST_F(StartUpTest, AMissingFileLeavesTheStoredDefinitionsAndUnitsInForce)
{
    {
        QSettings stored = StoredSettings();
        stored.setValue("AQL Probability", "0.99");
        stored.setValue("LTPD Probability", "0.05");
        stored.setValue("LTPD Symbol", 1);
        stored.setValue("Units Defectives", 2);
        stored.setValue("Units Defects", 0);
    }
    const auto window = CreateMainWindow({settingsFolder.filePath("gone.vlx")});
    EXPECT_STREQ(SamplingPlan::PaAtAQLText().Text(), "0.99");
    EXPECT_STREQ(SamplingPlan::PaAtLTPDText().Text(), "0.05");
    EXPECT_EQ(SamplingPlan::SymbolIndex(), 1);
    EXPECT_STREQ(SamplingPlan::CurrentUnitsName(SamplingPlan::DefectiveUnits),
                 "Defectives per Million");
    EXPECT_EQ(window->findChild<QAction*>("OptionsDefinitionsItem")->text(),
              "&Definitions of AQL and LQ...");
}

// A session named on the command line is read before the main window shows; its windows are
// kept inside the area on every side once the area has the size it shows with, as File > Open
// keeps them.
TEST_F(StartUpTest, TheWindowsOfASessionOnTheCommandLineAreKeptInsideTheArea)
{
    {
        QFile file(settingsFolder.filePath("far.vlx"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(
            OnePlanSessionFileText({0, 2000, 3000, 348, 922}, {0, 2500, 2500, 480, 857})));
    }
    const auto window = CreateMainWindow({settingsFolder.filePath("far.vlx")});
    ASSERT_TRUE(user.Messages().empty());
    // Shown at one size and then at another before it is painted, as a window manager may do.
    window->resize(700, 500);
    window->show();
    window->resize(1200, 800);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const QRect area = window->MdiArea()->viewport()->rect();
    const QList<QMdiSubWindow*> children = window->MdiArea()->subWindowList();
    ASSERT_EQ(children.size(), 2);
    for (const QMdiSubWindow* child : children)
    {
        EXPECT_EQ(child->geometry().right(), area.right());
        EXPECT_EQ(child->geometry().bottom(), area.bottom());
    }
    EXPECT_EQ(children[0]->size(), QSize(922, 348));
    EXPECT_EQ(children[1]->size(), QSize(857, 480));
}

TEST_F(StartUpTest, AnExceptionOfACommandIsShownAsAnError)
{
    vdShowException(std::runtime_error("Out of paper"));
    ASSERT_EQ(user.Messages().size(), 1u);
    EXPECT_EQ(user.Messages().front().text, "Out of paper");
    EXPECT_EQ(user.Messages().front().icon, MessageIcon::Error);
}

} // namespace
} // namespace Brosquin
