#pragma once

#include "core/String.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace Brosquin
{

class SamplingPlan;
class TDefectivesVariablesSelectDialogBox;
class TListSamplingPlansWindow;
class TMainMDIWindow;

// "Select New/Matching Sampling Plans": the protection a plan must give (an AQL, optionally a
// Max AQL, an LTPD and an adjustment), what to minimise (the ASN, or the cost at a point p) and,
// for defects per quantity, the units; Select designs a plan of each checked type and adds it to
// the plan list window's session. A status under each requirement follows every change. The
// dialog lives for the whole run and keeps its entries between showings.
class TSelectPlanDialogBox : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kHelpContext = 50;

    // A dialog of the main window: the plans go to the session of the plan list window, and the
    // Definitions and Costs buttons show the main window's option dialogs.
    TSelectPlanDialogBox(TListSamplingPlansWindow& planList, TMainMDIWindow& mainWindow);

    // Prepares the dialog to find plans of other types with the protection of the plan: its
    // characteristic, its own type unchecked, its AQL and LTPD points and its units.
    void vdMatchProtection(const SamplingPlan& plan);
    // After a change of units: the numbers typed in the fields of the characteristic's units
    // are rescaled to the new ones (formulas stay as typed).
    void vdConvertUnits(int oldDefectives, int newDefectives, int oldDefects, int newDefects);

    void CheckAllBitBtnClick();
    void UncheckAllBitBtnClick();
    // The type list and the units row follow the characteristic.
    void CharacteristicComboBoxChange();
    // The check of the entries: the statuses, and the code and message that Select shows.
    void UpdateStatus();
    void DefinitionsButtonClick();
    void CostBitBtnClick();
    void OkButtonClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    int Characteristic() const;
    // C0 and C1 of the criterion: the costs in force, or 1 and 0 for the ASN.
    QByteArray C0Text() const;
    QByteArray C1Text() const;
    void vdShowLtpdSymbol();
    // Whether the session has room for a plan of each checked type; the user is told when not.
    bool HasRoomForDesigns() const;
    // Designs the checked types; false when none was checked.
    bool DesignCheckedTypes();

    TListSamplingPlansWindow& planList;
    TMainMDIWindow& mainWindow;
    TDefectivesVariablesSelectDialogBox* pVariablesSelectDialogBox;
    int statusCode = 0;
    String statusMessage;
    QComboBox* CharacteristicComboBox;
    QListWidget* TypesSamplingPlansCheckListBox;
    QLineEdit* AqlEditControl;
    QLabel* LtpdLabel;
    QLineEdit* LtpdEditControl;
    QLineEdit* MaxAqlEditBox;
    QComboBox* AdjustmentComboBox;
    QLabel* AqlDescriptionLabel;
    QLabel* LtpdDescriptionLabel;
    QRadioButton* ASNRadioButton;
    QRadioButton* CostRadioButton;
    QLineEdit* PEditControl;
    QLabel* CostDescriptionLabel;
    QLabel* PrefixUnitsTextBox;
    QLineEdit* SuffixUnitsEditControl;
};

} // namespace Brosquin
