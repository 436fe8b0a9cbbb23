#include "app/dialogs/UnitsDialogBox.h"

#include "app/Settings.h"
#include "app/dialogs/DialogPanels.h"
#include "plans/DefectivesSamplingPlan.h"
#include "plans/DefectsPerUnitSamplingPlan.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace Brosquin
{

namespace
{

// A radio group of three rows, the index of a row being its units index.
QButtonGroup* NewRadioGroup(const char* name, const QString& title, const QStringList& rows,
                            QWidget& panel, QLayout& layout)
{
    auto* box = new QGroupBox(title, &panel);
    box->setObjectName(QLatin1String(name));
    auto* boxLayout = new QVBoxLayout(box);
    auto* group = new QButtonGroup(box);
    for (int index = 0; index < rows.size(); ++index)
    {
        auto* button = new QRadioButton(rows[index], box);
        group->addButton(button, index);
        boxLayout->addWidget(button);
    }
    layout.addWidget(box);
    return group;
}

} // namespace

TUnitsDialogBox::TUnitsDialogBox(QWidget* owner, SettingsStore& settingsStore, Applied onApplied)
    : QDialog(owner), store(settingsStore), applied(std::move(onApplied))
{
    setObjectName(QStringLiteral("UnitsDialogBox"));
    setWindowTitle(tr("Units For Defective Units and Defects Per Unit"));
    QFrame* panel1 = NewFieldPanel(*this);
    auto* layout = new QVBoxLayout(panel1);
    layout->setContentsMargins(20, 20, 20, 20);
    auto* groups = new QHBoxLayout;
    layout->addLayout(groups);
    pUnitsDefectives = NewRadioGroup(
        "UnitsDefectivesRadioGroup", tr("  Units for Defective Units  "),
        {tr("&Fraction Defective"), tr("&Percent Defective"), tr("&Defectives per Million")},
        *panel1, *groups);
    pUnitsDefects = NewRadioGroup("UnitsDefectsRadioGroup", tr("  Units for Defects Per Unit  "),
                                  {tr("Defects per &Unit"), tr("Defects per &Hundred Units"),
                                   tr("Defects per &Million Units")},
                                  *panel1, *groups);
    layout->addLayout(NewDefaultsButtons(
        *panel1, tr("&Save As Defaults"), [this] { SaveAsDefaultsButtonClick(); },
        tr("Set &To Defaults"), [this] { SetToDefaultsButtonClick(); }));

    QPushButton* ok = AddButtonPanel(*this, *panel1, "OkButton", kHelpContext);
    connect(ok, &QPushButton::clicked, this, &TUnitsDialogBox::OkButtonClick);
}

void TUnitsDialogBox::vdShowUnits(int defectivesIndex, int defectsIndex)
{
    pUnitsDefectives->button(defectivesIndex)->setChecked(true);
    pUnitsDefects->button(defectsIndex)->setChecked(true);
    pUnitsDefectives->checkedButton()->setFocus();
}

void TUnitsDialogBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    vdShowUnits(DefectivesSamplingPlan::Units().CurrentIndex(),
                DefectsPerUnitSamplingPlan::Units().CurrentIndex());
}

void TUnitsDialogBox::SaveAsDefaultsButtonClick()
{
    UnitsTable& defectives = DefectivesSamplingPlan::Units();
    UnitsTable& defects = DefectsPerUnitSamplingPlan::Units();
    if (pUnitsDefectives->checkedId() == defectives.DefaultIndex() &&
        pUnitsDefects->checkedId() == defects.DefaultIndex())
        return;
    defectives.SetDefaultIndex(pUnitsDefectives->checkedId());
    defects.SetDefaultIndex(pUnitsDefects->checkedId());
    if (!WriteUnits(store))
        vdShowDefaultsNotSaved();
}

void TUnitsDialogBox::SetToDefaultsButtonClick()
{
    vdShowUnits(DefectivesSamplingPlan::Units().DefaultIndex(),
                DefectsPerUnitSamplingPlan::Units().DefaultIndex());
}

void TUnitsDialogBox::OkButtonClick()
{
    UnitsTable& defectives = DefectivesSamplingPlan::Units();
    UnitsTable& defects = DefectsPerUnitSamplingPlan::Units();
    const int oldDefectives = defectives.CurrentIndex();
    const int oldDefects = defects.CurrentIndex();
    const int newDefectives = pUnitsDefectives->checkedId();
    const int newDefects = pUnitsDefects->checkedId();
    if (newDefectives == oldDefectives && newDefects == oldDefects)
    {
        accept();
        return;
    }
    defectives.SetCurrentIndex(newDefectives);
    defects.SetCurrentIndex(newDefects);
    if (!applied(oldDefectives, newDefectives, oldDefects, newDefects))
    {
        defectives.SetCurrentIndex(oldDefectives);
        defects.SetCurrentIndex(oldDefects);
        return;
    }
    accept();
}

} // namespace Brosquin
