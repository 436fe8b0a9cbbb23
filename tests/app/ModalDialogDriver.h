#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>

namespace Brosquin
{

// Plays the user in the modal dialogs that the code under test opens: each queued action runs,
// in order, on the next modal dialog that shows, once it is the active window. A dialog that no
// action is left for is cancelled after a while, and so is one an action leaves open after a
// failure, so that a test fails instead of waiting for ever.
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
            throw std::runtime_error("no control " + std::string(name) + " in " +
                                     dialog.windowTitle().toStdString());
        return *control;
    }

    // Makes the window the active one, which takes the keys and the focus. The platform
    // activates a window through a queued event, and QWindow::isActive already holds while
    // another window of the same main window has the focus: the widget's own state tells.
    [[nodiscard]] static bool Activated(QWidget& window)
    {
        window.activateWindow();
        return QTest::qWaitFor([&] { return window.isActiveWindow(); });
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
        const std::string title = dialog->windowTitle().toStdString();
        if (!Activated(*dialog))
            ADD_FAILURE() << "dialog never active " << title;
        else
            try
            {
                action(*dialog);
            }
            catch (const std::exception& error)
            {
                ADD_FAILURE() << error.what();
            }
        if (!guard || !guard->isVisible())
            return;
        // After a failure the steps that would close the dialog may not have run.
        if (testing::Test::HasFailure())
        {
            guard->reject();
            return;
        }
        // A dialog that stays open after its action waits for the code under test to close it.
        handled = guard;
        QObject::connect(guard, &QDialog::finished, &context, [this] { handled = nullptr; });
    }

    std::deque<Action> actions;
    QObject context;
    QTimer timer;
    QPointer<QDialog> handled;
    int unanswered = 0;
};

} // namespace Brosquin
