#include "app/qt/control_adapter.h"

#include <QSignalBlocker>
#include <QWidget>

#include "app/qt/button_adapters.h"
#include "app/qt/display_adapters.h"
#include "app/qt/field_adapters.h"
#include "app/qt/menu_item_adapter.h"
#include "app/qt/progress_bar_adapter.h"
#include "app/qt/qt_convert.h"
#include "app/qt/timer_adapter.h"
#include "model/form.h"
#include "model/programming_error.h"
#include "model/translator.h"

namespace corvane {

namespace {

template <class Adapter>
std::unique_ptr<ControlAdapter> make(Control& control, AdapterContext& context) {
  return std::make_unique<Adapter>(control, context);
}

struct AdapterRow {
  ControlKind kind;
  std::unique_ptr<ControlAdapter> (*make)(Control&, AdapterContext&);
};

// control kind: its adapter
constexpr AdapterRow kAdapters[] = {
    {ControlKind::TextBox, &make<TextBoxAdapter>},
    {ControlKind::Label, &make<LabelAdapter>},
    {ControlKind::ComboBox, &make<ComboBoxAdapter>},
    {ControlKind::ListBox, &make<ListBoxAdapter>},
    {ControlKind::CheckBox, &make<CheckBoxAdapter>},
    {ControlKind::OptionButton, &make<OptionButtonAdapter>},
    {ControlKind::CommandButton, &make<CommandButtonAdapter>},
    {ControlKind::Frame, &make<FrameAdapter>},
    {ControlKind::PictureBox, &make<PictureBoxAdapter>},
    {ControlKind::MenuItem, &make<MenuItemAdapter>},
    {ControlKind::Timer, &make<TimerAdapter>},
    {ControlKind::StatusPanel, &make<StatusPanelAdapter>},
    {ControlKind::Slider, &make<SliderAdapter>},
    {ControlKind::ProgressBar, &make<ProgressBarAdapter>},
};

}  // namespace

std::unique_ptr<ControlAdapter> makeControlAdapter(Control& control, AdapterContext& context) {
  for (const AdapterRow& row : kAdapters)
    if (row.kind == control.kind()) return row.make(control, context);
  throw ProgrammingError("no view for the kind of control " + control.address());
}

// ---------------------------------------------------------------- any kind

ControlAdapter::ControlAdapter(Control& control, AdapterContext& context)
    : control_(control), context_(context) {}

ControlAdapter::~ControlAdapter() = default;

void ControlAdapter::enterPressed() {
  run([](Form& form, Control& field) { form.userEnter(field); });
}

QString ControlAdapter::shown(const std::string& text) const {
  if (!context_.translator) return toQString(text);
  return toQString(translateComposed(*context_.translator, context_.textContext, text));
}

QString ControlAdapter::shownCaption() const {
  if (!context_.translator) return toQString(control_.caption());
  return toQString(control_.form().shownCaption(control_, *context_.translator));
}

QStringList ControlAdapter::shownItems() const {
  QStringList items;
  for (const std::string& item : control_.items()) items << shown(item);
  return items;
}

bool ControlAdapter::userSetText(const QString& text) {
  return run([&](Form& form, Control& field) { form.userSetText(field, toStd(text)); });
}

bool ControlAdapter::userChoose(int index) {
  return run([index](Form& form, Control& list) { form.userChoose(list, index); });
}

bool ControlAdapter::userClick() {
  return run([](Form& form, Control& target) { form.userClick(target); });
}

// ---------------------------------------------------------------- one widget

void WidgetAdapter::adopt(QWidget* widget) {
  widget_ = widget;
  widget->setObjectName(toQString(control().address()));
}

void WidgetAdapter::apply(Property property) {
  if (!widget_) return;
  // what shows a changed property, in order
  using Show = void (WidgetAdapter::*)();
  struct View {
    Property property;
    Show shows[2];
  };
  static constexpr View kViews[] = {
      {Property::Text, {&WidgetAdapter::showText, &WidgetAdapter::showHints}},
      {Property::Caption, {&WidgetAdapter::showCaption}},
      {Property::Items, {&WidgetAdapter::showItems}},
      {Property::ListIndex, {&WidgetAdapter::showListIndex}},
      {Property::Value, {&WidgetAdapter::showValue}},
      {Property::BackColor, {&WidgetAdapter::showColours}},
      {Property::ForeColor, {&WidgetAdapter::showColours}},
      {Property::Geometry, {&WidgetAdapter::showGeometry}},
      {Property::Visible, {&WidgetAdapter::showVisible}},
      {Property::Enabled, {&WidgetAdapter::showEnabled, &WidgetAdapter::showHints}},
      {Property::ToolTip, {&WidgetAdapter::showHints}},
      {Property::Locked, {&WidgetAdapter::showLocked, &WidgetAdapter::showHints}},
  };
  for (const View& view : kViews)
    if (view.property == property)
      for (Show show : view.shows)
        if (show) (this->*show)();
}

void WidgetAdapter::applyAll() {
  if (!widget_) return;
  showFont();
  showCaption();
  showItems();  // also the selection and the text of a list
  showText();
  showHints();
  showValue();
  showColours();
  showGeometry();
  showEnabled();
  showLocked();
  showHints();
  showVisible();
}

void WidgetAdapter::showVisible() {
  widget_->setVisible(control().visible());
}

void WidgetAdapter::showEnabled() {
  widget_->setEnabled(control().enabled());
}

void WidgetAdapter::showHints() {
  widget_->setToolTip(shown(control().toolTip()));
}

void WidgetAdapter::showGeometry() {
  const Geometry& g = control().geometry();
  QSize hint = widget_->sizeHint();
  int width = g.width > 0 ? twipsToPixels(g.width) : hint.width();
  int height = g.height > 0 ? twipsToPixels(g.height) : hint.height();
  widget_->setGeometry(twipsToPixels(g.left), twipsToPixels(g.top), width, height);
  showHints();
}

// Only colours a control was given are set, so the others keep the style's.
void WidgetAdapter::showColours() {
  const Control& c = control();
  bool foreSet = c.foreColor() != colors::kBlack;
  if (!foreSet && !c.hasBackColor() && !paletteSet_) return;
  paletteSet_ = true;
  const auto [foreRole, backRole] = colourRoles();
  QPalette palette = widget_->palette();
  // the disabled look stays the style's
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, foreRole, toQColor(c.foreColor()));
    if (c.hasBackColor()) palette.setColor(group, backRole, toQColor(c.backColor()));
  }
  widget_->setPalette(palette);
  if (c.hasBackColor() && backRole == QPalette::Window) widget_->setAutoFillBackground(true);
}

void WidgetAdapter::showFont() {
  const Control& c = control();
  if (c.fontSize() <= 0 && !c.fontBold()) return;
  QFont font = widget_->font();
  if (c.fontSize() > 0) font.setPointSizeF(c.fontSize());
  font.setBold(c.fontBold());
  widget_->setFont(font);
}

void WidgetAdapter::remove() {
  if (!widget_) return;
  QObject::disconnect(widget_, nullptr, context().owner, nullptr);
  widget_->hide();
  widget_->deleteLater();
}

}  // namespace corvane
