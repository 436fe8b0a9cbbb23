#pragma once

#include <QDialog>
#include <functional>

class QButtonGroup;

namespace Brosquin
{

class SettingsStore;

// "Units For Defective Units and Defects Per Unit": the rows of units in which the quality
// levels of the two families are typed and shown. OK makes a change current and lets the program
// follow it; the default rows of new sessions are saved to, and brought back from, the user's
// settings.
class TUnitsDialogBox : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kHelpContext = 61;

    // Runs after the current rows changed, with the rows before and after; false when the session
    // cannot take them, and the rows before come back with the dialog still open.
    using Applied =
        std::function<bool(int oldDefectives, int newDefectives, int oldDefects, int newDefects)>;

    TUnitsDialogBox(QWidget* owner, SettingsStore& store, Applied applied);

    void SaveAsDefaultsButtonClick();
    void SetToDefaultsButtonClick();
    void OkButtonClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void vdShowUnits(int defectivesIndex, int defectsIndex);

    SettingsStore& store;
    Applied applied;
    QButtonGroup* pUnitsDefectives;
    QButtonGroup* pUnitsDefects;
};

} // namespace Brosquin
