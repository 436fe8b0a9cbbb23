#include "app/dialogs/DialogPanels.h"

#include "platform/UserInteraction.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFrame>
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

} // namespace Brosquin
