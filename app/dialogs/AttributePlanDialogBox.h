#pragma once

#include "core/String.h"

#include <QDialog>
#include <QString>
#include <cstdint>
#include <vector>

class QButtonGroup;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace Brosquin
{

// The shape that the entry dialogs of single and double attribute plans share: the plan's
// parameter fields (and, for defects per quantity, the name of the unit of quantity) above an
// advanced section with the method of curtailing and the lot size, which collapses away while
// neither is used. OK passes the entries to the plan class's validating function and keeps the
// dialog open, with the focus on the offending field, until they pass.
class TAttributePlanDialogBox : public QDialog
{
    Q_OBJECT

public:
    // One parameter field: the edit box's object name and the caption of its label.
    struct Field
    {
        const char* name;
        const char* label;
    };
    // What tells one dialog of the family from another.
    struct Design
    {
        const char* caption;
        int helpContext;
        std::vector<Field> parameters;
        bool bHasUnits;
        const char* curtailingLabel;
        std::vector<const char*> curtailingMethods;
    };

    // The validated entries, as the caller reads them after OK.
    QByteArray ParameterText(int field) const;
    QByteArray UnitsText() const;
    std::int8_t CurtailingIndex() const;
    bool IsLotSizeGiven() const;
    QByteArray LotSizeText() const;
    bool IsAdvancedShown() const;

    void ShowAdvancedButtonClick();
    void HideAdvancedButtonClick();
    void LotSizeRadioGroupClick();
    virtual void OKButtonClick();

protected:
    // A dialog whose parameters are not edit boxes gives their area instead, which takes the
    // focus first (through its focus proxy).
    TAttributePlanDialogBox(QWidget* owner, const Design& design, QWidget* parameterArea = nullptr);

    // The entries of an existing plan; the advanced section shows when a method of curtailing or
    // a lot size is in use.
    void vdShowPlan(const std::vector<const String*>& parameterTexts, const String& unitsText,
                    int curtailingIndex, bool bLotSizeGiven, const String& lotSizeText);

    // The plan class's verdict on the entries: 0, or the number of the offending field with the
    // reason in message.
    virtual int Validate(String& message) const = 0;
    // How many validation codes name parameters (1 to that many), and the control that a code
    // among them names.
    virtual int ParameterCodeCount() const;
    virtual QWidget* ParameterOfCode(int code);

private:
    QLineEdit* AddEditBox(QGridLayout* grid, int row, const char* name, const char* label);
    // The field that a validation code names.
    QWidget* ControlOfCode(int code);
    void vdSetAdvancedShown(bool bShown);
    void vdFocusFirstField();

    std::vector<QLineEdit*> parameterEditBoxes;
    QWidget* pFirstField;
    QLineEdit* pUnitsEditBox = nullptr;
    QLabel* pCurtailingLabel;
    QComboBox* pCurtailingComboBox;
    QPushButton* pShowAdvancedButton;
    QGroupBox* pLotSizeRadioGroup;
    QButtonGroup* pLotSizeButtons;
    QLineEdit* pLotSizeEditBox;
    QPushButton* pHideAdvancedButton;
};

} // namespace Brosquin
