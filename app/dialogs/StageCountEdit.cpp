#include "app/dialogs/StageCountEdit.h"

#include <QLineEdit>
#include <algorithm>

namespace Brosquin
{

TStageCountEdit::TStageCountEdit(QWidget* parent) : QAbstractSpinBox(parent)
{
    setWrapping(false);
    vdSetText(QString::number(position));
}

void TStageCountEdit::stepBy(int steps)
{
    bool isCount = false;
    const int typed = text().trimmed().toInt(&isCount);
    if (isCount)
        position = std::clamp(typed, kFewest, kMost);
    position = std::clamp(position + steps, kFewest, kMost);
    vdSetText(QString::number(position));
}

void TStageCountEdit::vdSetText(const QString& text)
{
    lineEdit()->setText(text);
}

QAbstractSpinBox::StepEnabled TStageCountEdit::stepEnabled() const
{
    return StepUpEnabled | StepDownEnabled;
}

QValidator::State TStageCountEdit::validate(QString&, int&) const
{
    return QValidator::Acceptable;
}

} // namespace Brosquin
