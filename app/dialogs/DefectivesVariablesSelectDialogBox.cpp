#include "app/dialogs/DefectivesVariablesSelectDialogBox.h"

#include "app/ListSamplingPlansWindow.h"
#include "app/dialogs/DialogPanels.h"
#include "core/RealOf.h"
#include "plans/DefectivesSamplingPlan.h"
#include "plans/SamplingPlanSession.h"
#include "plans/VariablesPlanTerms.h"
#include "platform/AnsiQString.h"
#include "platform/UserInteraction.h"
#include "stats/InverseSolvers.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace Brosquin
{

TDefectivesVariablesSelectDialogBox::TDefectivesVariablesSelectDialogBox(
    QWidget* owner, TListSamplingPlansWindow& planList)
    : QDialog(owner), planList(planList)
{
    setWindowTitle(tr("Select Variables Plans for Defective Units"));
    QFrame* panel1 = NewFieldPanel(*this);
    auto* grid = new QGridLayout(panel1);
    int row = 0;
    for (const auto& [name, text] :
         {std::pair{"Label1", "Specify how the measurements behave, so that variables sampling"},
          {"Label2", "plans for defective units can be selected."}})
    {
        auto* label = new QLabel(tr(text), panel1);
        label->setObjectName(QLatin1String(name));
        label->setAlignment(Qt::AlignCenter);
        grid->addWidget(label, row++, 0, 1, 2);
    }
    types = std::make_unique<VariablesTypeControls>(*panel1, *grid, row, "C&p");
    QPushButton* ok = AddButtonPanel(*this, *panel1, "OKButton", kHelpContext);
    connect(ok, &QPushButton::clicked, this, &TDefectivesVariablesSelectDialogBox::OKButtonClick);
    types->vdSet(false, true, QStringLiteral("(USL - LSL) / (6 * SD)"));
}

TDefectivesVariablesSelectDialogBox::~TDefectivesVariablesSelectDialogBox() = default;

void TDefectivesVariablesSelectDialogBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    types->vdFocusStandardDeviation();
}

void TDefectivesVariablesSelectDialogBox::OKButtonClick()
{
    const QByteArray cpText = types->CpText();
    if (types->IsSdKnown() && types->HasTwoSpecs())
    {
        const auto refuse = [&](const QString& text, const QString& caption)
        {
            UserInteraction::Current().MessageBox(text, caption);
            types->CpEdit().setFocus();
        };
        const Real cp = CapabilityOf(cpText.constData());
        if (!IsNumber(cp))
            return refuse(tr("Cp is not a valid number."), QString());
        if (!(cp > RealOf(0.0)))
            return refuse(tr("Cp must be positive."), QString());
        if (aql != 0.0)
        {
            // The Cp of a process centred between the limits with the AQL outside them.
            const UnitsTable& units = DefectivesSamplingPlan::Units();
            const double fraction = aql / units.dFactor(units.CurrentIndex());
            const double smallest = -InverseNormal(fraction / 2) / 3;
            if (cp.dValue() < smallest)
            {
                String warning("For an AQL of ");
                warning += RealOf(aql).Text(5, true);
                warning += " ";
                warning += units.Name(units.CurrentIndex());
                warning += ", the minimum Cp required is ";
                warning += RealOf(smallest).Text(5, true);
                warning += ".";
                return refuse(QStringOfAnsi(warning.Text()), tr("Warning"));
            }
        }
    }
    planList.Session().vdSetVariablesSelection(types->IsSdKnown(), types->HasTwoSpecs(),
                                               cpText.constData());
    accept();
}

} // namespace Brosquin
