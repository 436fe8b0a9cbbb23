#include "app/dialogs/AboutDialogBox.h"

#include "app/ProductPicture.h"
#include "app/dialogs/DialogPanels.h"
#include "platform/UserInteraction.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace Brosquin
{

TAboutDialogBox::TAboutDialogBox(QWidget* owner)
    : QDialog(owner), OkButton(new QPushButton(tr("OK"), this)),
      HelpButton(new QPushButton(tr("Help"), this))
{
    setObjectName(QStringLiteral("AboutDialogBox"));
    setWindowTitle(tr("About"));
    QFrame* panel1 = NewFieldPanel(*this);
    panel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    auto* programIcon = new QLabel(panel1);
    programIcon->setObjectName(QStringLiteral("ProgramIcon"));
    programIcon->setPixmap(ProductPicture(QSize(189, 159)));
    programIcon->setAlignment(Qt::AlignHCenter);
    auto* productName = NewProductLabel(QStringLiteral("Veltrame"), 20, true, panel1);
    productName->setObjectName(QStringLiteral("ProductName"));
    auto* version = NewProductLabel(QStringLiteral("Version 2.0"), 17, false, panel1);
    version->setObjectName(QStringLiteral("Version"));
    auto* panelLayout = new QVBoxLayout(panel1);
    panelLayout->setContentsMargins(20, 40, 20, 40);
    panelLayout->addStretch();
    panelLayout->addWidget(programIcon);
    panelLayout->addSpacing(40);
    panelLayout->addWidget(productName);
    panelLayout->addWidget(version);
    panelLayout->addStretch();

    OkButton->setObjectName(QStringLiteral("OkButton"));
    OkButton->setDefault(true);
    HelpButton->setObjectName(QStringLiteral("HelpButton"));
    HelpButton->setAutoDefault(false);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(HelpButton, &QPushButton::clicked, this,
            [] { UserInteraction::Current().vdShowHelpTopic(kHelpContext); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkButton);
    buttons->addWidget(HelpButton);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel1);
    layout->addLayout(buttons);
    setFixedSize(405, 521);
}

void TAboutDialogBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    OkButton->setFocus();
}

} // namespace Brosquin
