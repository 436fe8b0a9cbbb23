#include "platform/HelpKey.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>

namespace Brosquin
{

namespace
{

const QString kFilterName = QStringLiteral("HelpKey");

class HelpKeyFilter : public QObject
{
public:
    explicit HelpKeyFilter(QObject* application) : QObject(application)
    {
        setObjectName(kFilterName);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<const QKeyEvent*>(event);
        const auto* widget = qobject_cast<const QWidget*>(watched);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier || widget == nullptr)
            return false;
        const auto* dialog = qobject_cast<const QDialog*>(widget->window());
        QAbstractButton* help =
            dialog ? dialog->findChild<QAbstractButton*>(QStringLiteral("HelpButton")) : nullptr;
        if (help == nullptr || !help->isVisible() || !help->isEnabled())
            return false;
        help->click();
        return true;
    }
};

} // namespace

void vdInstallHelpKey()
{
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr ||
        application->findChild<HelpKeyFilter*>(kFilterName, Qt::FindDirectChildrenOnly))
        return;
    application->installEventFilter(new HelpKeyFilter(application));
}

} // namespace Brosquin
