#pragma once

#include <QByteArray>
#include <QString>

class QButtonGroup;
class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace Brosquin
{

// The choices that both variables plan dialogs ask for: the standard deviation known or
// unknown, one or two specification limits, and the process capability Cp, which counts (and
// shows) only with the standard deviation known and two limits.
class VariablesTypeControls
{
public:
    // Adds the two radio groups side by side at the row of the grid, the Cp label and edit below.
    VariablesTypeControls(QWidget& panel, QGridLayout& grid, int row, const char* cpCaption);

    bool IsSdKnown() const;
    bool HasTwoSpecs() const;
    QByteArray CpText() const;
    QLineEdit& CpEdit() const { return *pCpEdit; }
    // Sets the choices and shows Cp as they ask.
    void vdSet(bool sdKnown, bool twoSpecs, const QString& cpText);
    // Cp enabled and visible only with the SD known and two limits.
    void TypeRadioGroupClick();
    // The focus on the chosen standard deviation.
    void vdFocusStandardDeviation() const;

private:
    QButtonGroup* pStandardDeviation;
    QButtonGroup* pSpecifications;
    QLabel* pCpLabel;
    QLineEdit* pCpEdit;
};

} // namespace Brosquin
