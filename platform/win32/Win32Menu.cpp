#include "platform/win32/Win32Menu.h"

#include <utility>

#include "platform/win32/Wide.h"
#include "platform/win32/Win32Form.h"

namespace pw::win32 {

Win32MenuItem::Win32MenuItem(const MenuLayout& layout, HMENU parent, int id,
                             std::vector<Win32MenuItem*> siblingsBefore, HMENU submenu)
    : layout_(layout),
      parent_(parent),
      id_(id),
      before_(std::move(siblingsBefore)),
      submenu_(submenu) {
    insert();
}

void Win32MenuItem::insert() {
    UINT position = 0;
    for (auto* item : before_) position += item->visible_ ? 1 : 0;
    std::u16string text(layout_.caption);
    const std::u16string shortcut = ShortcutText(layout_.shortcut);
    if (!shortcut.empty()) text += u"\t" + shortcut;
    MENUITEMINFOW mii{};
    mii.cbSize = sizeof mii;
    if (layout_.caption == u"-") {
        mii.fMask = MIIM_FTYPE | MIIM_ID;
        mii.fType = MFT_SEPARATOR;
    } else {
        mii.fMask = MIIM_STRING | MIIM_ID | MIIM_STATE | (submenu_ ? MIIM_SUBMENU : 0);
        mii.dwTypeData = const_cast<wchar_t*>(W(text));
        mii.fState = checked_ ? MFS_CHECKED : MFS_UNCHECKED;
        mii.hSubMenu = submenu_;
    }
    mii.wID = static_cast<UINT>(id_);
    InsertMenuItemW(parent_, position, TRUE, &mii);
}

void Win32MenuItem::setChecked(bool checked) {
    checked_ = checked;
    if (visible_)
        CheckMenuItem(parent_, static_cast<UINT>(id_),
                      MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void Win32MenuItem::setVisible(bool visible) {
    if (visible == visible_) return;
    // Windows menus know no hidden items: take the item out and put it back in its place.
    if (visible) {
        visible_ = true;
        insert();
    } else {
        visible_ = false;
        if (submenu_) {
            for (int i = GetMenuItemCount(parent_) - 1; i >= 0; --i)
                if (GetSubMenu(parent_, i) == submenu_)
                    RemoveMenu(parent_, static_cast<UINT>(i), MF_BYPOSITION);
        } else {
            RemoveMenu(parent_, static_cast<UINT>(id_), MF_BYCOMMAND);
        }
    }
}

// The menu bar, the pop-up menus and the shortcuts, from the menu table. The bar goes to the
// window as it is created, so that its frame is right from the start.
HMENU Win32Form::createMenus() {
    if (layout_.menus.empty()) return nullptr;
    HMENU bar = CreateMenu();
    std::vector<ACCEL> accels;
    HMENU level[3] = {bar, nullptr, nullptr};
    std::vector<Win32MenuItem*> siblings[3];
    const auto& menus = layout_.menus;
    for (std::size_t i = 0; i < menus.size(); ++i) {
        const MenuLayout& m = menus[i];
        const int id = kFirstMenuCommand + static_cast<int>(i);
        const bool hasChildren = i + 1 < menus.size() && menus[i + 1].level > m.level;
        HMENU sub = hasChildren ? CreatePopupMenu() : nullptr;
        std::unique_ptr<Win32MenuItem> item;
        if (m.level == 0 && m.hiddenTop) {
            // A pop-up only, never on the bar; its item lives in a menu nobody shows.
            ownedMenus_.emplace_back(sub);
            popups_[std::string(m.name)] = sub;
            HMENU holder = ownedMenus_.emplace_back(CreatePopupMenu()).get();
            item = std::make_unique<Win32MenuItem>(m, holder, id, std::vector<Win32MenuItem*>{},
                                                   nullptr);
        } else {
            HMENU parent = level[m.level];
            item = std::make_unique<Win32MenuItem>(m, parent, id, siblings[m.level], sub);
            siblings[m.level].push_back(item.get());
            if (m.level == 0) popups_[std::string(m.name)] = sub;
        }
        if (hasChildren && m.level < 2) {
            level[m.level + 1] = sub;
            siblings[m.level + 1].clear();
        }
        if (m.shortcut.key) {
            BYTE flags = FVIRTKEY;
            if (m.shortcut.ctrl) flags |= FCONTROL;
            if (m.shortcut.shift) flags |= FSHIFT;
            accels.push_back({flags, m.shortcut.key, static_cast<WORD>(id)});
        }
        menus_.emplace(std::string(m.name), std::move(item));
    }
    if (!accels.empty())
        accel_.reset(CreateAcceleratorTableW(accels.data(), static_cast<int>(accels.size())));
    return bar;
}

}  // namespace pw::win32
