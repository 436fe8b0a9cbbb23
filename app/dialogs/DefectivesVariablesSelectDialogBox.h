#pragma once

#include "app/dialogs/VariablesTypeControls.h"

#include <QDialog>
#include <memory>

namespace Brosquin
{

class SamplingPlanSession;

// Asked before a variables plan is designed from protection requirements: the standard
// deviation known or unknown, one or two specification limits and, with the SD known and two
// limits, Cp, which must be at least what a process centred between the limits needs to reach
// the AQL. OK stores the choices in the session for the design; they stay in the dialog for its
// next showing.
class TDefectivesVariablesSelectDialogBox : public QDialog
{
public:
    static constexpr int kHelpContext = 51;

    TDefectivesVariablesSelectDialogBox(QWidget* owner, SamplingPlanSession& session);
    ~TDefectivesVariablesSelectDialogBox() override;

    // The AQL of the design, in the current units of defective units.
    void vdSetAQL(double aql) { this->aql = aql; }

    void OKButtonClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    SamplingPlanSession& session;
    double aql = 0.0;
    std::unique_ptr<VariablesTypeControls> types;
};

} // namespace Brosquin
