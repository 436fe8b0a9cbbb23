#include "app/dialogs/DialogPanels.h"

#include "core/String.h"
#include "platform/AnsiQString.h"
#include "platform/UserInteraction.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace Brosquin
{

QFrame* NewFieldPanel(QDialog& dialog)
{
    dialog.setWindowFlags(dialog.windowFlags() & ~Qt::WindowContextHelpButtonHint);
    auto* panel = new QFrame(&dialog);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return panel;
}

QPushButton* AddButtonPanel(QDialog& dialog, QFrame& fieldPanel, const char* okName,
                            int helpContext)
{
    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->setObjectName(QStringLiteral("Panel2"));
    buttons->setCenterButtons(true);
    QPushButton* ok = buttons->addButton(QDialogButtonBox::Ok);
    ok->setObjectName(QLatin1String(okName));
    ok->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelButton"));
    QPushButton* help = buttons->addButton(QDialog::tr("Help"), QDialogButtonBox::HelpRole);
    help->setObjectName(QStringLiteral("HelpButton"));
    help->setAutoDefault(false);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(help, &QPushButton::clicked, &dialog,
                     [helpContext]
                     {
                         if (helpContext != 0)
                             UserInteraction::Current().vdShowHelpTopic(helpContext);
                         else
                             UserInteraction::Current().vdRunHelpCommand(HelpCommand::Contents);
                     });

    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(&fieldPanel);
    layout->addWidget(buttons);
    // A dialog whose fields collapse shrinks with them.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    return ok;
}

int AddLabelledFields(QGridLayout& grid, int row,
                      std::initializer_list<std::pair<QString, QWidget*>> fields)
{
    for (const auto& [caption, field] : fields)
    {
        auto* label = new QLabel(caption, grid.parentWidget());
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setBuddy(field);
        grid.addWidget(label, row, 0);
        grid.addWidget(field, row++, 1);
    }
    return row;
}

bool IsRefused(int code, const String& message, std::initializer_list<QWidget*> fields)
{
    if (code == 0)
        return false;
    UserInteraction::Current().MessageBox(QStringOfAnsi(message.Text()));
    if (code >= 1 && static_cast<std::size_t>(code) <= fields.size() &&
        fields.begin()[code - 1] != nullptr)
        fields.begin()[code - 1]->setFocus();
    return true;
}

QLayout* NewDefaultsButtons(QWidget& panel, const QString& saveCaption, std::function<void()> save,
                            const QString& setCaption, std::function<void()> set)
{
    auto* row = new QHBoxLayout;
    for (const auto& [name, caption, handler] :
         {std::tuple{"SaveAsDefaultsButton", saveCaption, std::move(save)},
          std::tuple{"SetToDefaultsButton", setCaption, std::move(set)}})
    {
        auto* button = new QPushButton(caption, &panel);
        button->setObjectName(QLatin1String(name));
        button->setAutoDefault(false);
        QObject::connect(button, &QPushButton::clicked, &panel, handler);
        row->addWidget(button);
    }
    return row;
}

void vdShowDefaultsNotSaved()
{
    UserInteraction::Current().MessageBox(QDialog::tr("The defaults could not be saved."));
}

} // namespace Brosquin
