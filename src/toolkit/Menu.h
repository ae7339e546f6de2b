#pragma once

class QAction;
class QMenu;

// Enabled states of menus and items. Qt fires an item's shortcut even while
// its menu is disabled; here a disabled menu blocks its items too: an item's
// action is enabled only while both the item and its menu are.
namespace Menus {
void SetMenuEnabled(QMenu *menu, bool enabled);
bool MenuEnabled(const QMenu *menu);
void SetItemEnabled(QAction *item, bool enabled);
bool ItemEnabled(const QAction *item);
// The menu that holds item, if any.
QMenu *MenuOf(const QAction *item);
}
