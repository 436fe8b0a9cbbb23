#pragma once

#include <QString>
#include <functional>
#include <initializer_list>
#include <utility>

namespace Brosquin
{
class String;
}

class QDialog;
class QFrame;
class QGridLayout;
class QLayout;
class QPushButton;
class QWidget;

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

// Puts each field in column 1 of the grid from the row on, beside a right-aligned label with its
// caption (and access key) in column 0; returns the row after the last.
int AddLabelledFields(QGridLayout& grid, int row,
                      std::initializer_list<std::pair<QString, QWidget*>> fields);

// A check's answer: for a nonzero code, shows the message and puts the focus on the field the
// code numbers (from 1; a null field takes none) and returns true; for 0 returns false.
bool IsRefused(int code, const String& message, std::initializer_list<QWidget*> fields);

// The row of the option dialogs' SaveAsDefaultsButton and SetToDefaultsButton, with the captions
// (and so the access keys) of the dialog, running save and set.
QLayout* NewDefaultsButtons(QWidget& panel, const QString& saveCaption, std::function<void()> save,
                            const QString& setCaption, std::function<void()> set);
// Tells the user that defaults just chosen could not be kept for later runs.
void vdShowDefaultsNotSaved();

} // namespace Brosquin
