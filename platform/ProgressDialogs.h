#pragma once

#include "platform/UserInteraction.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>

class QLabel;
class QProgressBar;
class QPushButton;

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

// The form of long work that the person may stop: what goes on, a bar of how far it has come,
// and Cancel. Escape is the same as Cancel; the form stays until the work ends.
class TWorkProgressDialog : public QDialog
{
public:
    QLabel* Label1;
    QProgressBar* ProgressBar1;
    QPushButton* CancelButton;

    TWorkProgressDialog(QWidget* owner, const WorkProgressRequest& request);
    bool Cancelled() const { return bCancelled; }
    void reject() override;

private:
    bool bCancelled = false;
};

// WorkProgress on the screen: the form appears, modal to the whole application and with the
// arrow cursor, once the work has gone on for showAfter milliseconds, and is kept up to date
// while events are let through about twenty times a second.
class ShownWorkProgress : public WorkProgress
{
public:
    explicit ShownWorkProgress(const WorkProgressRequest& request, int showAfter = 1000);
    ~ShownWorkProgress() override;
    ShownWorkProgress(const ShownWorkProgress&) = delete;
    ShownWorkProgress& operator=(const ShownWorkProgress&) = delete;

    bool Continues(double fraction) override;
    // The form while it is shown, for tests.
    TWorkProgressDialog* Form() const { return form.data(); }

private:
    WorkProgressRequest request;
    int showAfter;
    QElapsedTimer clock;
    qint64 lastUpdate = 0;
    bool bCancelled = false;
    bool bArrowShown = false;
    QPointer<TWorkProgressDialog> form;
};

} // namespace Brosquin
