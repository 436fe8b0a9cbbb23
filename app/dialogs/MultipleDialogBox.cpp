#include "app/dialogs/MultipleDialogBox.h"

#include "app/dialogs/StageCountEdit.h"
#include "core/RealOf.h"
#include "platform/AnsiQString.h"
#include "platform/UserInteraction.h"

#include <QDialog>
#include <QEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <algorithm>
#include <cmath>

namespace Brosquin
{

namespace
{

constexpr int kColumns = 4; // the stage, then its sample size, accept number and reject number
constexpr int kNewPlanStages = 5;

// Escape in a cell's editor cancels the dialog, as it does anywhere else in it.
class EscapeCancelsDelegate : public QStyledItemDelegate
{
public:
    EscapeCancelsDelegate(QDialog& dialog) : QStyledItemDelegate(&dialog), dialog(dialog) {}

protected:
    bool eventFilter(QObject* editor, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
        {
            dialog.reject();
            return true;
        }
        return QStyledItemDelegate::eventFilter(editor, event);
    }

private:
    QDialog& dialog;
};

// Tab goes from cell to cell of the stages' texts, and from the last one on to the control after
// the grid; Shift+Tab from the first one back to the control before it. The stage numbers are
// never current, so the first cell is the first stage's sample size.
class StagesGrid : public QTableWidget
{
public:
    using QTableWidget::QTableWidget;

protected:
    bool focusNextPrevChild(bool next) override
    {
        if (bAtEdge(next))
            return QWidget::focusNextPrevChild(next);
        return QTableWidget::focusNextPrevChild(next);
    }

    // Tab and Shift+Tab in a cell's editor close it asking for the next or previous cell.
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override
    {
        const bool next = hint == QAbstractItemDelegate::EditNextItem;
        if ((next || hint == QAbstractItemDelegate::EditPreviousItem) && bAtEdge(next))
        {
            QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
            QWidget::focusNextPrevChild(next);
            return;
        }
        QTableWidget::closeEditor(editor, hint);
    }

private:
    bool bAtEdge(bool next) const
    {
        const int row = currentRow();
        const int column = currentColumn();
        return next ? row == rowCount() - 1 && column == columnCount() - 1
                    : row <= 0 && column <= 1;
    }
};

// The number of stages and the grid of their texts, with their labels; the number takes the
// focus first.
QWidget* NewStagesArea()
{
    auto* area = new QWidget;
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* stagesLabel = new QLabel(QDialog::tr("Number &Stages (S):"), area);
    auto* stages = new TStageCountEdit(area);
    stages->setObjectName(QStringLiteral("NumberStagesEdit"));
    stagesLabel->setBuddy(stages);
    auto* parametersLabel = new QLabel(QDialog::tr("P&arameters:"), area);
    auto* parameters = new StagesGrid(kNewPlanStages, kColumns, area);
    parameters->setObjectName(QStringLiteral("ParametersStringGrid"));
    parametersLabel->setBuddy(parameters);
    parameters->setHorizontalHeaderLabels({QDialog::tr("Stage"), QDialog::tr("Sample Size"),
                                           QDialog::tr("Accept Number"),
                                           QDialog::tr("Reject Number")});
    parameters->verticalHeader()->hide();
    parameters->verticalHeader()->setDefaultSectionSize(24);
    // Columns at least 75 wide, and as wide as their headings.
    int width = 0;
    for (int column = 0; column < kColumns; ++column)
    {
        const QString heading = parameters->horizontalHeaderItem(column)->text();
        parameters->setColumnWidth(
            column, std::max(75, parameters->fontMetrics().horizontalAdvance(heading) + 16));
        width += parameters->columnWidth(column);
    }
    parameters->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    parameters->setEditTriggers(QAbstractItemView::AllEditTriggers);
    parameters->setTabKeyNavigation(true);
    // Room for the columns and the vertical scroll bar, and for a heading and five stages.
    parameters->setMinimumSize(width + 2 * parameters->frameWidth() + 20,
                               6 * 24 + 2 * parameters->frameWidth());
    stages->setMinimumWidth(stages->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 30);
    grid->addWidget(stagesLabel, 0, 0);
    grid->addWidget(stages, 0, 1, Qt::AlignLeft);
    grid->addWidget(parametersLabel, 1, 0, Qt::AlignTop);
    grid->addWidget(parameters, 1, 1);
    area->setFocusProxy(stages);
    return area;
}

} // namespace

TMultipleDialogBox::TMultipleDialogBox(QWidget* owner, const Design& design)
    : TAttributePlanDialogBox(owner, design, NewStagesArea()),
      pNumberStagesEdit(findChild<TStageCountEdit*>(QStringLiteral("NumberStagesEdit"))),
      pParametersStringGrid(findChild<QTableWidget*>(QStringLiteral("ParametersStringGrid")))
{
    pParametersStringGrid->setItemDelegate(new EscapeCancelsDelegate(*this));
    pParametersStringGrid->installEventFilter(this);
    vdSetGridStages(kNewPlanStages);
}

void TMultipleDialogBox::vdShowPlan(const MultiplePlanTexts& texts, const String& unitsText,
                                    int curtailingIndex, bool bLotSizeGiven,
                                    const String& lotSizeText)
{
    const int stages = texts.Stages();
    pNumberStagesEdit->vdSetText(QString::number(stages));
    vdSetGridStages(stages);
    for (int row = 0; row < stages; ++row)
    {
        const String* cells[] = {&texts.n[row], &texts.a[row], &texts.r[row]};
        for (int column = 1; column < kColumns; ++column)
            pParametersStringGrid->setItem(
                row, column, new QTableWidgetItem(QStringOfAnsi(cells[column - 1]->Text())));
    }
    TAttributePlanDialogBox::vdShowPlan({}, unitsText, curtailingIndex, bLotSizeGiven, lotSizeText);
}

bool TMultipleDialogBox::ReadStageCount(int& stages) const
{
    const Real count = RealOf(AnsiOfQString(pNumberStagesEdit->text()).constData());
    const double value = count.dValue();
    if (!IsNumber(count) || value != std::trunc(value) || value < TStageCountEdit::kFewest ||
        value > TStageCountEdit::kMost)
        return false;
    stages = static_cast<int>(value);
    return true;
}

void TMultipleDialogBox::vdSetGridStages(int stages)
{
    if (pParametersStringGrid->rowCount() != stages)
    {
        // A current cell in a row about to go moves to the first row's sample size.
        if (pParametersStringGrid->currentRow() >= stages)
        {
            pParametersStringGrid->setCurrentCell(pParametersStringGrid->currentRow(), 1);
            pParametersStringGrid->setCurrentCell(0, 1);
        }
        pParametersStringGrid->setRowCount(stages);
    }
    // The stage numbers are the grid's fixed column: drawn like its heading, never current, so
    // that Tab goes from cell to cell of the stages' texts only.
    const QPalette& colours = pParametersStringGrid->palette();
    for (int row = 0; row < stages; ++row)
    {
        auto* number = new QTableWidgetItem(QString::number(row + 1));
        number->setFlags(Qt::NoItemFlags);
        number->setForeground(colours.windowText());
        number->setBackground(colours.button());
        pParametersStringGrid->setItem(row, 0, number);
    }
}

bool TMultipleDialogBox::StagesFollowTheCount()
{
    int stages = 0;
    if (ReadStageCount(stages))
    {
        vdSetGridStages(stages);
        return true;
    }
    // The focus leaves the grid before the message, so that its return does not ask again.
    if (!bJudgingStages)
    {
        bJudgingStages = true;
        pNumberStagesEdit->setFocus();
        UserInteraction::Current().MessageBox(
            tr("Number of stages must be an integer between 2 to 1000."));
        pNumberStagesEdit->setFocus();
        bJudgingStages = false;
    }
    return false;
}

void TMultipleDialogBox::ParametersStringGridEnter()
{
    // Entering the grid starts at the first stage's sample size, where nothing else is current.
    if (StagesFollowTheCount() && pParametersStringGrid->currentColumn() < 1)
        pParametersStringGrid->setCurrentCell(0, 1);
}

bool TMultipleDialogBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == pParametersStringGrid && event->type() == QEvent::FocusIn)
        ParametersStringGridEnter();
    return TAttributePlanDialogBox::eventFilter(watched, event);
}

void TMultipleDialogBox::OKButtonClick()
{
    if (!StagesFollowTheCount())
        return;
    const int stages = pParametersStringGrid->rowCount();
    for (std::vector<String>* column : {&sampleSizes, &acceptNumbers, &rejectNumbers})
        column->assign(static_cast<std::size_t>(stages), String());
    for (int row = 0; row < stages; ++row)
        for (int column = 1; column < kColumns; ++column)
        {
            const QTableWidgetItem* cell = pParametersStringGrid->item(row, column);
            std::vector<String>& texts = column == 1   ? sampleSizes
                                         : column == 2 ? acceptNumbers
                                                       : rejectNumbers;
            texts[static_cast<std::size_t>(row)] =
                cell ? AnsiOfQString(cell->text()).constData() : "";
        }
    TAttributePlanDialogBox::OKButtonClick();
    if (result() != QDialog::Accepted)
        for (std::vector<String>* column : {&sampleSizes, &acceptNumbers, &rejectNumbers})
            column->clear();
}

int TMultipleDialogBox::ParameterCodeCount() const
{
    return 3 * pParametersStringGrid->rowCount();
}

QWidget* TMultipleDialogBox::ParameterOfCode(int code)
{
    const int row = (code - 1) / 3;
    pParametersStringGrid->setCurrentCell(pParametersStringGrid->currentRow(), code - 3 * row);
    pParametersStringGrid->setCurrentCell(row, code - 3 * row);
    return pParametersStringGrid;
}

} // namespace Brosquin
