#include "app/dialogs/DefinitionsDialogBox.h"

#include "app/Settings.h"
#include "app/dialogs/DialogPanels.h"
#include "core/RealOf.h"
#include "plans/SamplingPlan.h"
#include "platform/AnsiQString.h"
#include "platform/UserInteraction.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace Brosquin
{

namespace
{

QComboBox* NewProbabilityComboBox(const char* name, const QStringList& items, const QString& hint,
                                  QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(items);
    box->setToolTip(hint);
    return box;
}

QLabel* NewStatement(const char* name, QWidget* parent)
{
    auto* statement = new QLabel(parent);
    statement->setObjectName(QLatin1String(name));
    statement->setAlignment(Qt::AlignCenter);
    statement->setWordWrap(true);
    return statement;
}

QString SymbolOf(int symbolIndex)
{
    return QLatin1String(SamplingPlan::SymbolName(symbolIndex));
}

} // namespace

TDefinitionsDialogBox::TDefinitionsDialogBox(QWidget* owner, SettingsStore& settingsStore,
                                             std::function<bool()> onApplied)
    : QDialog(owner), store(settingsStore), applied(std::move(onApplied))
{
    setObjectName(QStringLiteral("DefinitionsDialogBox"));
    QFrame* panel1 = NewFieldPanel(*this);
    auto* aqlLabel = new QLabel(tr("&AQL:     Probability of Acceptance:"), panel1);
    aqlLabel->setObjectName(QStringLiteral("AqlLabel"));
    QFont labelFont = aqlLabel->font();
    labelFont.setPixelSize(15);
    aqlLabel->setFont(labelFont);
    AqlProbabilityComboBox = NewProbabilityComboBox(
        "AqlProbabilityComboBox", {"0.99", "0.95", "0.90"}, tr("Default value is 0.95"), panel1);
    aqlLabel->setBuddy(AqlProbabilityComboBox);
    LtpdLabel1 = new QLabel(panel1);
    LtpdLabel1->setObjectName(QStringLiteral("LtpdLabel1"));
    LtpdLabel1->setFont(labelFont);
    auto* ltpdLabel2 = new QLabel(tr("Probability of Acceptance:"), panel1);
    ltpdLabel2->setObjectName(QStringLiteral("LtpdLabel2"));
    ltpdLabel2->setFont(labelFont);
    LtpdProbabilityComboBox = NewProbabilityComboBox(
        "LtpdProbabilityComboBox", {"0.10", "0.05", "0.01"}, tr("Default value is 0.10"), panel1);
    LtpdLabel1->setBuddy(LtpdProbabilityComboBox);
    auto* symbolLabel = new QLabel(tr("&Symbol to Use:"), panel1);
    symbolLabel->setObjectName(QStringLiteral("SymbolLabel"));
    LtpdSymbolComboBox = new QComboBox(panel1);
    LtpdSymbolComboBox->setObjectName(QStringLiteral("LtpdSymbolComboBox"));
    LtpdSymbolComboBox->addItems(
        {tr("LTPD  -  Lot Tolerance Percent Defective"), tr("LQ       -  Limiting Quality"),
         tr("RQL    -  Rejectable Quality Level"), tr("UQL    -  Unacceptable Quality Level")});
    LtpdSymbolComboBox->setToolTip(tr("Default symbol is LTPD"));
    symbolLabel->setBuddy(LtpdSymbolComboBox);

    auto* statements = new QFrame(panel1);
    statements->setObjectName(QStringLiteral("StatementsPanel"));
    statements->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statements->setMinimumWidth(520);
    auto* statementsLayout = new QVBoxLayout(statements);
    auto* title = new QLabel(tr("CONFIDENCE STATEMENTS"), statements);
    title->setAlignment(Qt::AlignCenter);
    AqlStatement = NewStatement("AqlStatement", statements);
    LtpdStatement = NewStatement("LtpdStatement", statements);
    for (QLabel* label : {title, AqlStatement, LtpdStatement})
        statementsLayout->addWidget(label);

    auto* grid = new QGridLayout(panel1);
    grid->setContentsMargins(20, 20, 20, 20);
    grid->addWidget(aqlLabel, 0, 0, 1, 2);
    grid->addWidget(AqlProbabilityComboBox, 0, 2);
    grid->addWidget(LtpdLabel1, 1, 0);
    grid->addWidget(ltpdLabel2, 1, 1);
    grid->addWidget(LtpdProbabilityComboBox, 1, 2);
    grid->addWidget(symbolLabel, 2, 0, 1, 2);
    grid->addWidget(LtpdSymbolComboBox, 2, 2);
    grid->addWidget(statements, 3, 0, 1, 3);
    grid->addLayout(NewDefaultsButtons(
                        *panel1, tr("Sa&ve As Defaults"), [this] { SaveAsDefaultsButtonClick(); },
                        tr("Set To &Defaults"), [this] { SetToDefaultsButtonClick(); }),
                    4, 0, 1, 3);

    QPushButton* ok = AddButtonPanel(*this, *panel1, "OkButton", kHelpContext);
    connect(ok, &QPushButton::clicked, this, &TDefinitionsDialogBox::OkButtonClick);
    connect(AqlProbabilityComboBox, &QComboBox::editTextChanged, this,
            &TDefinitionsDialogBox::AqlProbabilityComboBoxChange);
    connect(LtpdProbabilityComboBox, &QComboBox::editTextChanged, this,
            &TDefinitionsDialogBox::LtpdProbabilityComboBoxChange);
    connect(LtpdSymbolComboBox, &QComboBox::currentIndexChanged, this,
            &TDefinitionsDialogBox::LtpdSymbolComboBoxChange);
}

QByteArray TDefinitionsDialogBox::AqlText() const
{
    return AnsiOfQString(AqlProbabilityComboBox->currentText());
}

QByteArray TDefinitionsDialogBox::LtpdText() const
{
    return AnsiOfQString(LtpdProbabilityComboBox->currentText());
}

void TDefinitionsDialogBox::vdShowDefinitions(const char* aql, const char* ltpd, int symbolIndex)
{
    AqlProbabilityComboBox->setEditText(QStringOfAnsi(aql));
    LtpdProbabilityComboBox->setEditText(QStringOfAnsi(ltpd));
    LtpdSymbolComboBox->setCurrentIndex(symbolIndex);
    // The handlers run even where a text or the symbol stayed as it was.
    AqlProbabilityComboBoxChange();
    LtpdSymbolComboBoxChange();
    AqlProbabilityComboBox->setFocus();
}

void TDefinitionsDialogBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    vdShowDefinitions(SamplingPlan::PaAtAQLText().Text(), SamplingPlan::PaAtLTPDText().Text(),
                      SamplingPlan::SymbolIndex());
}

void TDefinitionsDialogBox::AqlProbabilityComboBoxChange()
{
    String statement;
    SamplingPlan::CheckAQLProbability(RealOf(AqlText().constData()), statement);
    AqlStatement->setText(QStringOfAnsi(statement.Text()));
}

void TDefinitionsDialogBox::LtpdProbabilityComboBoxChange()
{
    String statement;
    SamplingPlan::CheckLTPDProbability(RealOf(LtpdText().constData()),
                                       LtpdSymbolComboBox->currentIndex(), statement);
    LtpdStatement->setText(QStringOfAnsi(statement.Text()));
}

void TDefinitionsDialogBox::LtpdSymbolComboBoxChange()
{
    const QString symbol = SymbolOf(LtpdSymbolComboBox->currentIndex());
    setWindowTitle(tr("Definitions of AQL and ") + symbol);
    LtpdLabel1->setText(QLatin1Char('&') + symbol + QLatin1Char(':'));
    LtpdProbabilityComboBoxChange();
}

void TDefinitionsDialogBox::SaveAsDefaultsButtonClick()
{
    const QByteArray aql = AqlText();
    const QByteArray ltpd = LtpdText();
    const int symbolIndex = LtpdSymbolComboBox->currentIndex();
    if (aql == SamplingPlan::DefaultPaAtAQLText().Text() &&
        ltpd == SamplingPlan::DefaultPaAtLTPDText().Text() &&
        symbolIndex == SamplingPlan::DefaultSymbolIndex())
        return;
    if (!SamplingPlan::SetRiskLevels(aql.constData(), ltpd.constData(), symbolIndex))
        UserInteraction::Current().MessageBox(
            tr("Cannot make default.  Errors must be corrected first."));
    else if (!WriteDefinitions(store))
        vdShowDefaultsNotSaved();
}

void TDefinitionsDialogBox::SetToDefaultsButtonClick()
{
    vdShowDefinitions(SamplingPlan::DefaultPaAtAQLText().Text(),
                      SamplingPlan::DefaultPaAtLTPDText().Text(),
                      SamplingPlan::DefaultSymbolIndex());
}

void TDefinitionsDialogBox::OkButtonClick()
{
    const QByteArray aql = AqlText();
    const QByteArray ltpd = LtpdText();
    const int symbolIndex = LtpdSymbolComboBox->currentIndex();
    if (aql == SamplingPlan::PaAtAQLText().Text() && ltpd == SamplingPlan::PaAtLTPDText().Text() &&
        symbolIndex == SamplingPlan::SymbolIndex())
    {
        accept();
        return;
    }
    const String before[] = {SamplingPlan::PaAtAQLText(), SamplingPlan::PaAtLTPDText()};
    const int symbolBefore = SamplingPlan::SymbolIndex();
    String message;
    const int code =
        SamplingPlan::ValidateRiskLevels(aql.constData(), ltpd.constData(), symbolIndex, message);
    if (IsRefused(code, message, {AqlProbabilityComboBox, LtpdProbabilityComboBox}))
        return;
    if (!applied())
    {
        SamplingPlan::ValidateRiskLevels(before[0].Text(), before[1].Text(), symbolBefore, message);
        AqlProbabilityComboBox->setFocus();
        return;
    }
    accept();
}

} // namespace Brosquin
