// The adapter of a menu item: an item with items inside it becomes a menu
// (on the bar, or a submenu of its parent), a caption "-" inside a menu a
// separator line, any other item a command of its menu or of the bar.
#pragma once

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <vector>

#include "app/qt/control_adapter.h"

namespace corvane {

// The controls in the order they are bound: the menu items after the other
// controls, each menu before the items inside it (an item whose parent does
// not exist goes on the bar, last).
std::vector<Control*> inBindingOrder(const std::vector<Control*>& controls);

class MenuItemAdapter : public ControlAdapter {
 public:
  using ControlAdapter::ControlAdapter;
  // The parent's menu must exist by then: items go in parents first.
  void create() override;
  void apply(Property property) override;
  void applyAll() override;
  QAction* action() const override { return action_; }
  void remove() override;

 private:
  bool hasItems() const;
  void giveShortcut(QAction& action);
  void showCaption();

  QPointer<QAction> action_;
  QPointer<QMenu> menu_;
};

}  // namespace corvane
