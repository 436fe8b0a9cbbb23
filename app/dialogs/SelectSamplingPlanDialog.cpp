#include "app/dialogs/SelectSamplingPlanDialog.h"

#include "app/dialogs/DialogPanels.h"
#include "plans/SamplingPlan.h"
#include "plans/SamplingPlanSession.h"
#include "platform/AnsiQString.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace Brosquin
{

TSelectSamplingPlanDialog::TSelectSamplingPlanDialog(QWidget* owner, bool checked,
                                                     const std::vector<std::uint32_t>& positions,
                                                     const SamplingPlanSession& session,
                                                     int helpContext)
    : QDialog(owner), SamplingPlanCheckListBox(new QListWidget)
{
    setObjectName(QStringLiteral("SelectSamplingPlanDialog"));
    QFrame* panel1 = NewFieldPanel(*this);
    SamplingPlanCheckListBox->setParent(panel1);
    SamplingPlanCheckListBox->setObjectName(QStringLiteral("SamplingPlanCheckListBox"));
    auto* label1 = new QLabel(tr("&Select Sampling Plans:"), panel1);
    label1->setBuddy(SamplingPlanCheckListBox);
    auto* panelLayout = new QVBoxLayout(panel1);
    panelLayout->addWidget(label1);
    panelLayout->addWidget(SamplingPlanCheckListBox);
    for (const std::uint32_t position : positions)
    {
        // A position that names no plan keeps its entry, empty, so the entries stay in step.
        const SamplingPlan* plan = session.Plan(position);
        auto* entry =
            new QListWidgetItem(plan ? QStringOfAnsi(plan->Description().Text()) + tr(" for ") +
                                           QStringOfAnsi(plan->CharacteristicName())
                                     : QString(),
                                SamplingPlanCheckListBox);
        entry->setFlags(entry->flags() | Qt::ItemIsUserCheckable);
        entry->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }

    QPushButton* ok = AddButtonPanel(*this, *panel1, "OkButton", helpContext);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = findChild<QDialogButtonBox*>(QStringLiteral("Panel2"));
    QPushButton* checkAll = buttons->addButton(tr("&Check All"), QDialogButtonBox::ActionRole);
    checkAll->setObjectName(QStringLiteral("CheckAllBitBtn"));
    checkAll->setAutoDefault(false);
    connect(checkAll, &QPushButton::clicked, this, &TSelectSamplingPlanDialog::CheckAllBitBtnClick);
    QPushButton* uncheckAll = buttons->addButton(tr("&Uncheck All"), QDialogButtonBox::ActionRole);
    uncheckAll->setObjectName(QStringLiteral("UncheckAllBitBtn"));
    uncheckAll->setAutoDefault(false);
    connect(uncheckAll, &QPushButton::clicked, this,
            &TSelectSamplingPlanDialog::UncheckAllBitBtnClick);
    SamplingPlanCheckListBox->setMinimumSize(520, 180);
    SamplingPlanCheckListBox->setFocus();
}

int TSelectSamplingPlanDialog::CheckedCount() const
{
    int count = 0;
    for (int k = 0; k < SamplingPlanCheckListBox->count(); ++k)
        count += IsChecked(k) ? 1 : 0;
    return count;
}

bool TSelectSamplingPlanDialog::IsChecked(int k) const
{
    const QListWidgetItem* entry = SamplingPlanCheckListBox->item(k);
    return entry != nullptr && entry->checkState() == Qt::Checked;
}

void TSelectSamplingPlanDialog::CheckAllBitBtnClick()
{
    vdCheckAll(true);
}

void TSelectSamplingPlanDialog::UncheckAllBitBtnClick()
{
    vdCheckAll(false);
}

void TSelectSamplingPlanDialog::vdCheckAll(bool checked)
{
    for (int k = 0; k < SamplingPlanCheckListBox->count(); ++k)
        SamplingPlanCheckListBox->item(k)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

} // namespace Brosquin
