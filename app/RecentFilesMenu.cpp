#include "app/RecentFilesMenu.h"

#include <QAction>
#include <QMenu>
#include <string>

namespace Brosquin
{

namespace
{

// Paths are kept as UTF-8 text.
QString Path(const String& name)
{
    return QString::fromUtf8(name.Text());
}

} // namespace

std::optional<String> RecentFilesMenu::Storage::ReadName(int position) const
{
    const auto text = store.ReadText(std::to_string(position));
    if (!text)
        return std::nullopt;
    return String(text->c_str());
}

bool RecentFilesMenu::Storage::WriteName(int position, const String& name)
{
    store.vdWriteText(std::to_string(position), name.Text());
    return true;
}

void RecentFilesMenu::Storage::vdRemoveName(int position)
{
    store.vdRemove(std::to_string(position));
}

RecentFilesMenu::RecentFilesMenu(SettingsStore& store, QMenu* menu, QAction* anchor,
                                 std::function<void(const QString&)> openFile, QObject* parent)
    : QObject(parent), storage(store), list(kMaximumEntries, storage), pMenu(menu), pAnchor(anchor),
      open(std::move(openFile))
{
    vdRebuildMenu();
}

RecentFilesMenu::~RecentFilesMenu() = default;

void RecentFilesMenu::vdSetCurrent(const QString& path)
{
    list.vdSetCurrent(path.toUtf8().constData());
    vdRebuildMenu();
}

void RecentFilesMenu::vdRemove(const QString& path)
{
    if (list.Remove(path.toUtf8().constData()))
        vdRebuildMenu();
}

void RecentFilesMenu::vdClearMenu()
{
    for (QAction* item : std::as_const(menuItems))
    {
        pMenu->removeAction(item);
        // The chosen entry may be the one whose signal is running.
        item->deleteLater();
    }
    menuItems.clear();
}

void RecentFilesMenu::vdRebuildMenu()
{
    vdClearMenu();
    const std::vector<String>& names = list.Names();
    if (names.empty())
        return;
    const QList<QAction*> actions = pMenu->actions();
    const qsizetype anchorAt = actions.indexOf(pAnchor);
    QAction* before = anchorAt + 1 < actions.size() ? actions.at(anchorAt + 1) : nullptr;
    for (std::size_t i = 0; i < names.size(); ++i)
    {
        const QString path = Path(names[i]);
        // A "&" of the path itself is doubled so that it shows instead of marking a key.
        auto* item = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(
                                     QString(path).replace(QLatin1Char('&'), QStringLiteral("&&"))),
                                 pMenu);
        connect(item, &QAction::triggered, this, [this, path] { open(path); });
        menuItems.append(item);
    }
    auto* separator = new QAction(pMenu);
    separator->setSeparator(true);
    menuItems.append(separator);
    pMenu->insertActions(before, menuItems);
}

} // namespace Brosquin
