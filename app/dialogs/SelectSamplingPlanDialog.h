#pragma once

#include <QDialog>
#include <cstdint>
#include <vector>

class QListWidget;

namespace Brosquin
{

class SamplingPlanSession;

// A list of plans with check boxes, through which the evaluation window chooses the plans to add
// or to remove. Entry k stands for the k-th session position the caller passed; the caller sets
// the caption and reads the check marks after OK.
class TSelectSamplingPlanDialog : public QDialog
{
public:
    // Each entry reads the plan's description, " for " and its characteristic.
    TSelectSamplingPlanDialog(QWidget* owner, bool checked,
                              const std::vector<std::uint32_t>& positions,
                              const SamplingPlanSession& session, int helpContext);

    int CheckedCount() const;
    // Entry k from 0.
    bool IsChecked(int k) const;

    void CheckAllBitBtnClick();
    void UncheckAllBitBtnClick();

private:
    void vdCheckAll(bool checked);

    QListWidget* SamplingPlanCheckListBox;
};

} // namespace Brosquin
