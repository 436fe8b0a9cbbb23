#include "platform/EntryFieldLimit.h"

#include "core/String.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPointer>

namespace Brosquin
{

namespace
{

// Limits each line edit as it is polished, before it is first shown.
class EntryFieldLimit : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Polish)
            if (auto* field = qobject_cast<QLineEdit*>(watched))
                field->setMaxLength(static_cast<int>(LongestToken));
        return false;
    }
};

} // namespace

void vdLimitEntryFields()
{
    // Goes with the application object, so a new one is limited again.
    static QPointer<EntryFieldLimit> installed;
    if (installed)
        return;
    installed = new EntryFieldLimit(qApp);
    qApp->installEventFilter(installed);
}

} // namespace Brosquin
