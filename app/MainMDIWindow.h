#pragma once

#include "app/QtSettingsStore.h"

#include <QMainWindow>
#include <cstdint>
#include <iosfwd>
#include <memory>

class QMdiArea;
class QMenu;
class QToolBar;

namespace Brosquin
{

class MdiChild;
class PlanListChild;
class RecentFilesMenu;
struct SessionFileContents;
class SessionFileInput;
class TAboutDialogBox;
class TCostParametersDialogBox;
class TDefinitionsDialogBox;
class TUnitsDialogBox;

// The program's frame: the menus, the tool bar, the child windows of the session in a
// multiple-document area, the session's file name and modified flag, and the user's settings.
class TMainMDIWindow : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int kHelpContext = 1;

    // Reads the settings; the caption is the title followed by " - [untitled]".
    explicit TMainMDIWindow(QWidget* parent = nullptr);
    // Stores the recently used files.
    ~TMainMDIWindow() override;

    // The file commands work on the plan list window, which is set before any of them runs.
    //
    // Starts an empty untitled session with the default definitions, units and costs; asks first
    // whether to save a modified session. False when the user cancelled or the save failed (the
    // session is then untouched).
    bool NewSession();
    // Opens a session file in place of the session, telling the user of any failure; a file that
    // cannot be read leaves the session as it was.
    void vdOpenSessionFile(const QString& path);
    // Writes the whole session to the file, which is replaced only when every byte was written;
    // false, with the user told, when it could not be, or when the session takes more than a
    // session file holds (nothing is written then).
    bool SaveSessionFile(const QString& path);

    // Called by every change of the session's plans or windows.
    void vdSetSessionModified() { bSessionModified = true; }
    bool IsSessionModified() const { return bSessionModified; }

    // The plan list window, a child of the area that lives for the whole run; the Plans commands
    // go to it.
    void vdSetPlanList(PlanListChild* planList) { pPlanList = planList; }
    QMdiArea* MdiArea() const { return pMdiArea; }
    // Where new evaluation windows put their tabs.
    bool AreTabsAtBottom() const;

    // After the definitions, units or cost parameters dialog's OK.
    void vdUpdateDefinitions();
    void vdUpdateUnits();
    void vdUpdateCostParameters();
    // Every evaluation window brings itself up to date.
    void vdUpdateEvaluationWindows();

    void FileNew();
    void FileOpen();
    void FileMerge();
    void FileSave();
    void FileSaveAs();
    void FilePrint();
    void FilePrintSetup();
    void FileCopyItemClick();
    void FileExit();
    void PlansEnterNewItemClick();
    void PlansSelectItemClick();
    void PlansEvaluateItemClick();
    void PlansMatchProtectionItemClick();
    void PlansEditItemClick();
    void PlansDuplicateItemClick();
    void PlansDeleteItemClick();
    void PlansCheckAllItemClick();
    void PlansUncheckAllItemClick();
    void WindowTile();
    void WindowCascade();
    // Lines the minimized child windows up along the bottom of the area.
    void WindowArrange();
    void OptionsDefinitions();
    void OptionsUnitsItemClick();
    void OptionsCostParameters();
    void OptionsShowToolBarItemClick();
    void OptionsDisplayTabsAtBottomItemClick();
    void HelpContents();
    void HelpGlossaryItemClick();
    void HelpSearch();
    void HelpHowToUse();
    void HelpTechnicalSupportItemClick();
    void HelpVeltrameHomePageItemClick();
    void HelpAbout();

    // None: the tool bar is shown and hidden only through the Options menu, which keeps its
    // check mark and the stored setting.
    QMenu* createPopupMenu() override;

protected:
    // Closing goes through a new session, which may ask to save and may be cancelled.
    void closeEvent(QCloseEvent* event) override;

private:
    using Handler = void (TMainMDIWindow::*)();

    void vdBuildMenus();
    void vdBuildToolBar();
    QAction* AddMenuItem(QMenu* menu, const char* name, const QString& caption,
                         const QKeySequence& shortcut, const QString& hint, Handler handler);
    QAction* MenuItem(const char* name) const;
    // The plan list's command; nothing before the plan list is set.
    void vdForwardToPlanList(void (PlanListChild::*command)());
    MdiChild* ActiveChild() const;
    void vdRebuildWindowMenu();
    void vdRebuildDefinitionCaptions();
    void vdSetUntitledCaption();
    void vdShowHelpOfActiveWindow();
    // The question before the session is replaced: true when the user chose No, or chose Yes and
    // the session was saved.
    bool SaveQuestion();
    bool SaveAs();
    // Untitled, without evaluation windows, and an empty session in the plan list window.
    void vdCloseSession();
    // The file name, the recent files' current entry and the caption; empty for untitled.
    void vdSetFileName(const QString& path);
    // The text of a session file after its header, or null when the file cannot be opened, is
    // no plain file, is not a session file of a version this program reads, or is one larger
    // than LargestSessionFile. The user is told why; with forget the path also leaves the recent
    // files, unless the file is only of a later version or too large. The text is read as it is
    // needed, and no further than LargestSessionFile bytes, whatever the file's size said when it
    // was opened.
    std::unique_ptr<SessionFileInput> OpenSessionFileText(const QString& path, bool forget,
                                                          double& version);
    void vdApplySessionFile(SessionFileContents& contents);
    // The file of the session, as Save writes it.
    void vdWriteSession(std::ostream& out) const;
    // Whether the session's file takes that many bytes more; the user is told when not.
    bool FileHasRoomFor(std::uint64_t moreBytes) const;

    QtSettingsStore store;
    std::unique_ptr<RecentFilesMenu> pRecentFiles;
    QMdiArea* pMdiArea;
    TAboutDialogBox* pAboutDialogBox;
    // The option dialogs live for the whole run.
    TDefinitionsDialogBox* pDefinitionsDialogBox;
    TUnitsDialogBox* pUnitsDialogBox;
    TCostParametersDialogBox* pCostParametersDialogBox;
    QToolBar* pSpeedBar = nullptr;
    QMenu* pFileMenu = nullptr;
    QMenu* pWindowMenu = nullptr;
    // Asked by every new evaluation window: kept at hand, not looked up among the children.
    QAction* pTabsAtBottomItem = nullptr;
    QList<QAction*> windowListItems;
    PlanListChild* pPlanList = nullptr;
    QString sessionFileName;
    bool bSessionModified = false;
};

} // namespace Brosquin
