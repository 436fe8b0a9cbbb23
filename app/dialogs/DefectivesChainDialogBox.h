#pragma once

#include "plans/DefectivesChainSamplingPlan.h"

#include <QByteArray>
#include <QDialog>
#include <array>

class QLineEdit;

namespace Brosquin
{

// The entries of a chain plan: n, a1, r1, i and a2. There is no method of curtailing and no lot
// size; Help opens the help contents.
class TDefectivesChainDialogBox : public QDialog
{
    Q_OBJECT

public:
    // The plan to edit, or null for a new plan; only read.
    TDefectivesChainDialogBox(QWidget* owner, const DefectivesChainSamplingPlan* plan);

    // Hands the entries to the plan.
    void vdDescribe(DefectivesChainSamplingPlan& plan) const;

    void OKButtonClick();

private:
    // The five texts in the order n, a1, r1, i, a2.
    std::array<QByteArray, 5> Texts() const;

    std::array<QLineEdit*, 5> editBoxes;
};

} // namespace Brosquin
