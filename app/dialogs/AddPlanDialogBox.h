#pragma once

#include <QDialog>

class QListWidget;

namespace Brosquin
{

// Where the user picks the characteristic and the type of a new plan. It lives for the whole run,
// so the last choice stays selected for the next plan.
class TAddPlanDialogBox : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kHelpContext = 40;

    explicit TAddPlanDialogBox(QWidget* owner);

    // The chosen characteristic (0 defective units, 1 defects per unit, 2 defects per quantity)
    // and plan type code; -1 for a type when none is chosen.
    int Characteristic() const;
    int PlanType() const;

    void CharacteristicListBoxChange();
    void TypeSamplingPlanListBoxDblClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QListWidget* pCharacteristicListBox;
    QListWidget* pTypeSamplingPlanListBox;
};

} // namespace Brosquin
