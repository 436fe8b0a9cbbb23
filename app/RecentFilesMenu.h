#pragma once

#include "app/SettingsStore.h"
#include "core/MostRecentList.h"

#include <QList>
#include <QObject>
#include <functional>

class QAction;
class QMenu;

namespace Brosquin
{

// The recently used session files as numbered entries ("&1 path") right after an anchor item of
// a menu, followed by a separator of their own; kept in the settings as texts "1" to "9".
class RecentFilesMenu : public QObject
{
    Q_OBJECT

public:
    static constexpr int kMaximumEntries = 9;

    RecentFilesMenu(SettingsStore& store, QMenu* menu, QAction* anchor,
                    std::function<void(const QString&)> open, QObject* parent = nullptr);
    // Stores the list, the current file first.
    ~RecentFilesMenu() override;

    void vdSetCurrent(const QString& path);
    void vdRemove(const QString& path);

    const MostRecentList& List() const { return list; }

private:
    class Storage : public MostRecentListStorage
    {
    public:
        explicit Storage(SettingsStore& store) : store(store) {}
        std::optional<String> ReadName(int position) const override;
        bool WriteName(int position, const String& name) override;
        void vdRemoveName(int position) override;

    private:
        SettingsStore& store;
    };

    void vdRebuildMenu();
    void vdClearMenu();

    Storage storage;
    MostRecentList list;
    QMenu* pMenu;
    QAction* pAnchor;
    std::function<void(const QString&)> open;
    QList<QAction*> menuItems;
};

} // namespace Brosquin
