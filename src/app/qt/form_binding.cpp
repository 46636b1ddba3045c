#include "app/qt/form_binding.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <tuple>

#include "app/qt/guarded_event.h"
#include "app/qt/interface_language.h"
#include "app/qt/menu_item_adapter.h"
#include "app/qt/qt_convert.h"
#include "model/form.h"
#include "model/workspace.h"

namespace corvane {

namespace {

// Key codes the forms' key-down reactions see: Qt key, code.
struct KeyCodeRow {
  int qtKey;
  int code;
};
constexpr KeyCodeRow kKeyCodes[] = {
    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},    {Qt::Key_Return, 13}, {Qt::Key_Enter, 13},
    {Qt::Key_Escape, 27},   {Qt::Key_Space, 32}, {Qt::Key_PageUp, 33}, {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},      {Qt::Key_Home, 36},  {Qt::Key_Left, 37},   {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},    {Qt::Key_Down, 40},  {Qt::Key_Insert, 45}, {Qt::Key_Delete, 46},
};

int keyCode(int qtKey) {
  // letters and digits have their ASCII code in both schemes
  if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
    return qtKey;
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return 112 + (qtKey - Qt::Key_F1);
  for (const KeyCodeRow& row : kKeyCodes)
    if (row.qtKey == qtKey) return row.code;
  return 0;
}

// A field left with its text scrolled to the end goes back to showing the
// beginning, as every field the model writes does.
void showBeginningLater(QLineEdit* edit) {
  if (!edit) return;
  QTimer::singleShot(0, edit, [edit] {
    if (!edit->hasFocus()) edit->setCursorPosition(0);
  });
}

QStatusBar* statusBarOf(QObject* watched) {
  auto* widget = qobject_cast<QWidget*>(watched);
  return widget ? widget->window()->findChild<QStatusBar*>() : nullptr;
}

}  // namespace

FormBinding::FormBinding(Form& form, BindingTargets targets, QObject* parent)
    : QObject(parent), form_(&form) {
  context_.targets = targets;
  context_.owner = this;
  context_.translator = &interfaceTranslator();
  context_.textContext = form.name();
  context_.dispatch = [this](Control& control, const UserAction& action) {
    return dispatch(control, action);
  };
  eventsId_ = form.events.connect([this](const FormEvent& event) { onFormEventRaised(event); });
  bindAll();
}

FormBinding::~FormBinding() {
  if (form_) detach();
}

bool FormBinding::hasControlOfKind(const Form& form, ControlKind kind) {
  auto controls = form.allControls();
  return std::any_of(controls.begin(), controls.end(),
                     [kind](const Control* c) { return c->kind() == kind; });
}

ControlAdapter* FormBinding::adapterOf(const Control* control) const {
  auto it = bound_.find(control);
  return it == bound_.end() ? nullptr : it->second.adapter.get();
}

// ------------------------------------------------------------ creation

QString FormBinding::title() const {
  if (!form_) return {};
  return toQString(translateComposed(*context_.translator, context_.textContext, form_->caption()));
}

void FormBinding::retranslate() {
  if (!form_) return;
  for (auto& entry : bound_) entry.second.adapter->applyAll();
  for (auto& entry : bound_) entry.second.adapter->placed();
  if (window.title) window.title(title());
}

void FormBinding::bindAll() {
  for (Control* control : inBindingOrder(form_->allControls())) bind(*control);
  // containers may come after the controls they hold
  for (auto& entry : bound_) placeInContainer(*entry.second.adapter);
  for (auto& entry : bound_) entry.second.adapter->applyAll();
  for (auto& entry : bound_) entry.second.adapter->placed();
}

ControlAdapter& FormBinding::bind(Control& control) {
  Bound& bound = bound_[&control];
  bound.adapter = makeControlAdapter(control, context_);
  ControlAdapter& adapter = *bound.adapter;
  bound.changedId =
      control.changed.connect([&adapter](Property property) { adapter.apply(property); });
  adapter.create();
  if (QWidget* widget = adapter.widget()) {
    watch(widget, control);
    if (QLineEdit* edit = adapter.lineEdit(); edit && edit != widget) watch(edit, control);
  }
  return adapter;
}

void FormBinding::watch(QObject* object, Control& control) {
  controlOf_.insert(object, &control);
  object->installEventFilter(this);
}

void FormBinding::placeInContainer(ControlAdapter& adapter) {
  QWidget* widget = adapter.widget();
  if (!widget || !adapter.sitsInContainer()) return;
  const std::string& container = adapter.control().container();
  if (container.empty()) return;
  const ControlAdapter* holder = adapterOf(form_->find(container));
  if (!holder || !holder->widget() || holder->widget() == widget) return;
  widget->setParent(holder->widget());
}

// ------------------------------------------------------------ removal

void FormBinding::forget(Bound& bound) {
  bound.adapter->control().changed.disconnect(bound.changedId);
  bound.adapter->forget();
}

void FormBinding::unbind(Control* control) {
  auto it = bound_.find(control);
  if (it == bound_.end()) return;
  forget(it->second);
  for (auto entry = controlOf_.begin(); entry != controlOf_.end();) {
    if (entry.value() == control) {
      entry.key()->removeEventFilter(this);
      entry = controlOf_.erase(entry);
    } else {
      ++entry;
    }
  }
  it->second.adapter->remove();
  bound_.erase(it);
}

void FormBinding::detach() {
  if (!form_) return;
  for (auto& entry : bound_) forget(entry.second);
  form_->events.disconnect(eventsId_);
  form_ = nullptr;
}

// ------------------------------------------------------------ model -> widget

void FormBinding::onFormEventRaised(const FormEvent& event) {
  switch (event.kind) {
    case FormEventKind::RowAdded:
      if (event.control && !adapterOf(event.control)) {
        ControlAdapter& adapter = bind(*event.control);
        placeInContainer(adapter);
        adapter.applyAll();
      }
      if (window.rowAdded) window.rowAdded();
      break;
    case FormEventKind::RowRemoved:
      unbind(event.control);
      break;
    case FormEventKind::Focus:
      if (event.control) focusControl(*event.control);
      break;
    case FormEventKind::Caption:
      if (window.title) window.title(title());
      break;
    case FormEventKind::Shown:
    case FormEventKind::Raised:
      if (window.visibility) window.visibility(true);
      break;
    case FormEventKind::Hidden:
      if (window.visibility) window.visibility(false);
      break;
  }
}

// The field the form last focused, or else its first field that takes typing
// (shown, enabled, not locked) in reading order: the topmost, and of those
// the leftmost; a field for a number before a name.
void FormBinding::focusFirstInput() {
  if (!form_) return;
  if (Control* focused = form_->focused()) {
    if (QWidget* widget = this->widget(*focused);
        widget && widget->isVisible() && widget->isEnabled()) {
      applyingFocus_ = true;  // the model has it already
      widget->setFocus(Qt::ActiveWindowFocusReason);
      applyingFocus_ = false;
      return;
    }
  }
  // a number field comes before a name: the designer starts with a value
  const ControlAdapter* first = nullptr;
  std::tuple<bool, int, int> firstRank;
  for (Control* control : form_->allControls()) {
    const ControlAdapter* adapter = adapterOf(control);
    if (!adapter || !adapter->takesTyping()) continue;
    QWidget* widget = adapter->widget();
    if (!widget || !widget->isVisible() || !widget->isEnabled()) continue;
    if (QLineEdit* edit = adapter->lineEdit(); edit && edit->isReadOnly()) continue;
    const QPoint at = widget->mapTo(widget->window(), QPoint(0, 0));
    const std::tuple<bool, int, int> rank{adapter->holdsName(), at.y(), at.x()};
    if (!first || rank < firstRank) {
      first = adapter;
      firstRank = rank;
    }
  }
  if (!first) return;
  first->widget()->setFocus(Qt::ActiveWindowFocusReason);
  if (QLineEdit* edit = first->lineEdit()) edit->selectAll();
}

void FormBinding::focusControl(Control& control) {
  const ControlAdapter* adapter = adapterOf(&control);
  QWidget* widget = adapter ? adapter->widget() : nullptr;
  if (!widget) return;
  if (!widget->hasFocus()) {
    applyingFocus_ = true;
    widget->setFocus(Qt::OtherFocusReason);
    applyingFocus_ = false;
  }
  if (QLineEdit* edit = adapter->lineEdit()) edit->selectAll();
}

// ------------------------------------------------------------ widget -> model

bool FormBinding::dispatch(Control& control, const UserAction& action) {
  if (!form_ || !adapterOf(&control)) return false;
  Workspace& workspace = form_->workspace();
  runGuarded(workspace.host(), form_->caption(), [&] { action(*form_, control); });
  return form_ && adapterOf(&control);
}

bool FormBinding::eventFilter(QObject* watched, QEvent* event) {
  auto it = controlOf_.find(watched);
  if (it == controlOf_.end() || !form_) return false;
  ControlAdapter* adapter = adapterOf(it.value());
  if (!adapter) return false;
  switch (event->type()) {
    case QEvent::FocusIn:
      onFocusIn(*adapter, watched);
      return false;
    case QEvent::ToolTip:
      // a tip that tells why a result is empty follows the design as it is now
      adapter->apply(Property::ToolTip);
      return false;
    case QEvent::FocusOut:
      if (QStatusBar* bar = statusBarOf(watched)) bar->clearMessage();
      showBeginningLater(adapter->lineEdit());
      return false;
    case QEvent::KeyPress:
      // an editable list's own line edit has already seen the key
      if (adapter->lineEdit() && adapter->lineEdit() != watched) return false;
      return onKeyPress(*adapter, static_cast<QKeyEvent*>(event));
    case QEvent::MouseButtonPress:
      return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
             adapter->mousePressed();
    case QEvent::MouseButtonDblClick:
      dispatch(adapter->control(), [](Form& form, Control& target) { form.userDblClick(target); });
      return false;
    default:
      return false;
  }
}

void FormBinding::onFocusIn(ControlAdapter& adapter, QObject* watched) {
  Control& control = adapter.control();
  if (!applyingFocus_ && form_->focused() != &control)
    if (!dispatch(control, [](Form& form, Control& field) { form.userFocus(field); })) return;
  // after the mouse press that gave the focus has placed the cursor
  if (QLineEdit* edit = adapter.lineEdit())
    QTimer::singleShot(0, edit, [edit] { edit->selectAll(); });
  // what the field holds, in the window's status bar while it has the focus
  // (the last line of its tip: why it is empty, where it is)
  adapter.apply(Property::ToolTip);
  if (auto* widget = qobject_cast<QWidget*>(watched); widget && !widget->toolTip().isEmpty())
    if (QStatusBar* bar = statusBarOf(watched))
      bar->showMessage(widget->toolTip().section(QLatin1Char('\n'), -1));
}

// Keys go to the form's entry points the script driver uses: Enter, a key
// down with its code, a character key before it changes the text (the text
// it leaves comes back as the field's edit).
bool FormBinding::onKeyPress(ControlAdapter& adapter, QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    adapter.enterPressed();
    return true;
  }
  Control& control = adapter.control();
  const int code = keyCode(key);
  if (code && form_->hasReaction(EventKind::KeyDown, control.name()))
    if (!dispatch(control, [code](Form& form, Control& field) { form.userKey(field, code); }))
      return true;
  const QString typed = event->text();
  const bool character = !typed.isEmpty() && (typed.at(0).isPrint() || key == Qt::Key_Backspace);
  if (character && form_->hasReaction(EventKind::KeyPress, control.name()))
    if (!dispatch(control,
                  [&typed](Form& form, Control& field) { form.userKeyPress(field, toStd(typed)); }))
      return true;
  return false;
}

QWidget* FormBinding::widget(const Control& control) const {
  const ControlAdapter* adapter = adapterOf(&control);
  return adapter ? adapter->widget() : nullptr;
}

QAction* FormBinding::action(const Control& control) const {
  const ControlAdapter* adapter = adapterOf(&control);
  return adapter ? adapter->action() : nullptr;
}

QTimer* FormBinding::timer(const Control& control) const {
  const ControlAdapter* adapter = adapterOf(&control);
  return adapter ? adapter->timer() : nullptr;
}

QSize FormBinding::contentSize() const {
  QRect form;
  if (form_)
    form = QRect(0, 0, twipsToPixels(form_->size().width), twipsToPixels(form_->size().height));
  QRect extent = form;
  constexpr int kMargin = 8;  // around controls that reach past the form's own size
  for (const auto& entry : bound_) {
    const QWidget* widget = entry.second.adapter->widget();
    if (!widget || widget->parentWidget() != context_.targets.canvas) continue;
    QRect area = widget->geometry();
    extent = extent.united(form.contains(area) ? area : area.adjusted(0, 0, kMargin, kMargin));
  }
  return {extent.right() + 1, extent.bottom() + 1};
}

}  // namespace corvane
