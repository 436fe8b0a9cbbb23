#include "app/dialogs/AddPlanDialogBox.h"

#include "app/dialogs/DialogPanels.h"
#include "plans/SamplingPlan.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace Brosquin
{

TAddPlanDialogBox::TAddPlanDialogBox(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("AddPlanDialogBox"));
    setWindowTitle(tr("Enter New Sampling Plan"));
    QFrame* panel1 = NewFieldPanel(*this);
    pCharacteristicListBox = new QListWidget(panel1);
    pCharacteristicListBox->setObjectName(QStringLiteral("CharacteristicListBox"));
    pCharacteristicListBox->setFixedSize(161, 185);
    pTypeSamplingPlanListBox = new QListWidget(panel1);
    pTypeSamplingPlanListBox->setObjectName(QStringLiteral("TypeSamplingPlanListBox"));
    pTypeSamplingPlanListBox->setFixedSize(249, 185);
    auto* label1 = new QLabel(tr("&Characteristic:"), panel1);
    label1->setBuddy(pCharacteristicListBox);
    auto* label2 = new QLabel(tr("&Type or Source:"), panel1);
    label2->setBuddy(pTypeSamplingPlanListBox);
    auto* grid = new QGridLayout(panel1);
    grid->addWidget(label1, 0, 0);
    grid->addWidget(label2, 0, 1);
    grid->addWidget(pCharacteristicListBox, 1, 0);
    grid->addWidget(pTypeSamplingPlanListBox, 1, 1);

    QPushButton* ok = AddButtonPanel(*this, *panel1, "OkButton", kHelpContext);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(pCharacteristicListBox, &QListWidget::currentRowChanged, this,
            &TAddPlanDialogBox::CharacteristicListBoxChange);
    connect(pTypeSamplingPlanListBox, &QListWidget::itemDoubleClicked, this,
            &TAddPlanDialogBox::TypeSamplingPlanListBoxDblClick);

    for (int characteristic = 0; characteristic < SamplingPlan::CharacteristicCount;
         ++characteristic)
        pCharacteristicListBox->addItem(tr(SamplingPlan::CharacteristicListName(characteristic)));
    pCharacteristicListBox->setCurrentRow(0);
}

void TAddPlanDialogBox::CharacteristicListBoxChange()
{
    pTypeSamplingPlanListBox->clear();
    const int characteristic = Characteristic();
    const int* types = SamplingPlan::EnterablePlanTypes(characteristic);
    for (; types != nullptr && *types >= 0; ++types)
        pTypeSamplingPlanListBox->addItem(tr(SamplingPlan::PlanTypeNameOf(*types)));
    pTypeSamplingPlanListBox->setCurrentRow(0);
}

void TAddPlanDialogBox::TypeSamplingPlanListBoxDblClick()
{
    if (PlanType() >= 0)
        accept();
}

void TAddPlanDialogBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    pCharacteristicListBox->setFocus();
}

int TAddPlanDialogBox::Characteristic() const
{
    return pCharacteristicListBox->currentRow();
}

int TAddPlanDialogBox::PlanType() const
{
    const QListWidgetItem* item = pTypeSamplingPlanListBox->currentItem();
    if (item == nullptr || !item->isSelected())
        return -1;
    const int* types = SamplingPlan::EnterablePlanTypes(Characteristic());
    return types != nullptr ? types[pTypeSamplingPlanListBox->row(item)] : -1;
}

} // namespace Brosquin
