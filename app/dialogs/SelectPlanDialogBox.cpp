#include "app/dialogs/SelectPlanDialogBox.h"

#include "app/ListSamplingPlansWindow.h"
#include "app/MainMDIWindow.h"
#include "app/ToolBarGlyphs.h"
#include "app/dialogs/DefectivesVariablesSelectDialogBox.h"
#include "app/dialogs/DialogPanels.h"
#include "core/RealOf.h"
#include "plans/DefectivesSamplingPlan.h"
#include "plans/DefectsPerUnitSamplingPlan.h"
#include "plans/SamplingPlanSession.h"
#include "plans/SessionBounds.h"
#include "platform/AnsiQString.h"
#include "platform/UserInteraction.h"
#include "platform/WaitCursor.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace Brosquin
{

namespace
{

// The width of the units row: the units name, then for defects per quantity the unit's own
// name in the right half.
constexpr int kUnitsWidth = 300;

// Plan types whose design asks the variables selection first.
bool IsVariablesType(int planType)
{
    return planType >= 6 && planType <= 8;
}

// The code of the double plan type, whose design may search for long.
constexpr int doublePlanType = 1;

QLineEdit* NewEdit(const char* name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

QLabel* NewStatusLabel(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPixelSize(15);
    label->setFont(font);
    return label;
}

// A status in red when it reports a problem, in blue when it shows what will be asked for.
void vdShowStatus(QLabel& label, const String& status, bool problem)
{
    label.setText(QStringOfAnsi(status.Text()));
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, problem ? Qt::red : Qt::blue);
    label.setPalette(palette);
}

QByteArray TextOf(const QLineEdit* edit)
{
    return AnsiOfQString(edit->text());
}

} // namespace

TSelectPlanDialogBox::TSelectPlanDialogBox(TListSamplingPlansWindow& planListWindow,
                                           TMainMDIWindow& mainMDIWindow)
    : QDialog(&mainMDIWindow), planList(planListWindow), mainWindow(mainMDIWindow),
      pVariablesSelectDialogBox(
          new TDefectivesVariablesSelectDialogBox(&mainMDIWindow, planListWindow))
{
    setObjectName(QStringLiteral("SelectPlanDialogBox"));
    setWindowTitle(tr("Select New/Matching Sampling Plans"));
    QFrame* panel1 = NewFieldPanel(*this);

    auto* plans = new QGroupBox(tr(" Plans "), panel1);
    CharacteristicComboBox = new QComboBox(plans);
    CharacteristicComboBox->setObjectName(QStringLiteral("CharacteristicComboBox"));
    for (int characteristic = 0; characteristic < SamplingPlan::CharacteristicCount;
         ++characteristic)
        CharacteristicComboBox->addItem(tr(SamplingPlan::CharacteristicListName(characteristic)));
    TypesSamplingPlansCheckListBox = new QListWidget(plans);
    TypesSamplingPlansCheckListBox->setObjectName(QStringLiteral("TypesSamplingPlansCheckListBox"));
    TypesSamplingPlansCheckListBox->setFixedHeight(70);
    auto* checks = new QVBoxLayout;
    for (const auto& [name, glyph, handler] :
         {std::tuple{"CheckAllBitBtn", ToolBarGlyph::CheckAll,
                     &TSelectPlanDialogBox::CheckAllBitBtnClick},
          std::tuple{"UncheckAllBitBtn", ToolBarGlyph::UncheckAll,
                     &TSelectPlanDialogBox::UncheckAllBitBtnClick}})
    {
        auto* button = new QPushButton(ToolBarIcon(glyph), QString(), plans);
        button->setObjectName(QLatin1String(name));
        button->setAutoDefault(false);
        button->setFixedSize(30, 30);
        connect(button, &QPushButton::clicked, this, handler);
        checks->addWidget(button);
    }
    auto* plansGrid = new QGridLayout(plans);
    const int plansRow =
        AddLabelledFields(*plansGrid, 0,
                          {{tr("&Characteristic to Inspect:"), CharacteristicComboBox},
                           {tr("&Types of Sampling Plans:"), TypesSamplingPlansCheckListBox}});
    plansGrid->addLayout(checks, plansRow - 1, 2);

    auto* protection = new QGroupBox(tr(" Protection "), panel1);
    AqlEditControl = NewEdit("AqlEditControl", protection);
    LtpdEditControl = NewEdit("LtpdEditControl", protection);
    MaxAqlEditBox = NewEdit("MaxAqlEditBox", protection);
    AdjustmentComboBox = new QComboBox(protection);
    AdjustmentComboBox->setObjectName(QStringLiteral("AdjustmentComboBox"));
    AdjustmentComboBox->addItem(tr("None"));
    for (int percent = 1; percent <= 10; ++percent)
        AdjustmentComboBox->addItem(QStringLiteral("%1%").arg(percent));
    AdjustmentComboBox->setMaxVisibleItems(11);
    AqlDescriptionLabel = NewStatusLabel("AqlDescriptionLabel", protection);
    LtpdDescriptionLabel = NewStatusLabel("LtpdDescriptionLabel", protection);
    auto* protectionGrid = new QGridLayout(protection);
    AddLabelledFields(*protectionGrid, 0, {{tr("&AQL:"), AqlEditControl}});
    // Its caption follows the symbol of the LTPD.
    LtpdLabel = new QLabel(protection);
    LtpdLabel->setObjectName(QStringLiteral("LtpdLabel"));
    LtpdLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LtpdLabel->setBuddy(LtpdEditControl);
    protectionGrid->addWidget(LtpdLabel, 1, 0);
    protectionGrid->addWidget(LtpdEditControl, 1, 1);
    AddLabelledFields(*protectionGrid, 2,
                      {{tr("&Max AQL:"), MaxAqlEditBox}, {tr("A&djustment:"), AdjustmentComboBox}});
    protectionGrid->addWidget(AqlDescriptionLabel, 4, 0, 1, 2);
    protectionGrid->addWidget(LtpdDescriptionLabel, 5, 0, 1, 2);

    auto* minimize = new QGroupBox(tr(" Minimize:"), panel1);
    ASNRadioButton = new QRadioButton(tr("AS&N"), minimize);
    ASNRadioButton->setObjectName(QStringLiteral("ASNRadioButton"));
    ASNRadioButton->setChecked(true);
    CostRadioButton = new QRadioButton(tr("C&ost"), minimize);
    CostRadioButton->setObjectName(QStringLiteral("CostRadioButton"));
    PEditControl = NewEdit("PEditControl", minimize);
    PEditControl->setText(QStringLiteral("AQL"));
    CostDescriptionLabel = NewStatusLabel("CostDescriptionLabel", minimize);
    CostDescriptionLabel->setText(QStringLiteral("C0 * ASN(p) + C1 * E{#Stages}(p)"));
    auto* minimizeGrid = new QGridLayout(minimize);
    minimizeGrid->addWidget(ASNRadioButton, 0, 0);
    minimizeGrid->addWidget(CostRadioButton, 0, 1);
    auto* pLabel = new QLabel(tr("At &p ="), minimize);
    pLabel->setBuddy(PEditControl);
    minimizeGrid->addWidget(pLabel, 0, 2, Qt::AlignRight);
    minimizeGrid->addWidget(PEditControl, 0, 3);
    minimizeGrid->addWidget(CostDescriptionLabel, 1, 0, 1, 4);

    PrefixUnitsTextBox = new QLabel(panel1);
    PrefixUnitsTextBox->setObjectName(QStringLiteral("PrefixUnitsTextBox"));
    SuffixUnitsEditControl = NewEdit("SuffixUnitsEditControl", panel1);
    SuffixUnitsEditControl->setFixedWidth(kUnitsWidth / 2);
    auto* unitsLabel = new QLabel(tr("Un&its:"), panel1);
    unitsLabel->setObjectName(QStringLiteral("UnitsLabel"));
    unitsLabel->setBuddy(SuffixUnitsEditControl);
    auto* units = new QHBoxLayout;
    units->addStretch();
    for (QWidget* part :
         std::initializer_list<QWidget*>{unitsLabel, PrefixUnitsTextBox, SuffixUnitsEditControl})
        units->addWidget(part);
    units->addStretch();

    auto* layout = new QVBoxLayout(panel1);
    for (QGroupBox* group : {plans, protection, minimize})
        layout->addWidget(group);
    layout->addLayout(units);

    QPushButton* ok = AddButtonPanel(*this, *panel1, "OkButton", kHelpContext);
    ok->setText(tr("Select"));
    auto* buttons = qobject_cast<QDialogButtonBox*>(ok->parentWidget());
    for (const auto& [name, caption, handler] :
         {std::tuple{"DefinitionsButton", tr("De&finitions"),
                     &TSelectPlanDialogBox::DefinitionsButtonClick},
          std::tuple{"CostBitBtn", tr("Co&sts"), &TSelectPlanDialogBox::CostBitBtnClick}})
    {
        QPushButton* button = buttons->addButton(caption, QDialogButtonBox::ActionRole);
        button->setObjectName(QLatin1String(name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, handler);
    }
    connect(ok, &QPushButton::clicked, this, &TSelectPlanDialogBox::OkButtonClick);
    connect(CharacteristicComboBox, &QComboBox::currentIndexChanged, this,
            &TSelectPlanDialogBox::CharacteristicComboBoxChange);
    for (QLineEdit* edit :
         {AqlEditControl, LtpdEditControl, MaxAqlEditBox, PEditControl, SuffixUnitsEditControl})
        connect(edit, &QLineEdit::textChanged, this, &TSelectPlanDialogBox::UpdateStatus);
    connect(AdjustmentComboBox, &QComboBox::currentIndexChanged, this,
            &TSelectPlanDialogBox::UpdateStatus);
    // The two buttons are one group: a click checks one and clears the other.
    connect(ASNRadioButton, &QRadioButton::clicked, this, &TSelectPlanDialogBox::UpdateStatus);
    connect(CostRadioButton, &QRadioButton::clicked, this, &TSelectPlanDialogBox::UpdateStatus);

    vdShowLtpdSymbol();
    CharacteristicComboBoxChange();
}

int TSelectPlanDialogBox::Characteristic() const
{
    return CharacteristicComboBox->currentIndex();
}

QByteArray TSelectPlanDialogBox::C0Text() const
{
    return ASNRadioButton->isChecked() ? QByteArray("1")
                                       : QByteArray(SamplingPlan::C0Text().Text());
}

QByteArray TSelectPlanDialogBox::C1Text() const
{
    return ASNRadioButton->isChecked() ? QByteArray("0")
                                       : QByteArray(SamplingPlan::C1Text().Text());
}

void TSelectPlanDialogBox::vdShowLtpdSymbol()
{
    LtpdLabel->setText(QLatin1Char('&') +
                       QLatin1String(SamplingPlan::SymbolName(SamplingPlan::SymbolIndex())) +
                       QLatin1Char(':'));
}

void TSelectPlanDialogBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    vdShowLtpdSymbol();
    CharacteristicComboBox->setFocus();
}

void TSelectPlanDialogBox::CheckAllBitBtnClick()
{
    for (int row = 0; row < TypesSamplingPlansCheckListBox->count(); ++row)
        TypesSamplingPlansCheckListBox->item(row)->setCheckState(Qt::Checked);
}

void TSelectPlanDialogBox::UncheckAllBitBtnClick()
{
    for (int row = 0; row < TypesSamplingPlansCheckListBox->count(); ++row)
        TypesSamplingPlansCheckListBox->item(row)->setCheckState(Qt::Unchecked);
}

void TSelectPlanDialogBox::CharacteristicComboBoxChange()
{
    const int characteristic = Characteristic();
    TypesSamplingPlansCheckListBox->clear();
    const int* types = SamplingPlan::DesignablePlanTypes(characteristic);
    for (int row = 0; types != nullptr && types[row] >= 0; ++row)
    {
        auto* item = new QListWidgetItem(tr(SamplingPlan::PlanTypeNameOf(types[row])),
                                         TypesSamplingPlansCheckListBox);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(row < 2 ? Qt::Checked : Qt::Unchecked);
    }
    TypesSamplingPlansCheckListBox->setCurrentRow(0);
    PrefixUnitsTextBox->setText(tr(SamplingPlan::CurrentUnitsName(characteristic)));
    const bool quantityUnits = SamplingPlan::HasQuantityUnits(characteristic);
    {
        const QSignalBlocker quiet(SuffixUnitsEditControl);
        SuffixUnitsEditControl->clear();
    }
    SuffixUnitsEditControl->setEnabled(quantityUnits);
    SuffixUnitsEditControl->setVisible(quantityUnits);
    PrefixUnitsTextBox->setFixedWidth(quantityUnits ? kUnitsWidth / 2 : kUnitsWidth);
    UpdateStatus();
}

void TSelectPlanDialogBox::UpdateStatus()
{
    String aqlStatus;
    String ltpdStatus;
    String costStatus;
    bool aqlProblem = true;
    bool ltpdProblem = true;
    bool costProblem = true;
    statusCode = SamplingPlanSession::ValidateSelectionInputs(
        Characteristic(), TextOf(AqlEditControl).constData(), TextOf(LtpdEditControl).constData(),
        TextOf(MaxAqlEditBox).constData(), AdjustmentComboBox->currentIndex(),
        TextOf(PEditControl).constData(), C0Text().constData(), C1Text().constData(),
        TextOf(SuffixUnitsEditControl).constData(), aqlStatus, aqlProblem, ltpdStatus, ltpdProblem,
        costStatus, costProblem, statusMessage);
    vdShowStatus(*AqlDescriptionLabel, aqlStatus, aqlProblem);
    vdShowStatus(*LtpdDescriptionLabel, ltpdStatus, ltpdProblem);
    vdShowStatus(*CostDescriptionLabel, costStatus, costProblem);
}

void TSelectPlanDialogBox::DefinitionsButtonClick()
{
    mainWindow.OptionsDefinitions();
    vdShowLtpdSymbol();
    UpdateStatus();
}

void TSelectPlanDialogBox::CostBitBtnClick()
{
    mainWindow.OptionsCostParameters();
    UpdateStatus();
}

void TSelectPlanDialogBox::OkButtonClick()
{
    // The costs or the definitions may have changed from the main window since the last check.
    UpdateStatus();
    if (IsRefused(statusCode, statusMessage,
                  {AqlEditControl, MaxAqlEditBox, LtpdEditControl, PEditControl, nullptr, nullptr,
                   SuffixUnitsEditControl}))
    {
        // C0 and C1 are set in the cost parameters dialog.
        if (statusCode == 5 || statusCode == 6)
            CostBitBtnClick();
        return;
    }
    if (!HasRoomForDesigns())
        return;
    if (!DesignCheckedTypes())
    {
        UserInteraction::Current().MessageBox(tr("Type of sampling plan not selected."));
        TypesSamplingPlansCheckListBox->setFocus();
        return;
    }
    planList.vdRefreshList(planList.Session().Count());
    accept();
}

bool TSelectPlanDialogBox::HasRoomForDesigns() const
{
    std::uint32_t checked = 0;
    for (int row = 0; row < TypesSamplingPlansCheckListBox->count(); ++row)
        if (TypesSamplingPlansCheckListBox->item(row)->checkState() == Qt::Checked)
            ++checked;
    // Before any search, which may take long: a plan of every type checked is added.
    const SamplingPlanSession& session = planList.Session();
    const std::uint32_t room = LargestSessionPlans - session.Count();
    if (checked > room)
    {
        UserInteraction::Current().MessageBox(
            (room == 1 ? tr("Only 1 more sampling plan can be added.")
                       : tr("Only %1 more sampling plans can be added.").arg(room)) +
            tr("  Check fewer types of sampling plan or delete plans and repeat."));
        TypesSamplingPlansCheckListBox->setFocus();
        return false;
    }
    return planList.FileHasRoomFor(checked * SamplingPlanSession::LargestDesignedPlanBytes);
}

bool TSelectPlanDialogBox::DesignCheckedTypes()
{
    const WaitCursor hourglass;
    const int characteristic = Characteristic();
    const int* types = SamplingPlan::DesignablePlanTypes(characteristic);
    bool anyChecked = false;
    bool variablesAsked = false;
    bool variablesSkipped = false;
    for (int row = 0; row < TypesSamplingPlansCheckListBox->count(); ++row)
    {
        if (TypesSamplingPlansCheckListBox->item(row)->checkState() != Qt::Checked)
            continue;
        anyChecked = true;
        // Out of the way of the questions and warnings; the handler still runs modally.
        hide();
        if (characteristic == SamplingPlan::DefectiveUnits && IsVariablesType(types[row]))
        {
            if (!variablesAsked)
            {
                variablesAsked = true;
                pVariablesSelectDialogBox->vdSetAQL(
                    RealOf(TextOf(AqlEditControl).constData()).dValue());
                variablesSkipped = pVariablesSelectDialogBox->exec() != QDialog::Accepted;
            }
            if (variablesSkipped)
                continue;
        }
        // A double design may search for long: it shows its progress, and Cancel stops it.
        std::unique_ptr<WorkProgress> work;
        DesignProgress progress;
        if (types[row] == doublePlanType)
        {
            work = UserInteraction::Current().StartWork(
                {tr("Designing ..."), tr("Searching for the best double sampling plan")});
            progress = [&work](double fraction) { return work->Continues(fraction); };
        }
        String message;
        const bool added = planList.Session().vdSelectPlans(
            characteristic, row, AdjustmentComboBox->currentIndex(),
            TextOf(AqlEditControl).constData(), TextOf(LtpdEditControl).constData(),
            TextOf(MaxAqlEditBox).constData(), TextOf(PEditControl).constData(),
            C0Text().constData(), C1Text().constData(), TextOf(SuffixUnitsEditControl).constData(),
            message, progress);
        work.reset();
        // A plan may come with a note, which speaks of the plan in the list: the list shows it
        // first. Without a plan, the message is the reason.
        if (added && message.Length() > 0)
            planList.vdRefreshList(planList.Session().Count());
        if (!added || message.Length() > 0)
            UserInteraction::Current().MessageBox(QStringOfAnsi(message.Text()), tr("Warning"));
    }
    return anyChecked;
}

void TSelectPlanDialogBox::vdMatchProtection(const SamplingPlan& plan)
{
    {
        const QSignalBlocker quiet(CharacteristicComboBox);
        CharacteristicComboBox->setCurrentIndex(plan.CharacteristicId());
    }
    CharacteristicComboBoxChange();
    const int* types = SamplingPlan::DesignablePlanTypes(plan.CharacteristicId());
    for (int row = 0; types != nullptr && types[row] >= 0; ++row)
        if (types[row] == plan.PlanTypeId())
            TypesSamplingPlansCheckListBox->item(row)->setCheckState(Qt::Unchecked);
    AqlEditControl->setText(QStringOfAnsi(plan.AQLPointText().Text()));
    MaxAqlEditBox->clear();
    LtpdEditControl->setText(QStringOfAnsi(plan.LTPDPointText().Text()));
    AdjustmentComboBox->setCurrentIndex(0);
    SuffixUnitsEditControl->setText(QStringOfAnsi(plan.QuantityUnitsText().Text()));
    UpdateStatus();
}

void TSelectPlanDialogBox::vdConvertUnits(int oldDefectives, int newDefectives, int oldDefects,
                                          int newDefects)
{
    const int characteristic = Characteristic();
    const bool defectives = characteristic == SamplingPlan::DefectiveUnits;
    if (!defectives && characteristic != SamplingPlan::DefectsPerUnit)
        return;
    const int oldIndex = defectives ? oldDefectives : oldDefects;
    const int newIndex = defectives ? newDefectives : newDefects;
    if (oldIndex == newIndex)
        return;
    const UnitsTable& units =
        defectives ? DefectivesSamplingPlan::Units() : DefectsPerUnitSamplingPlan::Units();
    for (QLineEdit* edit : {AqlEditControl, MaxAqlEditBox, LtpdEditControl, PEditControl})
    {
        const Real value = RealOf(TextOf(edit).constData());
        if (IsNumber(value))
            edit->setText(QStringOfAnsi(
                RealOf(value.dValue() * units.dFactor(newIndex) / units.dFactor(oldIndex)).Text()));
    }
    PrefixUnitsTextBox->setText(tr(SamplingPlan::CurrentUnitsName(characteristic)));
    UpdateStatus();
}

} // namespace Brosquin
