#pragma once

#include "tests/app/ModalDialogDriver.h"

#include <QDialog>
#include <QLineEdit>
#include <gtest/gtest.h>
#include <memory>

namespace Brosquin
{

// Shows one dialog of class Dialog at a time as the user sees it, but not modal, so that each
// step can be checked; Base is the test's own fixture.
template <class Base, class Dialog> class OpenDialogTest : public Base
{
protected:
    void vdOpen(std::unique_ptr<Dialog> opened)
    {
        dialog = std::move(opened);
        dialog->show();
        ASSERT_TRUE(ModalDialogDriver::Activated(*dialog));
    }

    template <class Control = QWidget> Control* Find(const char* name) const
    {
        auto* control = dialog->template findChild<Control*>(QLatin1String(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    QString Text(const char* name) const { return Find<QLineEdit>(name)->text(); }

    std::unique_ptr<Dialog> dialog;
};

} // namespace Brosquin
