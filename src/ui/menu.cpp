#include "ui/menu.h"

#include <stdexcept>

namespace horalune {

Menu::Menu(std::string_view name, std::initializer_list<MenuItemDesign> items) : name_(name) {
    for (const MenuItemDesign& d : items) {
        items_.push_back({std::string(d.caption), std::string(d.caption), d.checked});
    }
}

MenuItem& Menu::item(std::string_view key) {
    for (MenuItem& i : items_) {
        if (!i.separator() && i.key == key) return i;
    }
    throw std::logic_error("no menu item " + std::string(key) + " in " + name_);
}

const MenuItem& Menu::item(std::string_view key) const {
    return const_cast<Menu*>(this)->item(key);
}

}  // namespace horalune
