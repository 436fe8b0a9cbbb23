#pragma once

#include "app/dialogs/VariablesTypeControls.h"

#include <QDialog>
#include <memory>

namespace Brosquin
{

class TListSamplingPlansWindow;

// Asked before a variables plan is designed from protection requirements: the standard
// deviation known or unknown, one or two specification limits and, with the SD known and two
// limits, Cp, which must be at least what a process centred between the limits needs to reach
// the AQL. OK stores the choices in the session of the plan list window, whichever session it
// holds then, for the design; they stay in the dialog for its next showing.
class TDefectivesVariablesSelectDialogBox : public QDialog
{
public:
    static constexpr int kHelpContext = 51;

    TDefectivesVariablesSelectDialogBox(QWidget* owner, TListSamplingPlansWindow& planList);
    ~TDefectivesVariablesSelectDialogBox() override;

    // The AQL of the design, in the current units of defective units.
    void vdSetAQL(double aql) { this->aql = aql; }

    void OKButtonClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    TListSamplingPlansWindow& planList;
    double aql = 0.0;
    std::unique_ptr<VariablesTypeControls> types;
};

} // namespace Brosquin
