#include "app/MainMDIWindow.h"

#include "app/MdiChild.h"
#include "app/RecentFilesMenu.h"
#include "app/Settings.h"
#include "app/SubWindowPlace.h"
#include "app/ToolBarGlyphs.h"
#include "app/dialogs/AboutDialogBox.h"
#include "app/dialogs/CostParametersDialogBox.h"
#include "app/dialogs/DefinitionsDialogBox.h"
#include "app/dialogs/UnitsDialogBox.h"
#include "core/RecordSize.h"
#include "plans/DefectivesSamplingPlan.h"
#include "plans/DefectsPerUnitSamplingPlan.h"
#include "plans/SamplingPlan.h"
#include "plans/SamplingPlanSession.h"
#include "plans/SessionBounds.h"
#include "plans/SessionFile.h"
#include "plans/SessionFileInput.h"
#include "platform/ApplicationPrinter.h"
#include "platform/UserInteraction.h"
#include "platform/WaitCursor.h"

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QSaveFile>
#include <QShortcut>
#include <QStatusBar>
#include <QToolBar>
#include <locale>
#include <sstream>
#include <utility>

namespace Brosquin
{

namespace
{

const QUrl kHomePage(QStringLiteral("https://www.brosquin.com/veltrame"));
constexpr int kGlossaryContext = 100;
constexpr int kTechnicalSupportContext = 502;

QString Title()
{
    return QGuiApplication::applicationDisplayName();
}

// The current definitions and units return to the stored defaults.
void vdApplyDefaultDefinitionsAndUnits()
{
    SamplingPlan::vdSetRiskTexts();
    for (UnitsTable* table :
         {&DefectivesSamplingPlan::Units(), &DefectsPerUnitSamplingPlan::Units()})
        table->SetCurrentIndex(table->DefaultIndex());
}

// Why a file whose header was good could not be read, and whether that is damage. A file that
// grew beyond the limit while it was read may hold more beyond what was read.
std::pair<const char*, bool> ReadFailure(const SessionFileInput& in)
{
    if (in.ReachedLimit())
        return {SessionFileTooLargeToRead, false};
    if (SizeRefused())
        return {"File holds more than Veltrame can show.", false};
    return {"File is corrupted and could not be read.", true};
}

MdiChild* ChildOf(QMdiSubWindow* window)
{
    return window ? dynamic_cast<MdiChild*>(window->widget()) : nullptr;
}

// A hint "A|B" shows A as the tool tip and B in the status line; a hint of one part shows in both.
void vdSetHint(QAction* action, const QString& hint)
{
    const QStringList parts = hint.split(QLatin1Char('|'));
    action->setToolTip(parts.constFirst());
    action->setStatusTip(parts.constLast());
}

void vdAddSeparator(QMenu* menu, const char* name)
{
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

} // namespace

TMainMDIWindow::TMainMDIWindow(QWidget* parent)
    : QMainWindow(parent), pMdiArea(new QMdiArea(this)), pAboutDialogBox(new TAboutDialogBox(this)),
      pDefinitionsDialogBox(new TDefinitionsDialogBox(this, store,
                                                      [this]
                                                      {
                                                          if (!FileHasRoomFor(0))
                                                              return false;
                                                          vdUpdateDefinitions();
                                                          return true;
                                                      })),
      pUnitsDialogBox(new TUnitsDialogBox(
          this, store,
          [this](int oldDefectives, int newDefectives, int oldDefects, int newDefects)
          {
              if (!FileHasRoomFor(pPlanList ? pPlanList->Session().UnitsGrowth() : 0))
                  return false;
              vdUpdateUnits();
              if (pPlanList)
                  pPlanList->vdConvertUnits(oldDefectives, newDefectives, oldDefects, newDefects);
              return true;
          })),
      pCostParametersDialogBox(new TCostParametersDialogBox(
          this,
          [this]
          {
              if (!FileHasRoomFor(pPlanList ? pPlanList->Session().CostTitlesGrowth() : 0))
                  return false;
              vdUpdateCostParameters();
              vdSetSessionModified();
              return true;
          }))
{
    const Settings settings = ReadSettings(store);
    // Even a session file that cannot be opened at start-up leaves the user's defaults in force.
    vdApplyDefaultDefinitionsAndUnits();
    setObjectName(QStringLiteral("MainMDIWindow"));
    setCentralWidget(pMdiArea);
    // A child window that reaches past the area can be scrolled into view, on any screen.
    pMdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    pMdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    statusBar();
    vdBuildMenus();
    vdBuildToolBar();

    pTabsAtBottomItem->setChecked(settings.bTabsAtBottom);
    MenuItem("OptionsShowToolBarItem")->setChecked(settings.bToolBarVisible);
    pSpeedBar->setVisible(settings.bToolBarVisible);

    pRecentFiles =
        std::make_unique<RecentFilesMenu>(store, pFileMenu, MenuItem("FileBar2Item"),
                                          [this](const QString& path) { vdOpenSessionFile(path); });
    vdSetUntitledCaption();
    bSessionModified = false;
    vdRebuildDefinitionCaptions();

    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, &TMainMDIWindow::vdShowHelpOfActiveWindow);
}

TMainMDIWindow::~TMainMDIWindow() = default;

QAction* TMainMDIWindow::AddMenuItem(QMenu* menu, const char* name, const QString& caption,
                                     const QKeySequence& shortcut, const QString& hint,
                                     Handler handler)
{
    QAction* item = menu->addAction(caption);
    item->setObjectName(QLatin1String(name));
    item->setShortcut(shortcut);
    if (!hint.isEmpty())
        vdSetHint(item, hint);
    connect(item, &QAction::triggered, this, handler);
    return item;
}

QAction* TMainMDIWindow::MenuItem(const char* name) const
{
    return findChild<QAction*>(QLatin1String(name));
}

void TMainMDIWindow::vdBuildMenus()
{
    const QKeySequence none;
    QMenuBar* bar = menuBar();

    pFileMenu = bar->addMenu(tr("&File"));
    pFileMenu->setObjectName(QStringLiteral("File"));
    AddMenuItem(pFileMenu, "FileNewItem", tr("&New"), QKeySequence(Qt::CTRL | Qt::Key_N),
                tr("Create a new file"), &TMainMDIWindow::FileNew);
    AddMenuItem(pFileMenu, "FileOpenItem", tr("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O),
                tr("Open an existing file"), &TMainMDIWindow::FileOpen);
    AddMenuItem(pFileMenu, "FileMergeItem", tr("&Merge..."), none, QString(),
                &TMainMDIWindow::FileMerge);
    AddMenuItem(pFileMenu, "FileSaveItem", tr("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S),
                tr("Save current file"), &TMainMDIWindow::FileSave);
    AddMenuItem(pFileMenu, "FileSaveAsItem", tr("Save &As..."), none,
                tr("Save current file under a new name"), &TMainMDIWindow::FileSaveAs);
    vdAddSeparator(pFileMenu, "FileBar1Item");
    AddMenuItem(pFileMenu, "FilePrintItem", tr("&Print"), QKeySequence(Qt::CTRL | Qt::Key_P),
                tr("Print current child window"), &TMainMDIWindow::FilePrint);
    AddMenuItem(pFileMenu, "FilePrintSetupItem", tr("P&rint Setup..."), none,
                tr("Change printer setup"), &TMainMDIWindow::FilePrintSetup);
    AddMenuItem(pFileMenu, "FileCopyItem", tr("&Copy to Clipboard"),
                QKeySequence(Qt::CTRL | Qt::Key_C), QString(), &TMainMDIWindow::FileCopyItemClick);
    vdAddSeparator(pFileMenu, "FileBar2Item");
    AddMenuItem(pFileMenu, "FileExitItem", tr("E&xit"), none, tr("Exit this application"),
                &TMainMDIWindow::FileExit);

    QMenu* plans = bar->addMenu(tr("P&lans"));
    plans->setObjectName(QStringLiteral("Plans"));
    AddMenuItem(plans, "PlansEnterNewItem", tr("Enter &New Sampling Plan..."), none,
                tr("Add a new sampling plan by entering parameters"),
                &TMainMDIWindow::PlansEnterNewItemClick);
    AddMenuItem(plans, "PlansSelectItem", tr("&Select New Sampling Plans..."), none,
                tr("Select sampling plan based on AQL and LTPD"),
                &TMainMDIWindow::PlansSelectItemClick);
    AddMenuItem(plans, "PlansEvaluateItem", tr("E&valuate (OC, ASN) Sampling Plans"), none,
                tr("Evaluate checked samping plans (OC, ASN, AQL, LTPD,...)"),
                &TMainMDIWindow::PlansEvaluateItemClick);
    AddMenuItem(plans, "PlansMatchProtectionItem", tr("&Match Protection..."), none,
                tr("Match protection of currently selected plan"),
                &TMainMDIWindow::PlansMatchProtectionItemClick);
    AddMenuItem(plans, "PlansEditItem", tr("&Edit Selected Sampling Plan..."), none,
                tr("Edit selected sampling plan"), &TMainMDIWindow::PlansEditItemClick);
    AddMenuItem(plans, "PlansDuplicateItem", tr("Dup&licate Selected Sampling Plan"), none,
                tr("Duplicate selected sampling plan"), &TMainMDIWindow::PlansDuplicateItemClick);
    AddMenuItem(plans, "PlansDeleteItem", tr("&Delete Selected Sampling Plan"), none,
                tr("Delete selected sampling plan"), &TMainMDIWindow::PlansDeleteItemClick);
    AddMenuItem(plans, "PlansCheckAllItem", tr("&Check All"), none, tr("Check all sampling plans"),
                &TMainMDIWindow::PlansCheckAllItemClick);
    AddMenuItem(plans, "PlansUncheckAllItem", tr("&Uncheck All"), none,
                tr("Uncheck all sampling plans"), &TMainMDIWindow::PlansUncheckAllItemClick);

    pWindowMenu = bar->addMenu(tr("&Window"));
    pWindowMenu->setObjectName(QStringLiteral("Window"));
    AddMenuItem(pWindowMenu, "WindowTileItem", tr("&Tile"), none, tr("Tile all windows"),
                &TMainMDIWindow::WindowTile);
    AddMenuItem(pWindowMenu, "WindowCascadeItem", tr("&Cascade"), none, tr("Cascade all windows"),
                &TMainMDIWindow::WindowCascade);
    AddMenuItem(pWindowMenu, "WindowArrangeItem", tr("&Arrange All"), none,
                tr("Arrange minimized windows"), &TMainMDIWindow::WindowArrange);
    connect(pWindowMenu, &QMenu::aboutToShow, this, &TMainMDIWindow::vdRebuildWindowMenu);

    QMenu* options = bar->addMenu(tr("&Options"));
    options->setObjectName(QStringLiteral("Options"));
    AddMenuItem(options, "OptionsDefinitionsItem", tr("&Definitions of AQL and LTPD..."), none,
                tr("Define AQL and LTPD"), &TMainMDIWindow::OptionsDefinitions);
    AddMenuItem(options, "OptionsUnitsItem",
                tr("&Units for Defective Units and Defects Per Unit..."), none,
                tr("Specify whether inspections are curtailed when defective units are tallied"),
                &TMainMDIWindow::OptionsUnitsItemClick);
    AddMenuItem(options, "OptionsCostsItem", tr("&Cost Parameters..."), none, QString(),
                &TMainMDIWindow::OptionsCostParameters);
    AddMenuItem(options, "OptionsShowToolBarItem", tr("&Show Toolbar"), none, QString(),
                &TMainMDIWindow::OptionsShowToolBarItemClick)
        ->setCheckable(true);
    pTabsAtBottomItem =
        AddMenuItem(options, "OptionsDisplayTabsAtBottomItem", tr("Display &Tabs At Bottom"), none,
                    QString(), &TMainMDIWindow::OptionsDisplayTabsAtBottomItemClick);
    pTabsAtBottomItem->setCheckable(true);

    QMenu* help = bar->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("Help"));
    AddMenuItem(help, "HelpContentsItem", tr("&Contents"), none,
                tr("Display the help contents screen"), &TMainMDIWindow::HelpContents);
    AddMenuItem(help, "HelpGlossaryItem", tr("&Glossary"), none, tr("Display glossary."),
                &TMainMDIWindow::HelpGlossaryItemClick);
    AddMenuItem(help, "HelpSearchItem", tr("&Search for Help On..."), none,
                tr("Search help file for a topic"), &TMainMDIWindow::HelpSearch);
    AddMenuItem(help, "HelpHowToUseItem", tr("&How to Use Help"), none,
                tr("Help on using the help system"), &TMainMDIWindow::HelpHowToUse);
    vdAddSeparator(help, "HelpBar1Item");
    AddMenuItem(help, "HelpTechnicalSupportItem", tr("&Technical Support"), none, QString(),
                &TMainMDIWindow::HelpTechnicalSupportItemClick);
    vdAddSeparator(help, "HelpBar2Item");
    AddMenuItem(help, "HelpVeltrameHomePageItem", tr("Veltrame Home &Page"), none, QString(),
                &TMainMDIWindow::HelpVeltrameHomePageItemClick);
    vdAddSeparator(help, "HelpBar3Item");
    AddMenuItem(help, "HelpAboutItem", tr("&About"), none, tr("Show program information"),
                &TMainMDIWindow::HelpAbout);
}

void TMainMDIWindow::vdBuildToolBar()
{
    struct Button
    {
        ToolBarGlyph glyph;
        const char* hint;
        Handler handler;
    };
    // Three groups: file commands at the left, plan commands, help commands at the right end.
    const std::vector<std::vector<Button>> groups = {
        {{ToolBarGlyph::New, "New|New", &TMainMDIWindow::FileNew},
         {ToolBarGlyph::Open, "Open|Open", &TMainMDIWindow::FileOpen},
         {ToolBarGlyph::Save, "Save|Save", &TMainMDIWindow::FileSave},
         {ToolBarGlyph::SaveAs, "Save As|Save As", &TMainMDIWindow::FileSaveAs},
         {ToolBarGlyph::Print, "Print|Print", &TMainMDIWindow::FilePrint},
         {ToolBarGlyph::PrintSetup, "Print Setup|Print Setup", &TMainMDIWindow::FilePrintSetup},
         {ToolBarGlyph::Copy, "Copy to Clipboard", &TMainMDIWindow::FileCopyItemClick}},
        {{ToolBarGlyph::EnterPlan, "Enter a new sampling plan by entering parameters",
          &TMainMDIWindow::PlansEnterNewItemClick},
         {ToolBarGlyph::SelectPlans, "Select new samplings plan based on AQL and LTPD",
          &TMainMDIWindow::PlansSelectItemClick},
         {ToolBarGlyph::Evaluate, "Evaluate checked samping plans (OC, ASN, AQL, LTPD,...)",
          &TMainMDIWindow::PlansEvaluateItemClick},
         {ToolBarGlyph::MatchProtection, "Match protection of currently selected plan",
          &TMainMDIWindow::PlansMatchProtectionItemClick},
         {ToolBarGlyph::Edit, "Edit selected sampling plan", &TMainMDIWindow::PlansEditItemClick},
         {ToolBarGlyph::Duplicate, "Duplicate the selected sampling plan",
          &TMainMDIWindow::PlansDuplicateItemClick},
         {ToolBarGlyph::Delete, "Delete selected sampling plan",
          &TMainMDIWindow::PlansDeleteItemClick},
         {ToolBarGlyph::CheckAll, "Check all sampling plans",
          &TMainMDIWindow::PlansCheckAllItemClick},
         {ToolBarGlyph::UncheckAll, "Uncheck all sampling plans",
          &TMainMDIWindow::PlansUncheckAllItemClick}},
        {{ToolBarGlyph::HelpContents, "Help Contents|Help Contents", &TMainMDIWindow::HelpContents},
         {ToolBarGlyph::HelpSearch, "Search for Help On|Search for Help On",
          &TMainMDIWindow::HelpSearch},
         {ToolBarGlyph::HomePage, "Veltrame Home Page|Veltrame Home Page",
          &TMainMDIWindow::HelpVeltrameHomePageItemClick}}};

    pSpeedBar = addToolBar(tr("Tool Bar"));
    pSpeedBar->setObjectName(QStringLiteral("SpeedBar"));
    pSpeedBar->setMovable(false);
    pSpeedBar->setFloatable(false);
    pSpeedBar->setFixedHeight(41);
    pSpeedBar->setIconSize(QSize(24, 24));
    int number = 0;
    for (std::size_t group = 0; group < groups.size(); ++group)
    {
        if (group == 1)
            pSpeedBar->addSeparator();
        if (group == 2)
        {
            auto* spacer = new QWidget(pSpeedBar);
            spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
            pSpeedBar->addWidget(spacer);
        }
        for (const Button& button : groups[group])
        {
            QAction* action = pSpeedBar->addAction(ToolBarIcon(button.glyph), QString());
            action->setObjectName(QStringLiteral("SpeedButton%1").arg(++number));
            vdSetHint(action, tr(button.hint));
            connect(action, &QAction::triggered, this, button.handler);
            pSpeedBar->widgetForAction(action)->setFixedSize(31, 31);
        }
    }
}

QMenu* TMainMDIWindow::createPopupMenu()
{
    return nullptr;
}

bool TMainMDIWindow::AreTabsAtBottom() const
{
    return pTabsAtBottomItem->isChecked();
}

void TMainMDIWindow::vdSetUntitledCaption()
{
    setWindowTitle(Title() + QStringLiteral(" - [untitled]"));
}

void TMainMDIWindow::vdRebuildDefinitionCaptions()
{
    MenuItem("OptionsDefinitionsItem")
        ->setText(tr("&Definitions of AQL and ") +
                  QLatin1String(SamplingPlan::SymbolName(SamplingPlan::SymbolIndex())) +
                  QStringLiteral("..."));
    if (pPlanList)
        pPlanList->vdRebuildDefinitionCaptions();
}

bool TMainMDIWindow::NewSession()
{
    if (!SaveQuestion())
        return false;
    vdCloseSession();
    vdApplyDefaultDefinitionsAndUnits();
    vdRebuildDefinitionCaptions();
    SamplingPlan::vdSetStagesLabel();
    bSessionModified = false;
    return true;
}

bool TMainMDIWindow::SaveQuestion()
{
    if (!bSessionModified)
        return true;
    const MessageAnswer answer = UserInteraction::Current().MessageBox(
        tr("Do you want to save current session first?"), tr("Warning"), MessageIcon::Exclamation,
        MessageButtons::YesNoCancel);
    if (answer == MessageAnswer::Cancel)
        return false;
    if (answer == MessageAnswer::No)
        return true;
    if (!sessionFileName.isEmpty())
        return SaveSessionFile(sessionFileName);
    return SaveAs();
}

void TMainMDIWindow::vdCloseSession()
{
    const WaitCursor hourglass;
    vdSetFileName(QString());
    // The lists unregister from the session as they go, so they go before it.
    const QList<QMdiSubWindow*> windows = pMdiArea->subWindowList();
    for (QMdiSubWindow* window : windows)
        if (const MdiChild* child = ChildOf(window);
            child && child->Tag() == MdiChild::EvaluationTag)
            window->close();
    if (pPlanList)
        pPlanList->vdReset();
}

void TMainMDIWindow::vdSetFileName(const QString& path)
{
    sessionFileName = path;
    pRecentFiles->vdSetCurrent(path);
    if (path.isEmpty())
        vdSetUntitledCaption();
    else
        setWindowTitle(Title() + QStringLiteral(" - ") + path);
}

std::unique_ptr<SessionFileInput> TMainMDIWindow::OpenSessionFileText(const QString& path,
                                                                      bool forget, double& version)
{
    const auto refuse = [&](const char* message)
    {
        UserInteraction::Current().MessageBox(tr(message));
        if (forget)
            pRecentFiles->vdRemove(path);
        return nullptr;
    };
    // Looked at before it is opened: a directory cannot be read, a device such as /dev/zero
    // never ends, and opening a named pipe waits for a writer that may never come.
    const QFileInfo info(path);
    if (!info.exists() || info.isDir())
        return refuse("Could not find file.");
    if (!info.isFile())
        return refuse("File is not a Veltrame data file.");
    auto in = std::make_unique<SessionFileInput>(QFile::encodeName(path).toStdString());
    if (!in->IsOpen())
        return refuse("Could not find file.");
    switch (ReadSessionFileHeader(*in, version))
    {
    case SessionFileHeader::Valid:
        // Not read beyond its header; not damaged either, so it stays among the recent files.
        if (info.size() > LargestSessionFile)
        {
            UserInteraction::Current().MessageBox(tr(SessionFileTooLargeToRead));
            return nullptr;
        }
        return in;
    case SessionFileHeader::NotDataFile:
        return refuse("File is not a Veltrame data file.");
    case SessionFileHeader::NewerVersion:
        UserInteraction::Current().MessageBox(
            tr("File is from more recent version of Veltrame and cannot be read."));
        return nullptr;
    }
    return nullptr;
}

void TMainMDIWindow::vdOpenSessionFile(const QString& path)
{
    // The header is checked before the user is asked to save; the file is read afresh after, as
    // the save may have written it.
    double version = 0;
    if (!OpenSessionFileText(path, true, version) || !SaveQuestion())
        return;
    const std::unique_ptr<SessionFileInput> in = OpenSessionFileText(path, true, version);
    if (!in)
        return;
    std::unique_ptr<SessionFileContents> contents;
    {
        const WaitCursor hourglass;
        contents = ReadSessionFile(*in, version);
    }
    if (in->ReachedLimit())
        contents.reset();
    if (!contents)
    {
        // Only a damaged file leaves the recent files.
        const auto [message, damaged] = ReadFailure(*in);
        UserInteraction::Current().MessageBox(tr(message));
        if (damaged)
            pRecentFiles->vdRemove(path);
        return;
    }
    vdApplySessionFile(*contents);
    vdSetFileName(path);
}

void TMainMDIWindow::vdApplySessionFile(SessionFileContents& contents)
{
    const WaitCursor hourglass;
    vdCloseSession();
    pPlanList->vdSetSession(std::move(contents.session));
    for (WindowRecord& record : contents.windows)
    {
        if (auto* list = std::get_if<PlanListRecord>(&record))
        {
            pPlanList->vdApplyRecord(*list);
            for (QMdiSubWindow* window : pMdiArea->subWindowList())
                if (ChildOf(window) == pPlanList)
                    pMdiArea->setActiveSubWindow(window);
        }
        else
            pPlanList->vdOpenEvaluationWindow(std::move(std::get<EvaluationWindowRecord>(record)));
        QCoreApplication::sendPostedEvents();
    }
    vdRebuildDefinitionCaptions();
    bSessionModified = false;
}

bool TMainMDIWindow::FileHasRoomFor(std::uint64_t moreBytes) const
{
    return !pPlanList || pPlanList->FileHasRoomFor(moreBytes);
}

void TMainMDIWindow::vdWriteSession(std::ostream& out) const
{
    vdWriteSessionFileHead(out);
    pPlanList->vdWritePlansToStream(out);
    // From the back to the front, so that reading the records in turn restores the stacking.
    for (QMdiSubWindow* window : pMdiArea->subWindowList(QMdiArea::StackingOrder))
        if (const MdiChild* child = ChildOf(window))
            child->vdWriteToStream(out);
    vdWriteSessionFileEnd(out);
}

bool TMainMDIWindow::SaveSessionFile(const QString& path)
{
    std::ostringstream out;
    // The file's numbers are the same in every locale.
    out.imbue(std::locale::classic());
    {
        const WaitCursor hourglass;
        // Nothing is written of a session that a file could not hold, now or once the values
        // that move without a command have moved: the file before stays as it was.
        if (BytesWritten([this](std::ostream& measure) { vdWriteSession(measure); },
                         RecordSize::Values::AtWidest) > LargestSessionFile)
        {
            UserInteraction::Current().MessageBox(tr(SessionFileTooLargeToSave));
            return false;
        }
        vdWriteSession(out);
    }
    // The old file is replaced only once every byte of the new one is on the disk. Unbuffered,
    // a short write (a full disk, a size limit) shows in the count written: a buffered one is
    // flushed by the commit, which takes a short write for success.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
    {
        UserInteraction::Current().MessageBox(
            tr("File could not be opened for output.  May be write protected."));
        return false;
    }
    const std::string text = out.str();
    bool bWritten = false;
    {
        const WaitCursor hourglass;
        bWritten = file.write(text.data(), static_cast<qint64>(text.size())) ==
                       static_cast<qint64>(text.size()) &&
                   file.commit();
    }
    if (!bWritten)
    {
        UserInteraction::Current().MessageBox(tr("File could not be written.  Disk may be full."));
        return false;
    }
    bSessionModified = false;
    return true;
}

bool TMainMDIWindow::SaveAs()
{
    const std::optional<QString> path = UserInteraction::Current().SaveFileName(
        {tr("Save File"), QStringLiteral("*.vlx"), tr("Veltrame (*.vlx)"), QStringLiteral("vlx")});
    if (!path || !SaveSessionFile(*path))
        return false;
    vdSetFileName(*path);
    return true;
}

void TMainMDIWindow::closeEvent(QCloseEvent* event)
{
    if (NewSession())
        event->accept();
    else
        event->ignore();
}

void TMainMDIWindow::FileNew()
{
    NewSession();
}

void TMainMDIWindow::FileOpen()
{
    const std::optional<QString> path = UserInteraction::Current().OpenFileName(
        {tr("Open File"), QStringLiteral("*.vlx"), tr("Veltrame files (*.vlx)"),
         QStringLiteral("vlx")});
    if (path)
        vdOpenSessionFile(*path);
}

void TMainMDIWindow::FileMerge()
{
    const std::optional<QString> path = UserInteraction::Current().OpenFileName(
        {tr("Merge File"), QStringLiteral("*.vlx"), tr("Veltrame files (*.vlx)"),
         QStringLiteral("vlx")});
    if (!path)
        return;
    double version = 0;
    const std::unique_ptr<SessionFileInput> in = OpenSessionFileText(*path, false, version);
    if (!in)
        return;
    std::unique_ptr<SamplingPlanSession> merged;
    {
        const WaitCursor hourglass;
        merged = ReadSessionFilePlans(*in, version);
    }
    if (in->ReachedLimit())
        merged.reset();
    if (!merged)
    {
        UserInteraction::Current().MessageBox(tr(ReadFailure(*in).first));
        return;
    }
    pPlanList->vdAppendPlans(*merged);
}

void TMainMDIWindow::FileSave()
{
    if (sessionFileName.isEmpty())
        FileSaveAs();
    else
        SaveSessionFile(sessionFileName);
}

void TMainMDIWindow::FileSaveAs()
{
    SaveAs();
}

MdiChild* TMainMDIWindow::ActiveChild() const
{
    return ChildOf(pMdiArea->activeSubWindow());
}

void TMainMDIWindow::FilePrint()
{
    if (MdiChild* child = ActiveChild())
        child->PrintButtonClick();
}

void TMainMDIWindow::FilePrintSetup()
{
    UserInteraction::Current().PrinterSetup(ApplicationPrinter());
}

void TMainMDIWindow::FileCopyItemClick()
{
    if (MdiChild* child = ActiveChild())
        child->CopyButtonClick();
}

void TMainMDIWindow::FileExit()
{
    close();
}

void TMainMDIWindow::vdForwardToPlanList(void (PlanListChild::*command)())
{
    if (pPlanList)
        (pPlanList->*command)();
}

void TMainMDIWindow::PlansEnterNewItemClick()
{
    vdForwardToPlanList(&PlanListChild::EnterNewPlanButtonClick);
}

void TMainMDIWindow::PlansSelectItemClick()
{
    vdForwardToPlanList(&PlanListChild::SelectPlanButtonClick);
}

void TMainMDIWindow::PlansEvaluateItemClick()
{
    vdForwardToPlanList(&PlanListChild::EvaluateButtonClick);
}

void TMainMDIWindow::PlansMatchProtectionItemClick()
{
    vdForwardToPlanList(&PlanListChild::MatchProtectionButtonClick);
}

void TMainMDIWindow::PlansEditItemClick()
{
    vdForwardToPlanList(&PlanListChild::EditPlanButtonClick);
}

void TMainMDIWindow::PlansDuplicateItemClick()
{
    vdForwardToPlanList(&PlanListChild::DuplicateButtonClick);
}

void TMainMDIWindow::PlansDeleteItemClick()
{
    vdForwardToPlanList(&PlanListChild::DeletePlanButtonClick);
}

void TMainMDIWindow::PlansCheckAllItemClick()
{
    vdForwardToPlanList(&PlanListChild::CheckAllButtonClick);
}

void TMainMDIWindow::PlansUncheckAllItemClick()
{
    vdForwardToPlanList(&PlanListChild::UncheckAllButtonClick);
}

void TMainMDIWindow::WindowTile()
{
    pMdiArea->tileSubWindows();
}

void TMainMDIWindow::WindowCascade()
{
    vdCascade(*pMdiArea);
}

void TMainMDIWindow::WindowArrange()
{
    const int areaWidth = pMdiArea->viewport()->width();
    int x = 0;
    int bottom = pMdiArea->viewport()->height();
    int rowHeight = 0;
    const QList<QMdiSubWindow*> windows = pMdiArea->subWindowList(QMdiArea::CreationOrder);
    for (QMdiSubWindow* window : windows)
    {
        if (!window->isMinimized())
            continue;
        const QSize size = window->size();
        if (x > 0 && x + size.width() > areaWidth)
        {
            x = 0;
            bottom -= rowHeight;
            rowHeight = 0;
        }
        window->move(x, bottom - size.height());
        x += size.width();
        rowHeight = std::max(rowHeight, size.height());
    }
}

void TMainMDIWindow::vdRebuildWindowMenu()
{
    for (QAction* item : std::as_const(windowListItems))
    {
        pWindowMenu->removeAction(item);
        item->deleteLater();
    }
    windowListItems.clear();
    const QList<QMdiSubWindow*> windows = pMdiArea->subWindowList(QMdiArea::CreationOrder);
    if (windows.isEmpty())
        return;
    windowListItems.append(pWindowMenu->addSeparator());
    for (qsizetype i = 0; i < windows.size(); ++i)
    {
        QPointer<QMdiSubWindow> window = windows.at(i);
        const QString title = window->windowTitle().replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* item =
            pWindowMenu->addAction(i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(title) : title);
        item->setCheckable(true);
        item->setChecked(window == pMdiArea->activeSubWindow());
        connect(item, &QAction::triggered, this,
                [this, window]
                {
                    if (window)
                        pMdiArea->setActiveSubWindow(window);
                });
        windowListItems.append(item);
    }
}

void TMainMDIWindow::OptionsDefinitions()
{
    pDefinitionsDialogBox->exec();
}

void TMainMDIWindow::OptionsUnitsItemClick()
{
    pUnitsDialogBox->exec();
}

void TMainMDIWindow::OptionsCostParameters()
{
    pCostParametersDialogBox->exec();
}

void TMainMDIWindow::OptionsShowToolBarItemClick()
{
    const bool bVisible = MenuItem("OptionsShowToolBarItem")->isChecked();
    pSpeedBar->setVisible(bVisible);
    vdWriteToolBarVisible(store, bVisible);
}

void TMainMDIWindow::OptionsDisplayTabsAtBottomItemClick()
{
    const bool bAtBottom = AreTabsAtBottom();
    vdWriteTabsAtBottom(store, bAtBottom);
    const QList<QMdiSubWindow*> windows = pMdiArea->subWindowList();
    for (auto window = windows.rbegin(); window != windows.rend(); ++window)
        if (auto* evaluation = dynamic_cast<EvaluationChild*>(ChildOf(*window)))
            evaluation->vdSetTabsAtBottom(bAtBottom);
}

void TMainMDIWindow::vdUpdateDefinitions()
{
    vdRebuildDefinitionCaptions();
    if (pPlanList)
        pPlanList->vdApplyDefinitions();
    vdUpdateEvaluationWindows();
}

void TMainMDIWindow::vdUpdateUnits()
{
    if (pPlanList)
        pPlanList->vdApplyUnits();
    vdUpdateEvaluationWindows();
}

void TMainMDIWindow::vdUpdateCostParameters()
{
    if (pPlanList)
        pPlanList->vdApplyCostParameters();
    vdUpdateEvaluationWindows();
}

void TMainMDIWindow::vdUpdateEvaluationWindows()
{
    // A window may close itself while it updates.
    QList<QPointer<QMdiSubWindow>> windows;
    for (QMdiSubWindow* window : pMdiArea->subWindowList())
        windows.append(window);
    for (const QPointer<QMdiSubWindow>& window : std::as_const(windows))
        if (auto* evaluation = window ? dynamic_cast<EvaluationChild*>(ChildOf(window)) : nullptr)
            evaluation->vdUpdateAfterChange();
}

void TMainMDIWindow::vdShowHelpOfActiveWindow()
{
    const MdiChild* child = ActiveChild();
    UserInteraction::Current().vdShowHelpTopic(child ? child->HelpContext() : kHelpContext);
}

void TMainMDIWindow::HelpContents()
{
    UserInteraction::Current().vdRunHelpCommand(HelpCommand::Contents);
}

void TMainMDIWindow::HelpGlossaryItemClick()
{
    UserInteraction::Current().vdShowHelpTopic(kGlossaryContext);
}

void TMainMDIWindow::HelpSearch()
{
    UserInteraction::Current().vdRunHelpCommand(HelpCommand::PartialKey, QString());
}

void TMainMDIWindow::HelpHowToUse()
{
    UserInteraction::Current().vdRunHelpCommand(HelpCommand::HelpOnHelp);
}

void TMainMDIWindow::HelpTechnicalSupportItemClick()
{
    UserInteraction::Current().vdShowHelpTopic(kTechnicalSupportContext);
}

void TMainMDIWindow::HelpVeltrameHomePageItemClick()
{
    const WaitCursor hourglass;
    UserInteraction::Current().vdOpenWebAddress(kHomePage);
}

void TMainMDIWindow::HelpAbout()
{
    pAboutDialogBox->exec();
}

} // namespace Brosquin
