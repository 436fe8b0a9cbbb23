#include "app/EvaluationWindow.h"
#include "graphics/Plot.h"
#include "plans/DefectivesSingleSamplingPlan.h"
#include "plans/DefectsPerQuantitySingleSamplingPlan.h"
#include "plans/DefectsPerUnitSingleSamplingPlan.h"
#include "plans/SamplingPlanEvaluationList.h"
#include "plans/SessionFile.h"
#include "tests/app/EvaluationRoadTest.h"
#include "widgets/DisplayControl.h"

#include <QDir>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QTabWidget>
#include <csignal>
#include <locale>
#include <sys/resource.h>
#include <sys/stat.h>

namespace Brosquin
{
namespace
{

// Numbers written with a decimal comma and grouped thousands.
struct CommaNumbers : std::numpunct<char>
{
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

template <class Plan>
std::unique_ptr<SamplingPlan> Single(const char* n, const char* a, const char* lot = nullptr)
{
    auto plan = std::make_unique<Plan>();
    plan->vdDescribe(n, a, 0, lot != nullptr, lot ? lot : "");
    return plan;
}

// Files may grow to no more than a few bytes while it lives, as under a quota. A write beyond
// the limit raises a signal that ends the process unless it is ignored: the program's start-up
// ignores it, and is run again here after the signal was given its default action.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_DFL);
        vdSetUpApplication();
        getrlimit(RLIMIT_FSIZE, &saved);
        const rlimit limit{bytes, saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved); }

private:
    rlimit saved{};
};

class SessionFileCommandsTest : public EvaluationRoadTest
{
protected:
    void SetUp() override
    {
        EvaluationRoadTest::SetUp();
        ASSERT_TRUE(folder.isValid());
        // Blanks, an ampersand and a letter beyond ASCII in the names the program handles.
        ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("Lots & Tests \u00e9")));
    }

    QString PathOf(const QString& name) const
    {
        return folder.filePath(QStringLiteral("Lots & Tests \u00e9/") + name);
    }

    static QByteArray Contents(const QString& path)
    {
        QFile file(path);
        return !path.isEmpty() && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static void vdWrite(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // Plans of every kind, other definitions, units and costs, the plan list moved and two
    // evaluation windows with settings of their own: the whole of what a file keeps.
    void vdBuildSession()
    {
        String message;
        ASSERT_EQ(SamplingPlan::ValidateRiskLevels("0.90", "0.05", 2, message), 0);
        DefectivesSamplingPlan::Units().SetCurrentIndex(0);
        DefectsPerUnitSamplingPlan::Units().SetCurrentIndex(2);
        ASSERT_EQ(SamplingPlan::SetCostParameters("Co\xFBt \"total\"", "0.5", "12", message), 0);
        window->vdUpdateDefinitions();
        window->vdUpdateUnits();
        window->vdUpdateCostParameters();
        const auto add = [this](std::unique_ptr<SamplingPlan> plan, bool checked)
        {
            plan->vdSetChecked(checked);
            Session().vdAddPlan(std::move(plan));
        };
        add(Single<DefectivesSingleSamplingPlan>("50", "1"), true);
        add(Single<DefectsPerUnitSingleSamplingPlan>("13", "0", "200"), false);
        auto quantity = std::make_unique<DefectsPerQuantitySingleSamplingPlan>();
        quantity->vdDescribe("2.5", "1", "M\xE8tre \"carr\xE9\"", 0, false, "");
        add(std::move(quantity), false);
        add(Single<DefectivesSingleSamplingPlan>("125", "3", "2000"), true);
        list->vdRefreshList(1);
        list->SubWindow()->setGeometry(30, 40, 700, 260);
        table->setColumnWidth(2, 300);

        TEvaluationWindow* first = Evaluate();
        ASSERT_NE(first, nullptr);
        first->WorstCaseOcCurvesItem()->trigger();
        first->Component(TEvaluationWindow::ASNCurvePage)->vdSetSizeMode(SizeMode::Size150);
        first->Component(TEvaluationWindow::TablePage)->vdSetSizeMode(SizeMode::Size50);
        first->EvaluationList()->OCPlot()->vdSetMainTitle("Lots \"A\" & \xE9");
        ASSERT_EQ(first->EvaluationList()->SetRange("0.001", "0.05", "4", message), 0);
        first->PageControl()->setCurrentIndex(TEvaluationWindow::TablePage);
        first->SubWindow()->setGeometry(60, 10, 640, 420);
        Session().Plan(1)->vdSetChecked(false);
        Session().Plan(4)->vdSetChecked(false);
        Session().Plan(3)->vdSetChecked(true);
        TEvaluationWindow* third = Evaluate();
        ASSERT_NE(third, nullptr);
        third->PageControl()->setCurrentIndex(TEvaluationWindow::PercentilesPage);
        third->SubWindow()->showMaximized();
    }

    // What a person sees of the session: captions, rows and windows, in stacking order.
    QStringList Shown() const
    {
        QStringList shown{window->windowTitle(),
                          window->IsSessionModified() ? QStringLiteral("modified") : QString(),
                          QLatin1String(SamplingPlan::PaAtAQLText().Text())};
        for (int row = 0; row < table->rowCount(); ++row)
            shown.append(Row(row).join(QLatin1Char('|')));
        for (QMdiSubWindow* sub : window->MdiArea()->subWindowList(QMdiArea::StackingOrder))
            if (auto* evaluation = qobject_cast<TEvaluationWindow*>(sub->widget());
                evaluation && evaluation->EvaluationList())
                shown.append(QStringLiteral("%1 plans on page %2")
                                 .arg(evaluation->EvaluationList()->Count())
                                 .arg(evaluation->PageControl()->currentIndex()));
        return shown;
    }

    // Saves through Save As; true when the file was written.
    bool SaveAs(const QString& path)
    {
        user.vdQueueFileName(path);
        Item("FileSaveAsItem")->trigger();
        return !window->IsSessionModified();
    }

    // The recent files as the File menu lists them.
    QStringList RecentFiles() const
    {
        static const QRegularExpression entry(QStringLiteral("^&[1-9] (.*)$"));
        QStringList names;
        for (const QAction* item : window->menuBar()->findChild<QMenu*>("File")->actions())
            if (const QRegularExpressionMatch match = entry.match(item->text()); match.hasMatch())
                names.append(match.captured(1).replace(QStringLiteral("&&"), QStringLiteral("&")));
        return names;
    }

    QTemporaryDir folder;
};

TEST_F(SessionFileCommandsTest, ASavedSessionOpensAsItWasAndSavesTheSameBytes)
{
    vdBuildSession();
    const QString path = PathOf(QStringLiteral("session one.vlx"));
    ASSERT_TRUE(SaveAs(path));
    ASSERT_EQ(user.FileDialogs().size(), 1u);
    const FileDialogRequest& dialog = user.FileDialogs().front().request;
    EXPECT_EQ(dialog.title, "Save File");
    EXPECT_EQ(dialog.fileName, "*.vlx");
    EXPECT_EQ(dialog.filter, "Veltrame (*.vlx)");
    EXPECT_EQ(dialog.defaultExtension, "vlx");
    // Qt adds the caption of the maximised child window.
    EXPECT_EQ(window->windowTitle(), "Veltrame - " + path + " - [Evaluation Window]");
    const QStringList before = Shown();
    const QByteArray saved = Contents(path);

    // Closed and opened again: the same session in the same windows, with no question.
    ASSERT_TRUE(window->NewSession());
    EXPECT_EQ(window->windowTitle(), "Veltrame - [untitled]");
    EXPECT_STREQ(SamplingPlan::PaAtAQLText().Text(), "0.95");
    user.vdClearRecords();
    user.vdQueueFileName(path);
    Item("FileOpenItem")->trigger();
    EXPECT_TRUE(user.Messages().empty());
    EXPECT_EQ(user.FileDialogs().front().request.title, "Open File");
    EXPECT_EQ(user.FileDialogs().front().request.fileName, "*.vlx");
    EXPECT_EQ(user.FileDialogs().front().request.filter, "Veltrame files (*.vlx)");
    EXPECT_EQ(Shown(), before);
    EXPECT_EQ(list->SubWindow()->geometry(), QRect(30, 40, 700, 260));
    EXPECT_EQ(table->columnWidth(2), 300);
    EXPECT_EQ(window->MdiArea()->activeSubWindow(),
              window->MdiArea()->subWindowList(QMdiArea::StackingOrder).back());
    const std::vector<TEvaluationWindow*> windows = EvaluationWindows();
    ASSERT_EQ(windows.size(), 2u);
    EXPECT_FALSE(windows[0]->WorstCaseOcCurvesItem()->isChecked());
    EXPECT_EQ(windows[0]->Component(TEvaluationWindow::ASNCurvePage)->Size(), SizeMode::Size150);
    EXPECT_EQ(windows[0]->EvaluationList()->TableIntervals().dValue(), 4);
    EXPECT_TRUE(windows[1]->SubWindow()->isMaximized());

    // Written again, also where numbers carry decimal commas: byte for byte the same file.
    const std::locale global =
        std::locale::global(std::locale(std::locale::classic(), new CommaNumbers));
    const QString again = PathOf(QStringLiteral("again.vlx"));
    const bool written = SaveAs(again);
    std::locale::global(global);
    ASSERT_TRUE(written);
    EXPECT_EQ(Contents(again), saved);
    EXPECT_EQ(RecentFiles(), QStringList{path}) << "the file before is the first recent file";

    // Named on the command line from its folder, the file opens under its full name.
    window.reset();
    const QString startedIn = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(PathOf(QString())));
    window = CreateMainWindow({QStringLiteral("session one.vlx")});
    QDir::setCurrent(startedIn);
    list = window->findChild<TListSamplingPlansWindow*>();
    table = list->findChild<QTableWidget*>(QStringLiteral("ListSamplingPlans"));
    window->resize(1200, 800);
    window->show();
    EXPECT_EQ(Shown(), before);
    EXPECT_TRUE(window->grab().save(QStringLiteral(VELTRAME_ARTIFACT_DIR "/session-opened.png")));
}

// A session saved while the area was scrolled keeps the places of its windows in the area's
// contents, and every window opens again with its title bar in view, also one that lay beyond
// the visible part.
TEST_F(SessionFileCommandsTest, WindowsSavedWhileTheAreaIsScrolledReopenInView)
{
    vdEnterSinglePlan(SamplingPlan::DefectiveUnits, {"50", "1"});
    TEvaluationWindow* evaluation = Evaluate();
    ASSERT_NE(evaluation, nullptr);
    QMdiArea* area = window->MdiArea();
    evaluation->SubWindow()->move(300, 900);
    QTest::qWait(20);
    area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
    ASSERT_LT(list->SubWindow()->y(), 0) << "the plan list is scrolled out of view";

    const QString path = PathOf(QStringLiteral("scrolled.vlx"));
    ASSERT_TRUE(SaveAs(path));
    const QByteArray saved = Contents(path);
    EXPECT_TRUE(saved.contains("\n1 0 20 20 348 922 ")) << saved.toStdString();

    ASSERT_TRUE(window->NewSession());
    window->vdOpenSessionFile(path);
    QTest::qWait(20);
    ASSERT_EQ(area->subWindowList().size(), 2);
    for (const QMdiSubWindow* sub : area->subWindowList())
    {
        const int titleBar = sub->style()->pixelMetric(QStyle::PM_TitleBarHeight);
        EXPECT_TRUE(
            area->viewport()->rect().contains(QRect(sub->pos(), QSize(sub->width(), titleBar))))
            << sub->windowTitle().toStdString() << " at " << sub->y();
    }
}

TEST_F(SessionFileCommandsTest, TheSaveQuestionSavesGoesOnOrStops)
{
    const QString named = PathOf(QStringLiteral("named.vlx"));
    const QString chosen = PathOf(QStringLiteral("chosen.vlx"));
    const QString other = PathOf(QStringLiteral("other.vlx"));
    ASSERT_TRUE(SaveAs(other));
    // A session changed since it was saved under a name, or never saved; the answers; what the
    // command does.
    const struct
    {
        bool titled;
        MessageAnswer answer;
        std::optional<QString> saveAs;
        bool goesOn;
        bool saved;
    } steps[] = {
        {true, MessageAnswer::Yes, std::nullopt, true, true},
        {false, MessageAnswer::Yes, std::nullopt, false, false}, // the dialog cancelled
        {false, MessageAnswer::Yes, chosen, true, true},
        {false, MessageAnswer::Yes, folder.filePath(QStringLiteral("missing/x.vlx")), false, false},
        {true, MessageAnswer::No, std::nullopt, true, false},
        {true, MessageAnswer::Cancel, std::nullopt, false, false},
    };
    enum Command
    {
        New,
        Open,
        Quit
    };
    for (const Command command : {New, Open, Quit})
        for (const auto& step : steps)
        {
            const std::string at = std::to_string(command) + " " + std::to_string(&step - steps);
            window->vdSetSessionModified();
            user.vdQueueAnswer(MessageAnswer::No);
            ASSERT_TRUE(window->NewSession());
            Session().vdAddPlan(std::make_unique<DefectivesSingleSamplingPlan>());
            if (step.titled)
            {
                ASSERT_TRUE(SaveAs(named));
            }
            Session().vdAddPlan(std::make_unique<DefectivesSingleSamplingPlan>());
            list->vdRefreshList(1);
            QFile::remove(chosen);
            const QString target = step.titled ? named : step.saveAs.value_or(QString());
            const QByteArray before = Contents(target);
            user.vdClearRecords();
            user.vdQueueAnswer(step.answer);
            if (!step.titled)
                user.vdQueueFileName(step.saveAs);
            bool goesOn = false;
            if (command == New)
                goesOn = window->NewSession();
            else if (command == Open)
            {
                window->vdOpenSessionFile(other);
                goesOn = window->windowTitle() == "Veltrame - " + other;
            }
            else
            {
                goesOn = window->close();
                window->show();
            }
            EXPECT_EQ(goesOn, step.goesOn) << at;
            EXPECT_EQ(MessageTexts().value(0), "Do you want to save current session first?") << at;
            EXPECT_EQ(Contents(target) != before && !Contents(target).isEmpty(), step.saved) << at;
            EXPECT_EQ(Session().Count(), step.goesOn ? 0u : 2u) << at;
        }
}

TEST_F(SessionFileCommandsTest, AFailedSaveKeepsTheOldFileAndTheSession)
{
    vdBuildSession();
    const QString path = PathOf(QStringLiteral("kept.vlx"));
    vdWrite(path, "old contents");
    ASSERT_TRUE(SaveAs(PathOf(QStringLiteral("first.vlx"))));
    window->vdSetSessionModified();
    user.vdClearRecords();

    EXPECT_FALSE(window->SaveSessionFile(folder.filePath(QStringLiteral("missing/kept.vlx"))));
    {
        const FileSizeLimit full(100);
        EXPECT_FALSE(window->SaveSessionFile(path));
        // A new session stops when the save it asked for fails.
        user.vdQueueAnswer(MessageAnswer::Yes);
        EXPECT_FALSE(window->NewSession());
    }
    EXPECT_EQ(MessageTexts(),
              (QStringList{"File could not be opened for output.  May be write protected.",
                           "File could not be written.  Disk may be full.",
                           "Do you want to save current session first?",
                           "File could not be written.  Disk may be full."}));
    EXPECT_EQ(Contents(path), "old contents");
    EXPECT_EQ(QDir(PathOf(QString())).entryList(QDir::Files).size(), 2) << "no file left behind";
    EXPECT_TRUE(window->IsSessionModified());
    // Save under the name does not change the caption.
    Item("FileSaveItem")->trigger();
    EXPECT_EQ(window->windowTitle(),
              "Veltrame - " + PathOf(QStringLiteral("first.vlx")) + " - [Evaluation Window]");
    EXPECT_FALSE(window->IsSessionModified());
}

// The plans of a person who merged, fifteen times, a file of a thousand plans whose unit is the
// longest text an entry field takes: the last merge and an evaluation are refused, and Save
// writes no session that a file could not hold.
TEST_F(SessionFileCommandsTest, NoCommandTakesTheSessionBeyondWhatSaveMayWrite)
{
    auto plan = std::make_unique<DefectsPerQuantitySingleSamplingPlan>();
    plan->vdDescribe("2.5", "1", std::string(LongestToken, 'u').c_str(), 0, false, "");
    Session().vdAddPlan(std::unique_ptr<SamplingPlan>(plan->Clone()));
    list->vdRefreshList(1);
    const QString merged = PathOf(QStringLiteral("one plan.vlx"));
    ASSERT_TRUE(SaveAs(merged));
    const QString kept = PathOf(QStringLiteral("kept.vlx"));
    vdWrite(kept, "old contents");
    plan->vdSetChecked(false);
    while (HasRoomFor(Session(), SamplingPlanSession::PlanLineBytes(*plan)))
        Session().vdAddPlan(std::unique_ptr<SamplingPlan>(plan->Clone()));
    const std::uint32_t plans = Session().Count();
    EXPECT_GT(plans, 16000u);

    user.vdClearRecords();
    user.vdQueueFileName(merged);
    Item("FileMergeItem")->trigger();
    Item("PlansEvaluateItem")->trigger();
    EXPECT_EQ(MessageTexts(), QStringList(2, QLatin1String(SessionFileWouldBeTooLarge)));
    EXPECT_EQ(Session().Count(), plans);
    EXPECT_TRUE(EvaluationWindows().empty());
    EXPECT_EQ(Session().ListenerCount(), 0u);

    // Beyond what the commands allow: Save says so, and the file before stays as it was.
    Session().vdAddPlan(std::unique_ptr<SamplingPlan>(plan->Clone()));
    window->vdSetSessionModified();
    user.vdClearRecords();
    EXPECT_FALSE(SaveAs(kept));
    EXPECT_EQ(MessageTexts(), QStringList{QLatin1String(SessionFileTooLargeToSave)});
    EXPECT_EQ(Contents(kept), "old contents");
    EXPECT_TRUE(window->IsSessionModified());
    EXPECT_EQ(window->windowTitle(), "Veltrame - " + merged);
}

TEST_F(SessionFileCommandsTest, AFileThatCannotBeOpenedLeavesTheSessionAsItWas)
{
    vdBuildSession();
    const QString good = PathOf(QStringLiteral("good.vlx"));
    ASSERT_TRUE(SaveAs(good));
    const QByteArray file = Contents(good);
    const QString asked = "Do you want to save current session first?";
    // A file that is no session file, or one of a later version, is refused before the question.
    // Names of what is no plain file are refused before anything is read from them, a file
    // larger than a session file may be (sparse, so the disk is not filled) after its header.
    ASSERT_EQ(mkfifo(QFile::encodeName(PathOf(QStringLiteral("pipe.vlx"))).constData(), 0600), 0);
    ASSERT_TRUE(QDir(PathOf(QString())).mkdir(QStringLiteral("folder.vlx")));
    const QByteArray head = file.left(file.indexOf('\n', file.indexOf("\n1 0 ")));
    for (const auto& [name, start] : {std::pair{"large.vlx", head}, {"zeros.vlx", QByteArray()}})
    {
        QFile large(PathOf(QLatin1String(name)));
        ASSERT_TRUE(large.open(QIODevice::WriteOnly) && large.write(start) == start.size() &&
                    large.resize(LargestSessionFile + 1));
    }
    const QString notData = "File is not a Veltrame data file.";
    // The fifth line holds the number of plans.
    QByteArrayList crowded = file.split('\n');
    crowded[4] = "100001";
    const struct
    {
        QString name;
        QByteArray contents;
        QStringList messages;
        bool kept; // among the recent files
    } files[] = {
        {"missing.vlx", {}, {"Could not find file."}, false},
        {"pipe.vlx", {}, {notData}, false},
        {"folder.vlx", {}, {"Could not find file."}, false},
        {"large.vlx", {}, {"File is larger than the 64 MB a session file may hold."}, true},
        {"zeros.vlx", {}, {notData}, false},
        {"foreign.vlx", "\"VELTRAME\" 2.0 \n", {"File is not a Veltrame data file."}, false},
        {"newer.vlx",
         QByteArray(file).replace("2.0", "2.1"),
         {"File is from more recent version of Veltrame and cannot be read."},
         true},
        // A window of no known kind.
        {"corrupted.vlx",
         file.chopped(2) + "7\n",
         {asked, "File is corrupted and could not be read."},
         false},
        // More plans than any session holds: refused before they are read, and not damaged.
        {"crowded.vlx",
         crowded.join('\n'),
         {asked, "File holds more than Veltrame can show."},
         true},
    };
    for (const auto& [name, contents, messages, kept] : files)
    {
        const QString path = PathOf(name);
        if (!contents.isEmpty())
            vdWrite(path, contents);
        window.reset();
        StoredSettings().setValue("1", path);
        window = CreateMainWindow({});
        list = window->findChild<TListSamplingPlansWindow*>();
        table = list->findChild<QTableWidget*>(QStringLiteral("ListSamplingPlans"));
        window->show();
        vdBuildSession();
        const QStringList before = Shown();
        user.vdClearRecords();
        if (messages.front() == asked)
            user.vdQueueAnswer(MessageAnswer::No);
        window->vdOpenSessionFile(path);
        EXPECT_EQ(MessageTexts(), messages) << name.toStdString();
        EXPECT_EQ(Shown(), before) << name.toStdString();
        EXPECT_EQ(RecentFiles().contains(path), kept) << name.toStdString();
    }
}

TEST_F(SessionFileCommandsTest, ASaveAnsweredBeforeOpeningTheSameFileOpensWhatWasSaved)
{
    Session().vdAddPlan(std::make_unique<DefectivesSingleSamplingPlan>());
    list->vdRefreshList(1);
    const QString path = PathOf(QStringLiteral("same.vlx"));
    ASSERT_TRUE(SaveAs(path));
    Session().vdAddPlan(std::make_unique<DefectivesSingleSamplingPlan>());
    list->vdRefreshList(2);
    user.vdQueueAnswer(MessageAnswer::Yes);
    window->vdOpenSessionFile(path);
    EXPECT_EQ(Session().Count(), 2u);
    EXPECT_FALSE(window->IsSessionModified());
}

TEST_F(SessionFileCommandsTest, MergeAppendsCopiesOfThePlansOfAFile)
{
    vdBuildSession();
    const QString path = PathOf(QStringLiteral("merged.vlx"));
    Session().vdDeletePlan(4);
    window->vdUpdateEvaluationWindows();
    ASSERT_TRUE(SaveAs(path));
    ASSERT_TRUE(window->NewSession());
    Session().vdAddPlan(std::make_unique<DefectivesSingleSamplingPlan>());
    Session().vdAddPlan(std::make_unique<DefectivesSingleSamplingPlan>());
    list->vdRefreshList(2);
    const QString title = window->windowTitle();
    user.vdClearRecords();
    user.vdQueueFileName(path);
    Item("FileMergeItem")->trigger();
    EXPECT_EQ(user.FileDialogs().front().request.title, "Merge File");
    EXPECT_EQ(user.FileDialogs().front().request.fileName, "*.vlx");
    EXPECT_TRUE(user.Messages().empty());
    ASSERT_EQ(Session().Count(), 5u);
    EXPECT_EQ(Description(5), QString::fromLatin1("Single: n=2.5 M\xE8tre \"carr\xE9\", a=1"));
    EXPECT_EQ(list->SelectedPlanIndex(), 1u);
    EXPECT_STREQ(SamplingPlan::PaAtAQLText().Text(), "0.95") << "the session's definitions stay";
    EXPECT_EQ(window->windowTitle(), title);
    EXPECT_TRUE(EvaluationWindows().empty() && window->IsSessionModified());

    const QByteArray good = Contents(path);
    vdWrite(path, QByteArray(good).replace("\n3\n", "\n4\n"));
    user.vdQueueFileName(path);
    Item("FileMergeItem")->trigger();
    EXPECT_EQ(MessageTexts(), QStringList{"File is corrupted and could not be read."});
    EXPECT_EQ(Session().Count(), 5u);

    // No session holds more than 100 000 plans: three more are refused at 99 998.
    vdWrite(path, good);
    while (Session().Count() < 99998)
        Session().vdAddPlan(std::make_unique<DefectivesSingleSamplingPlan>());
    user.vdClearRecords();
    user.vdQueueFileName(path);
    Item("FileMergeItem")->trigger();
    EXPECT_EQ(MessageTexts(),
              QStringList{"Merging would give more sampling plans than Veltrame can show."});
    EXPECT_EQ(Session().Count(), 99998u);
}

} // namespace
} // namespace Brosquin
