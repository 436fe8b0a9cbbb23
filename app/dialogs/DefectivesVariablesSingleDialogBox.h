#pragma once

#include "app/dialogs/VariablesTypeControls.h"

#include <QDialog>
#include <memory>

class QButtonGroup;
class QLabel;
class QLineEdit;

namespace Brosquin
{

class DefectivesVariablesSingleSamplingPlan;

// The entry dialog of the variables single plan: Form 1 (n, k) or Form 2 (n, M), the standard
// deviation known or unknown, one or two specification limits and, with the SD known and two
// limits, Cp. OK passes the entries to the plan class's validating function and keeps the
// dialog open, with the focus on the offending field, until they pass. Convert Form states the
// plan of the other form and, when the person agrees, switches to it.
class TDefectivesVariablesSingleDialogBox : public QDialog
{
public:
    static constexpr int kHelpContext = 406;

    // The plan to edit, or null for a new plan; only read.
    TDefectivesVariablesSingleDialogBox(QWidget* owner,
                                        const DefectivesVariablesSingleSamplingPlan* plan);
    ~TDefectivesVariablesSingleDialogBox() override;

    // The entries, as the caller reads them after OK.
    bool IsForm1() const;
    QByteArray SampleSizeText() const;
    QByteArray AcceptConstantText() const;
    bool IsSdKnown() const { return types->IsSdKnown(); }
    bool HasTwoSpecs() const { return types->HasTwoSpecs(); }
    QByteArray CpText() const { return types->CpText(); }
    // Hands the entries to the plan (the band flag off).
    void vdDescribe(DefectivesVariablesSingleSamplingPlan& plan) const;

    void FormRadioGroupClick();
    void OKButtonClick();
    void ConvertFormButtonClick();

private:
    QButtonGroup* pForm;
    QLineEdit* pSampleSizeEditBox;
    QLabel* pAcceptConstantLabel;
    QLineEdit* pAcceptConstantEditBox;
    std::unique_ptr<VariablesTypeControls> types;
};

} // namespace Brosquin
