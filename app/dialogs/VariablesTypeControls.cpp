#include "app/dialogs/VariablesTypeControls.h"

#include "platform/AnsiQString.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QObject>
#include <QRadioButton>

namespace Brosquin
{

namespace
{

// The items' order is their index: Known 0, Unknown 1; 1 Spec 0, 2 Specs 1.
constexpr int kKnown = 0;
constexpr int kTwoSpecs = 1;

QButtonGroup* AddRadioGroup(QWidget& panel, QGridLayout& grid, int row, int column,
                            const char* name, const char* caption, const char* first,
                            const char* second)
{
    auto* group = new QGroupBox(QObject::tr(caption), &panel);
    group->setObjectName(QLatin1String(name));
    auto* layout = new QHBoxLayout(group);
    auto* buttons = new QButtonGroup(group);
    int id = 0;
    for (const char* item : {first, second})
    {
        auto* button = new QRadioButton(QObject::tr(item), group);
        layout->addWidget(button);
        buttons->addButton(button, id++);
    }
    grid.addWidget(group, row, column);
    return buttons;
}

} // namespace

VariablesTypeControls::VariablesTypeControls(QWidget& panel, QGridLayout& grid, int row,
                                             const char* cpCaption)
    : pStandardDeviation(AddRadioGroup(panel, grid, row, 0, "StandardDeviationRadioGroup",
                                       " Standard Deviation ", "Kno&wn", "&Unknown")),
      pSpecifications(AddRadioGroup(panel, grid, row, 1, "SpecificationsRadioGroup",
                                    " Specifications ", "&1 Spec", "&2 Specs")),
      pCpLabel(new QLabel(QObject::tr(cpCaption), &panel)), pCpEdit(new QLineEdit(&panel))
{
    pCpLabel->setObjectName(QStringLiteral("CpLabel"));
    pCpEdit->setObjectName(QStringLiteral("CpEdit"));
    pCpLabel->setBuddy(pCpEdit);
    grid.addWidget(pCpLabel, row + 1, 0, Qt::AlignRight);
    grid.addWidget(pCpEdit, row + 1, 1);
    for (QButtonGroup* group : {pStandardDeviation, pSpecifications})
        QObject::connect(group, &QButtonGroup::idToggled, pCpEdit,
                         [this] { TypeRadioGroupClick(); });
}

bool VariablesTypeControls::IsSdKnown() const
{
    return pStandardDeviation->checkedId() == kKnown;
}

bool VariablesTypeControls::HasTwoSpecs() const
{
    return pSpecifications->checkedId() == kTwoSpecs;
}

QByteArray VariablesTypeControls::CpText() const
{
    return AnsiOfQString(pCpEdit->text());
}

void VariablesTypeControls::vdSet(bool sdKnown, bool twoSpecs, const QString& cpText)
{
    pStandardDeviation->button(sdKnown ? kKnown : 1 - kKnown)->setChecked(true);
    pSpecifications->button(twoSpecs ? kTwoSpecs : 1 - kTwoSpecs)->setChecked(true);
    pCpEdit->setText(cpText);
    TypeRadioGroupClick();
}

void VariablesTypeControls::TypeRadioGroupClick()
{
    const bool used = IsSdKnown() && HasTwoSpecs();
    for (QWidget* control : {static_cast<QWidget*>(pCpLabel), static_cast<QWidget*>(pCpEdit)})
    {
        control->setVisible(used);
        control->setEnabled(used);
    }
}

void VariablesTypeControls::vdFocusStandardDeviation() const
{
    pStandardDeviation->checkedButton()->setFocus();
}

} // namespace Brosquin
