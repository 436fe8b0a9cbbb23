#pragma once

#include <QAbstractSpinBox>

namespace Brosquin
{

// The number of stages of a multiple plan: a free text, which the dialog judges, with up and
// down buttons that step a whole count between 2 and 1000.
class TStageCountEdit : public QAbstractSpinBox
{
    Q_OBJECT

public:
    static constexpr int kFewest = 2;
    static constexpr int kMost = 1000;

    explicit TStageCountEdit(QWidget* parent);

    void stepBy(int steps) override;
    void vdSetText(const QString& text);

protected:
    StepEnabled stepEnabled() const override;
    QValidator::State validate(QString& input, int& position) const override;

private:
    // Where the buttons step from when the text is no count.
    int position = 5;
};

} // namespace Brosquin
