// Popup menus as data: items keep the caption they were designed with as their key, so an
// item whose caption alternates ("显示时钟" / "隐藏时钟") is still found the same way.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace horalune {

struct MenuItem {
    std::string key;      // caption at creation; empty for separators
    std::string caption;  // caption now
    bool checked = false;
    bool separator() const { return key.empty(); }
};

struct MenuItemDesign {
    std::string_view caption;  // empty = separator
    bool checked = false;
};

class Menu {
  public:
    Menu(std::string_view name, std::initializer_list<MenuItemDesign> items);

    std::string_view name() const { return name_; }
    const std::vector<MenuItem>& items() const { return items_; }
    MenuItem& item(std::string_view key);
    const MenuItem& item(std::string_view key) const;

  private:
    std::string name_;
    std::vector<MenuItem> items_;
};

}  // namespace horalune
