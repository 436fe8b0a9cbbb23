#pragma once

#include <QDialog>
#include <QPointer>

class QLabel;

namespace Brosquin
{

// The small borderless "Please Wait!" form shown while a picture goes to the printer or the
// clipboard: a picture and the text, centred on the screen. It has no behaviour of its own.
class TPleaseWaitDialog : public QDialog
{
public:
    QLabel* Image1;
    QLabel* Label1;

protected:
    TPleaseWaitDialog(QWidget* owner, const QString& caption, const QPixmap& picture);
};

class TCopyingDialog : public TPleaseWaitDialog
{
public:
    explicit TCopyingDialog(QWidget* owner);
};

class TPrintingDialog : public TPleaseWaitDialog
{
public:
    explicit TPrintingDialog(QWidget* owner);
};

void vdShowAndPaint(TPleaseWaitDialog* form);
void vdCloseAndDelete(TPleaseWaitDialog* form);

// Shows a progress form and paints it before the work in the guard's scope starts; closes and
// deletes it when the scope is left, also by an exception.
template <class Form> class ProgressShown
{
public:
    explicit ProgressShown(QWidget* owner) : form(new Form(owner)) { vdShowAndPaint(form); }
    ~ProgressShown() { vdCloseAndDelete(form); }
    ProgressShown(const ProgressShown&) = delete;
    ProgressShown& operator=(const ProgressShown&) = delete;

private:
    // The owner deletes the form too should it go first.
    QPointer<TPleaseWaitDialog> form;
};

} // namespace Brosquin
