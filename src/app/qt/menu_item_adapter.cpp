#include "app/qt/menu_item_adapter.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <string>

#include "app/qt/qt_convert.h"
#include "model/form.h"

namespace corvane {

std::vector<Control*> inBindingOrder(const std::vector<Control*>& controls) {
  std::vector<Control*> ordered;
  std::vector<Control*> items;
  for (Control* control : controls)
    (control->kind() == ControlKind::MenuItem ? items : ordered).push_back(control);
  const size_t firstItem = ordered.size();
  auto placed = [&](const Control* item) {
    return std::find(ordered.begin() + firstItem, ordered.end(), item) != ordered.end();
  };
  std::function<void(const std::string&)> collect = [&](const std::string& parent) {
    for (Control* item : items) {
      if (item->menuParent() != parent || placed(item)) continue;
      ordered.push_back(item);
      collect(item->name());
    }
  };
  collect("");
  for (Control* item : items)
    if (!placed(item)) ordered.push_back(item);
  return ordered;
}

bool MenuItemAdapter::hasItems() const {
  const Control& item = control();
  for (const Control* other : item.form().allControls())
    if (other != &item && other->kind() == ControlKind::MenuItem &&
        other->menuParent() == item.name())
      return true;
  return false;
}

void MenuItemAdapter::create() {
  QMenuBar* bar = targets().menuBar;
  if (!bar) return;
  const Control& item = control();
  QMenu* parentMenu = nullptr;
  if (auto parent = context().menus.find(item.menuParent()); parent != context().menus.end())
    parentMenu = parent->second;
  QString caption = shownCaption();
  if (hasItems()) {
    menu_ = parentMenu ? parentMenu->addMenu(caption) : bar->addMenu(caption);
    menu_->setObjectName(toQString(item.address()));
    context().menus[item.name()] = menu_;
    action_ = menu_->menuAction();
  } else if (parentMenu && item.caption() == "-") {
    action_ = parentMenu->addSeparator();
  } else {
    QAction* command = parentMenu ? parentMenu->addAction(caption) : bar->addAction(caption);
    QObject::connect(command, &QAction::triggered, context().owner, [this] { userClick(); });
    action_ = command;
    giveShortcut(*command);
  }
  action_->setObjectName(toQString(item.address()));
}

// The main window's keys work wherever the focus is in the program; a design
// form's keys ("打印") only while the focus is in that form's window, so
// every form can print with the same key.
void MenuItemAdapter::giveShortcut(QAction& command) {
  const Control& item = control();
  if (item.shortcut().empty()) return;
  command.setShortcuts(
      QKeySequence::listFromString(toQString(item.shortcut()), QKeySequence::PortableText));
  QWidget* window = targets().menuBar->parentWidget();
  if (!targets().canvas || !window) return;
  command.setShortcutContext(Qt::WidgetWithChildrenShortcut);
  window->addAction(&command);
}

void MenuItemAdapter::showCaption() {
  QString caption = shownCaption();
  if (menu_) menu_->setTitle(caption);
  if (action_ && !action_->isSeparator()) action_->setText(caption);
}

void MenuItemAdapter::apply(Property property) {
  if (!action_) return;
  if (property == Property::Caption)
    showCaption();
  else if (property == Property::Visible)
    action_->setVisible(control().visible());
  else if (property == Property::Enabled)
    action_->setEnabled(control().enabled());
}

void MenuItemAdapter::applyAll() {
  if (!action_) return;
  if (menu_) menu_->setTitle(shownCaption());
  if (!action_->isSeparator()) action_->setText(shownCaption());
  action_->setEnabled(control().enabled());
  action_->setVisible(control().visible());
}

void MenuItemAdapter::remove() {
  if (menu_) {
    if (auto entry = context().menus.find(control().name());
        entry != context().menus.end() && entry->second == menu_)
      context().menus.erase(entry);
    menu_->deleteLater();
  }
  if (!action_) return;
  QObject::disconnect(action_, nullptr, context().owner, nullptr);
  action_->setVisible(false);
  if (!menu_) action_->deleteLater();
}

}  // namespace corvane
