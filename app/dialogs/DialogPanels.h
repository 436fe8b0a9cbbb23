#pragma once

class QDialog;
class QFrame;
class QPushButton;

namespace Brosquin
{

// The two panels of the plan dialogs: Panel1, the raised panel that holds the fields, above
// Panel2, the row of OK, Cancel and Help buttons.

QFrame* NewFieldPanel(QDialog& dialog);

// Lays the dialog out as its field panel above the buttons, sized to what it shows. Cancel
// rejects and Help opens the help topic (the contents for a help context of 0); what OK does is
// the caller's. Returns the OK button.
QPushButton* AddButtonPanel(QDialog& dialog, QFrame& fieldPanel, const char* okName,
                            int helpContext);

} // namespace Brosquin
