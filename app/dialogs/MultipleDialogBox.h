#pragma once

#include "app/dialogs/AttributePlanDialogBox.h"
#include "core/String.h"
#include "plans/MultiplePlanTexts.h"

#include <vector>

class QTableWidget;

namespace Brosquin
{

class TStageCountEdit;

// The shape of the entry dialogs of multiple plans: the number of stages and a grid of the
// stages' sample sizes, accept numbers and reject numbers, then the units (amounts of material)
// and the advanced section of the other attribute dialogs. The grid follows the number of stages
// when it is entered, and again on OK.
class TMultipleDialogBox : public TAttributePlanDialogBox
{
    Q_OBJECT

public:
    // After OK: the number of stages and the stages' texts, which stay the dialog's.
    int Stages() const { return static_cast<int>(sampleSizes.size()); }
    const String* SampleSizes() const { return sampleSizes.data(); }
    const String* AcceptNumbers() const { return acceptNumbers.data(); }
    const String* RejectNumbers() const { return rejectNumbers.data(); }

    void ParametersStringGridEnter();
    void OKButtonClick() override;

protected:
    TMultipleDialogBox(QWidget* owner, const Design& design);

    // The stages of an existing plan, with the rest of its entries.
    void vdShowPlan(const MultiplePlanTexts& texts, const String& unitsText, int curtailingIndex,
                    bool bLotSizeGiven, const String& lotSizeText);

    int ParameterCodeCount() const override;
    QWidget* ParameterOfCode(int code) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The number of stages typed, when it is a whole number from 2 to 1000.
    bool ReadStageCount(int& stages) const;
    // Judges the number of stages and brings the grid to it; false, with the message shown and
    // the focus on the number, when it is no number of stages.
    bool StagesFollowTheCount();
    void vdSetGridStages(int stages);

    TStageCountEdit* pNumberStagesEdit;
    QTableWidget* pParametersStringGrid;
    bool bJudgingStages = false;
    // The stages' texts taken on OK.
    std::vector<String> sampleSizes;
    std::vector<String> acceptNumbers;
    std::vector<String> rejectNumbers;
};

} // namespace Brosquin
