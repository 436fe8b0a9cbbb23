#pragma once

#include <QDialog>
#include <functional>

class QComboBox;
class QLabel;

namespace Brosquin
{

class SettingsStore;

// "Definitions of AQL and LTPD": the probabilities of acceptance that define the AQL and the
// LTPD and the symbol of the second level, with the confidence statements that follow from them
// as they are typed. OK makes valid definitions current and lets the program follow them; the
// defaults of new sessions are saved to, and brought back from, the user's settings.
class TDefinitionsDialogBox : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kHelpContext = 60;

    // The defaults are saved in store; applied runs after new definitions were made current, false
    // when the session cannot take them, and the definitions before come back with the dialog
    // still open.
    TDefinitionsDialogBox(QWidget* owner, SettingsStore& store, std::function<bool()> applied);

    void AqlProbabilityComboBoxChange();
    void LtpdProbabilityComboBoxChange();
    void LtpdSymbolComboBoxChange();
    void SaveAsDefaultsButtonClick();
    void SetToDefaultsButtonClick();
    void OkButtonClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The texts of the two probabilities as the plan classes take them.
    QByteArray AqlText() const;
    QByteArray LtpdText() const;
    void vdShowDefinitions(const char* aql, const char* ltpd, int symbolIndex);

    SettingsStore& store;
    std::function<bool()> applied;
    QComboBox* AqlProbabilityComboBox;
    QComboBox* LtpdProbabilityComboBox;
    QComboBox* LtpdSymbolComboBox;
    QLabel* LtpdLabel1;
    QLabel* AqlStatement;
    QLabel* LtpdStatement;
};

} // namespace Brosquin
