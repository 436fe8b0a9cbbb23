#pragma once

#include <QDialog>

class QLineEdit;

namespace Brosquin
{

class SamplingPlanEvaluationList;

// "Table Range": the quality levels over which the evaluation list tabulates its curves, as the
// minimum, the maximum and the number of intervals. OK sets them through the list, which checks
// them; a refusal names its field, which gets the focus, and leaves the range as it was.
class TTableOptionsDialogBox : public QDialog
{
public:
    static constexpr int kHelpContext = 33;

    TTableOptionsDialogBox(QWidget* owner, SamplingPlanEvaluationList& list);

    void OkButtonClick();

private:
    SamplingPlanEvaluationList& list;
    QLineEdit* MinimumEditControl;
    QLineEdit* MaximumEditControl;
    QLineEdit* NumberEditControl;
};

} // namespace Brosquin
