#include "Menu.h"

#include <QAction>
#include <QMenu>

namespace {
constexpr const char *OwnEnabled = "sorvaneItemEnabled";
constexpr const char *OwnerMenu = "sorvaneMenu";

bool OwnFlag(const QAction *item)
{
    const QVariant flag = item->property(OwnEnabled);
    return flag.isValid() ? flag.toBool() : true;
}

void Refresh(QAction *item)
{
    const QMenu *menu = Menus::MenuOf(item);
    item->setEnabled(OwnFlag(item) && (!menu || Menus::MenuEnabled(menu)));
}
}

namespace Menus {

void SetMenuEnabled(QMenu *menu, bool enabled)
{
    menu->menuAction()->setEnabled(enabled);
    menu->setEnabled(enabled);
    for (QAction *item : menu->actions()) {
        if (!item->isSeparator()) {
            item->setProperty(OwnerMenu, QVariant::fromValue(static_cast<QObject *>(menu)));
            Refresh(item);
        }
    }
}

bool MenuEnabled(const QMenu *menu)
{
    return menu->menuAction()->isEnabled();
}

void SetItemEnabled(QAction *item, bool enabled)
{
    item->setProperty(OwnEnabled, enabled);
    Refresh(item);
}

bool ItemEnabled(const QAction *item)
{
    return OwnFlag(item);
}

QMenu *MenuOf(const QAction *item)
{
    if (auto *menu = qobject_cast<QMenu *>(item->property(OwnerMenu).value<QObject *>()))
        return menu;
    if (auto *menu = qobject_cast<QMenu *>(item->parent()))
        return menu;
    return nullptr;
}

}
