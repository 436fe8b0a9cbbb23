// The plan list window's commands on the checked plans, on the selected plan and on the table of
// all plans: they come with the evaluation window and the printing and copying of the plan table.
#include "app/ListSamplingPlansWindow.h"
#include "app/NotAvailable.h"

namespace Brosquin
{

void TListSamplingPlansWindow::SelectPlanButtonClick()
{
    vdShowNotAvailable(tr("&Select New Sampling Plans..."));
}

void TListSamplingPlansWindow::EvaluateButtonClick()
{
    vdShowNotAvailable(tr("E&valuate (OC, ASN) Sampling Plans"));
}

void TListSamplingPlansWindow::MatchProtectionButtonClick()
{
    vdShowNotAvailable(tr("&Match Protection..."));
}

void TListSamplingPlansWindow::DuplicateButtonClick()
{
    vdShowNotAvailable(tr("Dup&licate Selected Sampling Plan"));
}

void TListSamplingPlansWindow::DeletePlanButtonClick()
{
    vdShowNotAvailable(tr("&Delete Selected Sampling Plan"));
}

void TListSamplingPlansWindow::CheckAllButtonClick()
{
    vdShowNotAvailable(tr("&Check All"));
}

void TListSamplingPlansWindow::UncheckAllButtonClick()
{
    vdShowNotAvailable(tr("&Uncheck All"));
}

void TListSamplingPlansWindow::PrintButtonClick()
{
    vdShowNotAvailable(tr("&Print"));
}

void TListSamplingPlansWindow::CopyButtonClick()
{
    vdShowNotAvailable(tr("&Copy to Clipboard"));
}

} // namespace Brosquin
