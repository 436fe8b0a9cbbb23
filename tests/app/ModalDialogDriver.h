#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QRadioButton>
#include <QTimer>
#include <deque>
#include <functional>
#include <gtest/gtest.h>

namespace Brosquin
{

// Plays the user in the modal dialogs that the code under test opens: each queued action runs,
// in order, on the next modal dialog that shows. A dialog that no action is left for is
// cancelled after a while, so that a test fails instead of waiting for ever.
class ModalDialogDriver
{
public:
    using Action = std::function<void(QDialog& dialog)>;

    ModalDialogDriver()
    {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, &context, [this] { vdPoll(); });
        timer.start();
    }

    ~ModalDialogDriver()
    {
        EXPECT_TRUE(actions.empty()) << actions.size() << " dialogs never came";
    }

    ModalDialogDriver(const ModalDialogDriver&) = delete;
    ModalDialogDriver& operator=(const ModalDialogDriver&) = delete;

    void vdQueue(Action action) { actions.push_back(std::move(action)); }

    // The dialog's control of that name, which the test expects to be there.
    template <class Control> static Control& ControlOf(QDialog& dialog, const char* name)
    {
        auto* control = dialog.findChild<Control*>(QLatin1String(name));
        if (control == nullptr)
        {
            ADD_FAILURE() << "no control " << name << " in " << dialog.windowTitle().toStdString();
            throw std::runtime_error(name);
        }
        return *control;
    }

    // The button at the index of the dialog's radio group of that name.
    static QRadioButton& ChoiceOf(QDialog& dialog, const char* group, int index)
    {
        return *ControlOf<QWidget>(dialog, group).findChildren<QRadioButton*>().at(index);
    }

private:
    void vdPoll()
    {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || dialog == handled)
        {
            unanswered = 0;
            return;
        }
        if (actions.empty())
        {
            if (++unanswered > 400)
            {
                ADD_FAILURE() << "unexpected dialog " << dialog->windowTitle().toStdString();
                dialog->reject();
            }
            return;
        }
        const Action action = std::move(actions.front());
        actions.pop_front();
        QPointer<QDialog> guard(dialog);
        try
        {
            action(*dialog);
        }
        catch (const std::exception&)
        {
            // The failure is recorded; the dialog must not stay in the way.
            if (guard)
                guard->reject();
        }
        // A dialog that stays open after its action waits for the code under test to close it.
        if (guard && guard->isVisible())
        {
            handled = guard;
            QObject::connect(guard, &QDialog::finished, &context, [this] { handled = nullptr; });
        }
    }

    std::deque<Action> actions;
    QObject context;
    QTimer timer;
    QPointer<QDialog> handled;
    int unanswered = 0;
};

} // namespace Brosquin
