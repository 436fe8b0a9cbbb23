#include "app/dialogs/CostParametersDialogBox.h"

#include "app/dialogs/DialogPanels.h"
#include "plans/SamplingPlan.h"
#include "platform/AnsiQString.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace Brosquin
{

TCostParametersDialogBox::TCostParametersDialogBox(QWidget* owner, std::function<bool()> onApplied)
    : QDialog(owner), applied(std::move(onApplied))
{
    setObjectName(QStringLiteral("CostParametersDialogBox"));
    setWindowTitle(tr("Cost Parameters"));
    QFrame* panel1 = NewFieldPanel(*this);
    TitleEditBox = new QLineEdit(panel1);
    TitleEditBox->setObjectName(QStringLiteral("TitleEditBox"));
    C0EditBox = new QLineEdit(panel1);
    C0EditBox->setObjectName(QStringLiteral("C0EditBox"));
    C1EditBox = new QLineEdit(panel1);
    C1EditBox->setObjectName(QStringLiteral("C1EditBox"));

    auto* grid = new QGridLayout(panel1);
    grid->setContentsMargins(20, 20, 20, 20);
    const int row = AddLabelledFields(*grid, 0,
                                      {{tr("&Title:"), TitleEditBox},
                                       {tr("C&0 - Per Unit Cost of Inspection:"), C0EditBox},
                                       {tr("C&1 - Per Stage Cost of Inspection:"), C1EditBox}});
    auto* panel2 = new QWidget(panel1);
    panel2->setObjectName(QStringLiteral("Panel2"));
    auto* presets = new QHBoxLayout(panel2);
    auto* asn = new QPushButton(tr("AS&N"), panel2);
    asn->setObjectName(QStringLiteral("ASNButton"));
    auto* stages = new QPushButton(tr("&E{#Stages}"), panel2);
    stages->setObjectName(QStringLiteral("ExpectedNumberStages"));
    for (QPushButton* preset : {asn, stages})
    {
        preset->setAutoDefault(false);
        presets->addWidget(preset);
    }
    grid->addWidget(panel2, row, 0, 1, 2, Qt::AlignCenter);
    connect(asn, &QPushButton::clicked, this, &TCostParametersDialogBox::ASNButtonClick);
    connect(stages, &QPushButton::clicked, this,
            &TCostParametersDialogBox::ExpectedNumberStagesClick);

    QPushButton* ok = AddButtonPanel(*this, *panel1, "OkButton", kHelpContext);
    connect(ok, &QPushButton::clicked, this, &TCostParametersDialogBox::OkButtonClick);
}

void TCostParametersDialogBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    TitleEditBox->setText(QStringOfAnsi(SamplingPlan::CostTitle().Text()));
    C0EditBox->setText(QStringOfAnsi(SamplingPlan::C0Text().Text()));
    C1EditBox->setText(QStringOfAnsi(SamplingPlan::C1Text().Text()));
    TitleEditBox->setFocus();
}

void TCostParametersDialogBox::ASNButtonClick()
{
    TitleEditBox->setText(QStringLiteral("ASN"));
    C0EditBox->setText(QStringLiteral("1"));
    C1EditBox->setText(QStringLiteral("0"));
}

void TCostParametersDialogBox::ExpectedNumberStagesClick()
{
    TitleEditBox->setText(QStringLiteral("E{#Stages}"));
    C0EditBox->setText(QStringLiteral("0"));
    C1EditBox->setText(QStringLiteral("1"));
}

void TCostParametersDialogBox::OkButtonClick()
{
    const QByteArray title = AnsiOfQString(TitleEditBox->text());
    const QByteArray c0 = AnsiOfQString(C0EditBox->text());
    const QByteArray c1 = AnsiOfQString(C1EditBox->text());
    if (title == SamplingPlan::CostTitle().Text() && c0 == SamplingPlan::C0Text().Text() &&
        c1 == SamplingPlan::C1Text().Text())
    {
        accept();
        return;
    }
    const String before[] = {SamplingPlan::CostTitle(), SamplingPlan::C0Text(),
                             SamplingPlan::C1Text()};
    String message;
    const int code =
        SamplingPlan::SetCostParameters(title.constData(), c0.constData(), c1.constData(), message);
    if (IsRefused(code, message, {C0EditBox, C1EditBox}))
        return;
    if (!applied())
    {
        SamplingPlan::SetCostParameters(before[0].Text(), before[1].Text(), before[2].Text(),
                                        message);
        TitleEditBox->setFocus();
        return;
    }
    accept();
}

} // namespace Brosquin
