#include "model/control.h"

#include <utility>

#include "model/form.h"
#include "model/picture.h"
#include "model/value.h"

namespace corvane {

Control::Control(Form& form, std::string name, ControlKind kind, int index, ControlInit init)
    : form_(form),
      name_(std::move(name)),
      kind_(kind),
      index_(index),
      text_(std::move(init.text)),
      caption_(std::move(init.caption)),
      toolTip_(std::move(init.toolTip)),
      geometry_(init.geometry),
      container_(std::move(init.container)),
      group_(std::move(init.group)),
      menuParent_(std::move(init.menuParent)),
      shortcut_(std::move(init.shortcut)),
      items_(std::move(init.items)),
      listIndex_(init.listIndex),
      value_(init.value),
      interval_(init.interval),
      minimum_(init.minimum),
      maximum_(init.maximum),
      fontSize_(init.fontSize),
      fontBold_(init.fontBold),
      visible_(init.visible),
      enabled_(init.enabled),
      listOnly_(init.listOnly),
      locked_(init.locked),
      hasBackColor_(init.hasBackColor),
      backColor_(init.backColor),
      foreColor_(init.foreColor) {
  if (listIndex_ >= static_cast<int>(items_.size())) listIndex_ = -1;
  if (listIndex_ >= 0) text_ = items_[listIndex_];
  if (kind_ == ControlKind::PictureBox) createPicture();
  form_.tickChange(*this);
}

void Control::createPicture() {
  picture_ = std::make_unique<Picture>();
  // a drawing is part of the control's design state: it ticks as a property does
  picture_->changed.connect([this] { form_.tickChange(*this); });
}

Control::~Control() = default;

void Control::notify(Property property) {
  form_.controlChanged(*this, property);
  changed.emit(property);
}

std::string Control::address() const {
  return index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")";
}

bool Control::storeText(std::string_view text, bool typed) {
  if (text == text_) return false;
  typedByUser_ = typed;
  text_.assign(text);
  numberRead_ = false;
  notify(Property::Text);
  return true;
}

bool Control::setText(std::string_view text) {
  const bool typed = std::exchange(nextTextTyped_, false);
  bool isList = kind_ == ControlKind::ComboBox || kind_ == ControlKind::ListBox;
  if (isList && (listOnly_ || kind_ == ControlKind::ListBox)) {
    int index = findItem(text);
    if (index < 0) return false;
    return setListIndex(index);
  }
  if (!storeText(text, typed)) return false;
  if (isList) {
    int index = findItem(text_);
    if (index != listIndex_) {
      listIndex_ = index;
      notify(Property::ListIndex);
    }
  }
  form_.react(EventKind::Change, *this);
  return true;
}

double Control::num() const {
  std::string scratch;
  const std::string_view shown = readableText(scratch);
  // a caption or a check state is read afresh; the text once per change
  if (shown.data() != text_.data()) return Val(shown);
  if (!numberRead_) {
    number_ = Val(text_);
    numberRead_ = true;
  }
  return number_;
}

double Control::strict() const {
  std::string scratch;
  return strictNumber(readableText(scratch));
}

std::string_view Control::readableText(std::string& scratch) const {
  switch (kind_) {
    case ControlKind::Label:
    case ControlKind::Frame:
    case ControlKind::CommandButton:
    case ControlKind::MenuItem:
      return caption_;
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
      scratch = std::to_string(value_);
      return scratch;
    default:
      return text_;
  }
}

std::string Control::displayText() const {
  std::string scratch;
  return std::string(readableText(scratch));
}

// A property that keeps its value tells no view: nothing is redrawn for it.
template <class T, class V>
void Control::change(T& member, V&& value, Property property) {
  if (value == member) return;
  member = std::forward<V>(value);
  notify(property);
}

void Control::setCaption(std::string caption) {
  change(caption_, std::move(caption), Property::Caption);
}

void Control::setVisible(bool visible) {
  change(visible_, visible, Property::Visible);
}

void Control::setEnabled(bool enabled) {
  change(enabled_, enabled, Property::Enabled);
}

void Control::setLocked(bool locked) {
  change(locked_, locked, Property::Locked);
}

void Control::setToolTip(std::string tip) {
  change(toolTip_, std::move(tip), Property::ToolTip);
}

void Control::setBackColor(Rgb color) {
  if (hasBackColor_ && color == backColor_) return;
  hasBackColor_ = true;
  backColor_ = color;
  notify(Property::BackColor);
}

void Control::setForeColor(Rgb color) {
  change(foreColor_, color, Property::ForeColor);
}

void Control::setGeometry(Geometry geometry) {
  geometry_ = geometry;
  notify(Property::Geometry);
}

bool Control::setValue(int value) {
  if (value == value_) return false;
  value_ = value;
  notify(Property::Value);
  if (kind_ == ControlKind::OptionButton && value_ == 1) form_.optionSelected(*this);
  // A check box or option button that changes state reports a click.
  if (kind_ != ControlKind::OptionButton || value_ == 1) form_.react(EventKind::Click, *this);
  return true;
}

void Control::setItems(std::vector<std::string> items) {
  items_ = std::move(items);
  listIndex_ = -1;
  notify(Property::Items);
}

void Control::addItem(std::string item) {
  items_.push_back(std::move(item));
  notify(Property::Items);
}

void Control::clearItems() {
  if (items_.empty() && listIndex_ < 0) return;
  items_.clear();
  listIndex_ = -1;
  if (listOnly_) storeText("");
  notify(Property::Items);
}

int Control::findItem(std::string_view text) const {
  for (size_t i = 0; i < items_.size(); ++i)
    if (items_[i] == text) return static_cast<int>(i);
  return -1;
}

bool Control::setListIndex(int index) {
  if (index < -1 || index >= static_cast<int>(items_.size())) return false;
  if (index == listIndex_) return false;
  listIndex_ = index;
  notify(Property::ListIndex);
  storeText(index >= 0 ? items_[index] : std::string());
  form_.react(EventKind::Choose, *this);
  return true;
}

void Control::setInterval(int ms) {
  change(interval_, ms, Property::Interval);
}

Picture& Control::picture() {
  if (!picture_) createPicture();
  return *picture_;
}

template <class State>
void Control::copyDesignProperties(State& state) const {
  state.text = text_;
  state.caption = caption_;
  state.items = items_;
  state.listIndex = listIndex_;
  state.value = value_;
  state.visible = visible_;
  state.enabled = enabled_;
  state.locked = locked_;
  state.hasBackColor = hasBackColor_;
  state.backColor = backColor_;
  state.foreColor = foreColor_;
}

ControlInit Control::snapshot() const {
  ControlInit init;
  copyDesignProperties(init);
  // and the layout, which comes with the form
  init.toolTip = toolTip_;
  init.geometry = geometry_;
  init.container = container_;
  init.interval = interval_;
  init.minimum = minimum_;
  init.maximum = maximum_;
  init.listOnly = listOnly_;
  init.group = group_;
  init.menuParent = menuParent_;
  init.shortcut = shortcut_;
  init.fontSize = fontSize_;
  init.fontBold = fontBold_;
  return init;
}

ControlDesign Control::designWithoutPicture() const {
  ControlDesign state;
  copyDesignProperties(state);
  return state;
}

ControlDesign Control::design() const {
  ControlDesign state = designWithoutPicture();
  if (picture_) state.picture = {picture_->ops(), picture_->backColor(), picture_->foreColor()};
  return state;
}

ControlDesign Control::undrawnDesign() const {
  if (!picture_ || !picture_->pending()) return design();
  ControlDesign state = designWithoutPicture();
  state.picture = {{}, picture_->backColor(), picture_->foreColor(), picture_->pending()};
  return state;
}

void Control::restoreDesign(const ControlDesign& state) {
  // a view rebuilds a list from its items, then selects and shows the text:
  // items go first
  if (state.items != items_) {
    items_ = state.items;
    listIndex_ = -1;
    notify(Property::Items);
  }
  change(listIndex_, state.listIndex, Property::ListIndex);
  storeText(state.text);
  setCaption(state.caption);
  change(value_, state.value, Property::Value);
  if (state.hasBackColor != hasBackColor_ || state.backColor != backColor_) {
    hasBackColor_ = state.hasBackColor;
    backColor_ = state.backColor;
    notify(Property::BackColor);
  }
  setForeColor(state.foreColor);
  setLocked(state.locked);
  setEnabled(state.enabled);
  setVisible(state.visible);
  if (kind_ == ControlKind::PictureBox)
    picture().restore(state.picture.ops, state.picture.pending, state.picture.backColor,
                      state.picture.foreColor);
}

}  // namespace corvane
