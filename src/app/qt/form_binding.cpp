#include "app/qt/form_binding.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>
#include <iostream>
#include <tuple>

#include "app/qt/field_hints.h"
#include "app/qt/picture_widget.h"
#include "app/qt/progress_bar_adapter.h"
#include "app/qt/qt_convert.h"
#include "model/form.h"
#include "model/host.h"
#include "model/picture.h"
#include "model/programming_error.h"
#include "model/value.h"
#include "model/workspace.h"

namespace corvane {

namespace {

// The message a designer sees when the program meets a fault of its own; it
// also goes to standard error for the bug report.
void reportProgrammingError(Form& form, const ProgrammingError& error) {
  std::cerr << "corvane: programming error: " << error.what() << "\n";
  form.host().showMessage(std::string("程序内部错误：") + error.what(), MessageIcon::Warning,
                          form.caption());
}

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

QLineEdit* lineEditOf(QObject* object) {
  if (auto* edit = qobject_cast<QLineEdit*>(object)) return edit;
  if (auto* combo = qobject_cast<QComboBox*>(object)) return combo->lineEdit();
  return nullptr;
}

bool isClickTarget(ControlKind kind) {
  return kind == ControlKind::Label || kind == ControlKind::PictureBox ||
         kind == ControlKind::Frame;
}

void setLabelText(QWidget* widget, const QString& text) {
  if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(text);
}

}  // namespace

FormBinding::FormBinding(Form& form, BindingTargets targets, QObject* parent)
    : QObject(parent), form_(&form), targets_(targets) {
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

// ------------------------------------------------------------ creation

void FormBinding::bindAll() {
  std::vector<Control*> controls = form_->allControls();
  for (Control* control : controls)
    if (control->kind() != ControlKind::MenuItem) create(*control);
  // containers may come after the controls they hold
  for (auto& entry : bound_) placeInContainer(entry.second);
  buildMenus(controls);
  for (auto& entry : bound_) applyAll(entry.second);
  // captions take the room their neighbours leave, once every widget is placed
  for (auto& entry : bound_)
    if (auto* label = qobject_cast<QLabel*>(entry.second.widget.data())) fitCaption(*label);
}

void FormBinding::applyHints(Bound& bound) {
  if (auto* edit = qobject_cast<QLineEdit*>(bound.widget.data()))
    showFieldHints(*edit, *bound.control);
  else if (auto* combo = qobject_cast<QComboBox*>(bound.widget.data()))
    showListHints(*combo, *bound.control);
  else if (bound.widget)
    bound.widget->setToolTip(toQString(bound.control->toolTip()));
}

FormBinding::Bound& FormBinding::create(Control& control) {
  Bound& bound = bound_[&control];
  bound.control = &control;
  bound.changedId =
      control.changed.connect([this, c = &control](Property property) { apply(*c, property); });
  if (control.kind() == ControlKind::Timer) {
    auto* timer = new QTimer(this);
    timer->setTimerType(Qt::PreciseTimer);  // the seconds counter must not run fast or slow
    timer->setObjectName(toQString(control.address()));
    connect(timer, &QTimer::timeout, this, [this, c = &control] {
      dispatch(c, [](Form& form, Control& timer) { form.tick(timer); });
    });
    bound.timer = timer;
    return bound;
  }
  bound.widget = createWidget(control);
  if (bound.widget) {
    bound.widget->setObjectName(toQString(control.address()));
    watch(bound.widget, control);
    if (QLineEdit* edit = lineEditOf(bound.widget); edit && edit != bound.widget.data())
      watch(edit, control);
  }
  if (control.kind() == ControlKind::PictureBox && bound.widget)
    bound.pictureId = control.picture().changed.connect([w = bound.widget] {
      if (w) w->update();
    });
  return bound;
}

void FormBinding::watch(QObject* object, Control& control) {
  controlOf_.insert(object, &control);
  object->installEventFilter(this);
}

QWidget* FormBinding::createWidget(Control& control) {
  Control* c = &control;
  QWidget* canvas = targets_.canvas;
  auto userText = [this, c](const QString& text) {
    dispatch(c, [&](Form& form, Control& field) { form.userSetText(field, toStd(text)); });
  };
  auto userClick = [this, c] {
    if (dispatch(c, [](Form& form, Control& button) { form.userClick(button); }))
      applyValue(bound_[c]);  // the widget shows what the model decided
  };
  auto userChoose = [this, c](int index) {
    dispatch(c, [index](Form& form, Control& list) { form.userChoose(list, index); });
  };

  switch (control.kind()) {
    case ControlKind::StatusPanel: {
      if (!targets_.statusBar) return nullptr;
      auto* panel = new QLabel(targets_.statusBar);
      panel->setTextFormat(Qt::PlainText);
      panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
      panel->setMinimumWidth(twipsToPixels(control.geometry().width));
      targets_.statusBar->addWidget(panel);
      return panel;
    }
    case ControlKind::Timer:
    case ControlKind::MenuItem:
      return nullptr;
    default:
      break;
  }
  if (!canvas) return nullptr;

  switch (control.kind()) {
    case ControlKind::TextBox: {
      auto* edit = new QLineEdit(canvas);
      connect(edit, &QLineEdit::textEdited, this, userText);
      return edit;
    }
    case ControlKind::Label: {
      auto* label = new QLabel(canvas);
      label->setTextFormat(Qt::PlainText);
      return label;
    }
    case ControlKind::ComboBox: {
      auto* combo = new QComboBox(canvas);
      combo->setEditable(!control.listOnly());
      combo->setInsertPolicy(QComboBox::NoInsert);
      connect(combo, &QComboBox::activated, this, userChoose);
      if (combo->lineEdit()) connect(combo->lineEdit(), &QLineEdit::textEdited, this, userText);
      return combo;
    }
    case ControlKind::ListBox: {
      auto* list = new QListWidget(canvas);
      connect(list, &QListWidget::currentRowChanged, this, userChoose);
      return list;
    }
    case ControlKind::CheckBox: {
      auto* box = new QCheckBox(canvas);
      connect(box, &QCheckBox::clicked, this, userClick);
      return box;
    }
    case ControlKind::OptionButton: {
      auto* option = new QRadioButton(canvas);
      option->setAutoExclusive(false);  // the form decides which option of a group is on
      connect(option, &QRadioButton::clicked, this, userClick);
      return option;
    }
    case ControlKind::CommandButton: {
      auto* button = new QPushButton(canvas);
      button->setAutoDefault(false);
      connect(button, &QPushButton::clicked, this, userClick);
      return button;
    }
    case ControlKind::Frame: {
      auto* frame = new QGroupBox(canvas);
      // the caption sits on the frame's top line, so the rows placed just
      // below the caption stay inside the frame
      frame->setStyleSheet(QStringLiteral(
          "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 0.6em; }"
          "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
      return frame;
    }
    case ControlKind::PictureBox:
      return new PictureWidget(control.picture(), canvas);
    case ControlKind::ProgressBar:
      return createProgressBar(canvas);
    case ControlKind::Slider: {
      auto* slider = new QSlider(Qt::Horizontal, canvas);
      slider->setRange(control.minimum(), control.maximum());
      connect(slider, &QSlider::valueChanged, this,
              [userText](int value) { userText(QString::number(value)); });
      return slider;
    }
    default:
      return nullptr;
  }
}

void FormBinding::placeInContainer(Bound& bound) {
  if (!bound.widget || bound.control->kind() == ControlKind::StatusPanel) return;
  const std::string& container = bound.control->container();
  if (container.empty()) return;
  Control* holder = form_->find(container);
  if (!holder) return;
  auto it = bound_.find(holder);
  if (it == bound_.end() || !it->second.widget || it->second.widget == bound.widget) return;
  bound.widget->setParent(it->second.widget);
}

// Top-level items with children become menus, those without are direct
// commands of the menu bar; an item with children inside a menu is a submenu.
void FormBinding::buildMenus(const std::vector<Control*>& controls) {
  if (!targets_.menuBar) return;
  std::vector<Control*> items;
  for (Control* control : controls)
    if (control->kind() == ControlKind::MenuItem) items.push_back(control);
  auto hasChildren = [&](const Control* item) {
    return std::any_of(items.begin(), items.end(), [&](const Control* other) {
      return other != item && other->menuParent() == item->name();
    });
  };
  // parents first, so a child always finds its menu
  std::vector<Control*> ordered;
  std::function<void(const std::string&)> collect = [&](const std::string& parent) {
    for (Control* item : items) {
      if (item->menuParent() != parent) continue;
      if (std::find(ordered.begin(), ordered.end(), item) != ordered.end()) continue;
      ordered.push_back(item);
      if (hasChildren(item)) collect(item->name());
    }
  };
  collect("");
  for (Control* item : items)  // items whose parent does not exist go on the bar
    if (std::find(ordered.begin(), ordered.end(), item) == ordered.end()) ordered.push_back(item);
  for (Control* item : ordered) addMenuItem(*item, hasChildren(item));
}

void FormBinding::addMenuItem(Control& item, bool hasChildren) {
  if (!targets_.menuBar) return;
  QMenu* parentMenu = nullptr;
  if (!item.menuParent().empty()) {
    for (auto& entry : bound_)
      if (entry.second.menu && entry.first->name() == item.menuParent())
        parentMenu = entry.second.menu;
  }
  Bound& bound = create(item);
  QString caption = toQString(item.caption());
  if (hasChildren) {
    QMenu* menu = parentMenu ? parentMenu->addMenu(caption) : targets_.menuBar->addMenu(caption);
    menu->setObjectName(toQString(item.address()));
    bound.menu = menu;
    bound.action = menu->menuAction();
  } else if (parentMenu && item.caption() == "-") {
    bound.action = parentMenu->addSeparator();  // a caption "-" is a separator line
  } else {
    QAction* action =
        parentMenu ? parentMenu->addAction(caption) : targets_.menuBar->addAction(caption);
    connect(action, &QAction::triggered, this, [this, c = &item] {
      dispatch(c, [](Form& form, Control& command) { form.userClick(command); });
    });
    bound.action = action;
    giveShortcut(*action, item);
  }
  bound.action->setObjectName(toQString(item.address()));
}

// The main window's keys work wherever the focus is in the program; a design
// form's keys ("打印") only while the focus is in that form's window, so
// every form can print with the same key.
void FormBinding::giveShortcut(QAction& action, const Control& item) {
  if (item.shortcut().empty()) return;
  action.setShortcut(QKeySequence(toQString(item.shortcut()), QKeySequence::PortableText));
  QWidget* window = targets_.menuBar->parentWidget();
  if (!targets_.canvas || !window) return;
  action.setShortcutContext(Qt::WidgetWithChildrenShortcut);
  window->addAction(&action);
}

// ------------------------------------------------------------ removal

void FormBinding::forget(Bound& bound) {
  bound.control->changed.disconnect(bound.changedId);
  if (bound.pictureId) bound.control->picture().changed.disconnect(bound.pictureId);
  if (bound.timer) bound.timer->stop();
  if (auto* picture = dynamic_cast<PictureWidget*>(bound.widget.data())) picture->forgetPicture();
}

void FormBinding::unbind(Control* control) {
  auto it = bound_.find(control);
  if (it == bound_.end()) return;
  Bound& bound = it->second;
  forget(bound);
  for (auto entry = controlOf_.begin(); entry != controlOf_.end();) {
    if (entry.value() == control) {
      entry.key()->removeEventFilter(this);
      entry = controlOf_.erase(entry);
    } else {
      ++entry;
    }
  }
  // the widget may be the one whose signal runs right now: delete it later
  if (bound.widget) {
    QObject::disconnect(bound.widget, nullptr, this, nullptr);
    bound.widget->hide();
    bound.widget->deleteLater();
  }
  if (bound.menu) bound.menu->deleteLater();
  if (bound.action) {
    QObject::disconnect(bound.action, nullptr, this, nullptr);
    bound.action->setVisible(false);
    if (!bound.menu) bound.action->deleteLater();
  }
  if (bound.timer) bound.timer->deleteLater();
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
    case FormEventKind::RowAdded: {
      if (!event.control || isBound(event.control)) break;
      if (event.control->kind() == ControlKind::MenuItem) {
        addMenuItem(*event.control, false);
        applyAll(bound_[event.control]);
        break;
      }
      Bound& bound = create(*event.control);
      placeInContainer(bound);
      applyAll(bound);
      break;
    }
    case FormEventKind::RowRemoved:
      unbind(event.control);
      break;
    case FormEventKind::Focus:
      if (event.control) focusControl(*event.control);
      break;
    default:
      break;
  }
  if (onFormEvent) onFormEvent(event);
}

void FormBinding::apply(Control& control, Property property) {
  auto it = bound_.find(&control);
  if (it == bound_.end()) return;
  Bound& bound = it->second;
  QWidget* widget = bound.widget;
  switch (property) {
    case Property::Text:
      applyText(bound);
      break;
    case Property::Caption:
      applyCaption(bound);
      break;
    case Property::Items:
      applyItems(bound);
      break;
    case Property::ListIndex:
      applyListIndex(bound);
      break;
    case Property::Value:
      applyValue(bound);
      break;
    case Property::BackColor:
    case Property::ForeColor:
      applyColours(bound);
      break;
    case Property::Geometry:
      applyGeometry(bound);
      break;
    case Property::Interval:
      applyTimer(bound);
      break;
    case Property::Visible:
      if (widget) widget->setVisible(control.visible());
      if (bound.action) bound.action->setVisible(control.visible());
      break;
    case Property::Enabled:
      if (widget) widget->setEnabled(control.enabled());
      if (bound.action) bound.action->setEnabled(control.enabled());
      applyTimer(bound);
      applyHints(bound);
      break;
    case Property::ToolTip:
      applyHints(bound);
      break;
    case Property::Locked:
      if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->setReadOnly(control.locked());
      applyHints(bound);
      break;
  }
}

void FormBinding::applyAll(Bound& bound) {
  Control& control = *bound.control;
  if (QWidget* widget = bound.widget) {
    applyFont(bound);
    applyCaption(bound);
    applyItems(bound);  // also the selection and the text of a list
    applyText(bound);
    applyValue(bound);
    applyColours(bound);
    applyGeometry(bound);
    widget->setEnabled(control.enabled());
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->setReadOnly(control.locked());
    applyHints(bound);
    widget->setVisible(control.visible());
  }
  if (bound.action) {
    if (!bound.action->isSeparator()) bound.action->setText(toQString(control.caption()));
    bound.action->setEnabled(control.enabled());
    bound.action->setVisible(control.visible());
  }
  applyTimer(bound);
}

void FormBinding::applyText(Bound& bound) {
  QWidget* widget = bound.widget;
  if (!widget) return;
  Control& control = *bound.control;
  QString text = toQString(control.text());
  QSignalBlocker block(widget);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    if (edit->text() != text) {  // an equal text keeps the cursor
      edit->setText(text);
      // a text too long for its field shows its beginning, not its end
      if (!edit->hasFocus()) edit->setCursorPosition(0);
    }
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    if (combo->isEditable() && combo->currentText() != text) {
      QSignalBlocker blockEdit(combo->lineEdit());
      combo->setEditText(text);
      if (!combo->hasFocus()) combo->lineEdit()->setCursorPosition(0);
    }
  } else if (auto* slider = qobject_cast<QSlider*>(widget)) {
    // the text may hold any number; the handle stops at the ends of the range
    double position =
        std::clamp(Val(control.text()), double(control.minimum()), double(control.maximum()));
    slider->setValue(static_cast<int>(position));
  } else if (control.kind() == ControlKind::StatusPanel) {
    setLabelText(widget, text);
  } else {
    showProgress(widget, control);
  }
  applyHints(bound);
}

void FormBinding::applyCaption(Bound& bound) {
  QString caption = toQString(bound.control->caption());
  if (bound.menu) bound.menu->setTitle(caption);
  if (bound.action && !bound.action->isSeparator()) bound.action->setText(caption);
  QWidget* widget = bound.widget;
  if (!widget || bound.control->kind() == ControlKind::StatusPanel) return;
  QSignalBlocker block(widget);
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(caption);
    label->setWordWrap(twipsToPixels(bound.control->geometry().height) >=
                       2 * label->fontMetrics().height());
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(caption);
  } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
    frame->setTitle(caption);
  } else {
    showProgress(widget, *bound.control);
  }
}

void FormBinding::applyItems(Bound& bound) {
  QWidget* widget = bound.widget;
  if (!widget) return;
  QStringList items;
  for (const std::string& item : bound.control->items()) items << toQString(item);
  QSignalBlocker block(widget);
  if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    QSignalBlocker blockEdit(combo->lineEdit());
    combo->clear();
    combo->addItems(items);
  } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
    list->clear();
    list->addItems(items);
  } else {
    return;
  }
  applyListIndex(bound);
  applyText(bound);
}

void FormBinding::applyListIndex(Bound& bound) {
  QWidget* widget = bound.widget;
  int index = bound.control->listIndex();
  QSignalBlocker block(widget);
  if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    QSignalBlocker blockEdit(combo->lineEdit());
    combo->setCurrentIndex(index);
    if (combo->isEditable()) {
      combo->setEditText(toQString(bound.control->text()));
      if (!combo->hasFocus()) combo->lineEdit()->setCursorPosition(0);
    }
  } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
    list->setCurrentRow(index);
  }
}

void FormBinding::applyValue(Bound& bound) {
  QWidget* widget = bound.widget;
  int value = bound.control->value();
  QSignalBlocker block(widget);
  if (auto* box = qobject_cast<QCheckBox*>(widget)) {
    box->setTristate(value == 2);
    box->setCheckState(value == 1   ? Qt::Checked
                       : value == 2 ? Qt::PartiallyChecked
                                    : Qt::Unchecked);
  } else if (auto* option = qobject_cast<QRadioButton*>(widget)) {
    option->setChecked(value != 0);
  }
}

// Only colours a control was given are set, so the others keep the style's.
void FormBinding::applyColours(Bound& bound) {
  QWidget* widget = bound.widget;
  if (!widget) return;
  Control& control = *bound.control;
  bool foreSet = control.foreColor() != colors::kBlack;
  if (!foreSet && !control.hasBackColor() && !bound.paletteSet) return;
  bound.paletteSet = true;

  QPalette::ColorRole foreRole = QPalette::WindowText;
  QPalette::ColorRole backRole = QPalette::Window;
  switch (control.kind()) {
    case ControlKind::TextBox:
    case ControlKind::ComboBox:
    case ControlKind::ListBox:
      foreRole = QPalette::Text;
      backRole = QPalette::Base;
      break;
    case ControlKind::CommandButton:
      foreRole = QPalette::ButtonText;
      backRole = QPalette::Button;
      break;
    default:
      break;
  }
  QPalette palette = widget->palette();
  // the disabled look stays the style's
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, foreRole, toQColor(control.foreColor()));
    if (control.hasBackColor()) palette.setColor(group, backRole, toQColor(control.backColor()));
  }
  widget->setPalette(palette);
  if (control.hasBackColor() && backRole == QPalette::Window) widget->setAutoFillBackground(true);
}

void FormBinding::applyGeometry(Bound& bound) {
  QWidget* widget = bound.widget;
  if (!widget || bound.control->kind() == ControlKind::StatusPanel) return;
  const Geometry& g = bound.control->geometry();
  QSize hint = widget->sizeHint();
  int width = g.width > 0 ? twipsToPixels(g.width) : hint.width();
  int height = g.height > 0 ? twipsToPixels(g.height) : hint.height();
  widget->setGeometry(twipsToPixels(g.left), twipsToPixels(g.top), width, height);
  applyHints(bound);
}

void FormBinding::applyTimer(Bound& bound) {
  QTimer* timer = bound.timer;
  if (!timer) return;
  const Control& control = *bound.control;
  bool running = form_ && control.enabled() && control.interval() > 0;
  if (!running) {
    timer->stop();
    return;
  }
  if (timer->isActive() && timer->interval() == control.interval()) return;
  timer->start(control.interval());
}

void FormBinding::applyFont(Bound& bound) {
  const Control& control = *bound.control;
  if (!bound.widget || (control.fontSize() <= 0 && !control.fontBold())) return;
  QFont font = bound.widget->font();
  if (control.fontSize() > 0) font.setPointSizeF(control.fontSize());
  font.setBold(control.fontBold());
  bound.widget->setFont(font);
}

// The field the form last focused, or else its first field that takes typing
// (a text box or list, shown, enabled, not locked) in reading order: the
// topmost, and of those the leftmost; a field for a number before a name.
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
  QWidget* first = nullptr;
  std::tuple<bool, int, int> firstRank;
  for (Control* control : form_->allControls()) {
    const ControlKind kind = control->kind();
    if (kind != ControlKind::TextBox && kind != ControlKind::ComboBox) continue;
    QWidget* widget = this->widget(*control);
    if (!widget || !widget->isVisible() || !widget->isEnabled()) continue;
    if (QLineEdit* edit = lineEditOf(widget); edit && edit->isReadOnly()) continue;
    const QPoint at = widget->mapTo(widget->window(), QPoint(0, 0));
    const bool name = kind == ControlKind::TextBox && control->content() == Control::Content::Text;
    const std::tuple<bool, int, int> rank{name, at.y(), at.x()};
    if (!first || rank < firstRank) {
      first = widget;
      firstRank = rank;
    }
  }
  if (!first) return;
  first->setFocus(Qt::ActiveWindowFocusReason);
  if (QLineEdit* edit = lineEditOf(first)) edit->selectAll();
}

void FormBinding::focusControl(Control& control) {
  auto it = bound_.find(&control);
  if (it == bound_.end() || !it->second.widget) return;
  QWidget* widget = it->second.widget;
  if (!widget->hasFocus()) {
    applyingFocus_ = true;
    widget->setFocus(Qt::OtherFocusReason);
    applyingFocus_ = false;
  }
  if (QLineEdit* edit = lineEditOf(widget)) edit->selectAll();
}

// ------------------------------------------------------------ widget -> model

bool FormBinding::dispatch(Control* control, const std::function<void(Form&, Control&)>& action) {
  if (!form_ || !isBound(control)) return false;
  try {
    action(*form_, *control);
  } catch (const ProgrammingError& error) {
    // a fault of the program, not of the design: said aloud, never swallowed
    reportProgrammingError(*form_, error);
  }
  return form_ && isBound(control);
}

// A field left with its text scrolled to the end goes back to showing the
// beginning, as every field the model writes does.
void FormBinding::showBeginningLater(QWidget* widget) {
  QLineEdit* edit = qobject_cast<QLineEdit*>(widget);
  if (auto* combo = qobject_cast<QComboBox*>(widget)) edit = combo->lineEdit();
  if (!edit) return;
  QTimer::singleShot(0, edit, [edit] {
    if (!edit->hasFocus()) edit->setCursorPosition(0);
  });
}

bool FormBinding::eventFilter(QObject* watched, QEvent* event) {
  auto it = controlOf_.find(watched);
  if (it == controlOf_.end() || !form_) return false;
  Control* control = it.value();
  switch (event->type()) {
    case QEvent::FocusIn:
      onFocusIn(control, watched);
      return false;
    case QEvent::FocusOut:
      if (auto* widget = qobject_cast<QWidget*>(watched)) {
        if (auto* bar = widget->window()->findChild<QStatusBar*>()) bar->clearMessage();
        showBeginningLater(widget);
      }
      return false;
    case QEvent::KeyPress:
      // an editable list's own line edit has already seen the key
      if (auto* combo = qobject_cast<QComboBox*>(watched); combo && combo->lineEdit()) return false;
      return onKeyPress(control, static_cast<QKeyEvent*>(event));
    case QEvent::MouseButtonPress:
      if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton ||
          !isClickTarget(control->kind()))
        return false;
      dispatch(control, [](Form& form, Control& target) { form.userClick(target); });
      return true;
    case QEvent::MouseButtonDblClick:
      dispatch(control, [](Form& form, Control& target) { form.userDblClick(target); });
      return false;
    default:
      return false;
  }
}

void FormBinding::onFocusIn(Control* control, QObject* watched) {
  if (!applyingFocus_ && form_->focused() != control)
    if (!dispatch(control, [](Form& form, Control& field) { form.userFocus(field); })) return;
  // after the mouse press that gave the focus has placed the cursor
  if (QLineEdit* edit = lineEditOf(watched))
    QTimer::singleShot(0, edit, [edit] { edit->selectAll(); });
  // what the field holds, in the window's status bar while it has the focus
  if (auto* widget = qobject_cast<QWidget*>(watched); widget && !widget->toolTip().isEmpty())
    if (auto* bar = widget->window()->findChild<QStatusBar*>())
      bar->showMessage(widget->toolTip().section(QLatin1Char('\n'), -1));
}

bool FormBinding::onKeyPress(Control* control, QKeyEvent* event) {
  int key = event->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    if (control->kind() == ControlKind::CommandButton)
      dispatch(control, [](Form& form, Control& button) { form.userClick(button); });
    else
      dispatch(control, [](Form& form, Control& field) { form.userEnter(field); });
    return true;
  }
  int code = keyCode(key);
  if (code && form_->hasReaction(EventKind::KeyDown, control->name()))
    if (!dispatch(control, [code](Form& form, Control& field) { form.userKey(field, code); }))
      return true;
  // the key-press reaction sees the field before the key changes it; a
  // character key or Backspace raises it
  QString typed = event->text();
  bool character = !typed.isEmpty() && (typed.at(0).isPrint() || key == Qt::Key_Backspace);
  if (character && form_->hasReaction(EventKind::KeyPress, control->name())) {
    EventArgs args;
    args.keyChar = toStd(typed);
    if (!dispatch(control, [&](Form& form, Control& field) {
          form.workspace().runEvent([&] { form.react(EventKind::KeyPress, field, args); });
        }))
      return true;
  }
  return false;
}

QWidget* FormBinding::widget(const Control& control) const {
  auto it = bound_.find(&control);
  return it == bound_.end() ? nullptr : it->second.widget.data();
}

QAction* FormBinding::action(const Control& control) const {
  auto it = bound_.find(&control);
  return it == bound_.end() ? nullptr : it->second.action.data();
}

QTimer* FormBinding::timer(const Control& control) const {
  auto it = bound_.find(&control);
  return it == bound_.end() ? nullptr : it->second.timer.data();
}

QSize FormBinding::contentSize() const {
  QRect form;
  if (form_)
    form = QRect(0, 0, twipsToPixels(form_->size().width), twipsToPixels(form_->size().height));
  QRect extent = form;
  constexpr int kMargin = 8;  // around controls that reach past the form's own size
  for (const auto& entry : bound_) {
    if (!entry.second.widget || entry.second.widget->parentWidget() != targets_.canvas) continue;
    QRect area = entry.second.widget->geometry();
    extent = extent.united(form.contains(area) ? area : area.adjusted(0, 0, kMargin, kMargin));
  }
  return {extent.right() + 1, extent.bottom() + 1};
}

}  // namespace corvane
