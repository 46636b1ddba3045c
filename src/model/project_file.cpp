#include "model/project_file.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <nlohmann/json.hpp>
#include <set>
#include <utility>

namespace corvane {

namespace {

// insertion order: the file reads top-down as the design is built up
using Json = nlohmann::ordered_json;

// ---------------------------------------------------------------- keys

// the file
constexpr const char* kFormat = "format";
constexpr const char* kVersion = "version";
constexpr const char* kForms = "forms";
constexpr const char* kActiveForm = "activeForm";
constexpr const char* kShared = "shared";
constexpr const char* kWireInsulation = "wireInsulation";
constexpr const char* kRecovery = "recovery";
constexpr const char* kFile = "file";
// a form
constexpr const char* kName = "name";
constexpr const char* kCaption = "caption";
constexpr const char* kVisible = "visible";
constexpr const char* kMembers = "members";
constexpr const char* kRows = "rows";
constexpr const char* kControls = "controls";
// a control
constexpr const char* kIndex = "index";
constexpr const char* kText = "text";
constexpr const char* kItems = "items";
constexpr const char* kListIndex = "listIndex";
constexpr const char* kValue = "value";
constexpr const char* kEnabled = "enabled";
constexpr const char* kLocked = "locked";
constexpr const char* kOwnBackColor = "ownBackColor";
constexpr const char* kBackColor = "backColor";
constexpr const char* kForeColor = "foreColor";
constexpr const char* kPicture = "picture";
constexpr const char* kOps = "ops";
// the layout that version 1 kept with each control: read, checked, not used
constexpr const char* kToolTip = "toolTip";
constexpr const char* kGeometry = "geometry";
constexpr const char* kInterval = "interval";
// a shared value
constexpr const char* kNumber = "number";
constexpr const char* kForm = "form";
constexpr const char* kField = "field";
constexpr const char* kRow = "row";

struct PropertyKey {
  DesignProperty property;
  const char* key;
};
// each design property of a control and its key, in the order written
constexpr PropertyKey kPropertyKeys[] = {
    {DesignProperty::Text, kText},
    {DesignProperty::Caption, kCaption},
    {DesignProperty::Items, kItems},
    {DesignProperty::ListIndex, kListIndex},
    {DesignProperty::Value, kValue},
    {DesignProperty::Visible, kVisible},
    {DesignProperty::Enabled, kEnabled},
    {DesignProperty::Locked, kLocked},
    {DesignProperty::OwnBackColor, kOwnBackColor},
    {DesignProperty::BackColor, kBackColor},
    {DesignProperty::ForeColor, kForeColor},
    {DesignProperty::Picture, kPicture},
};

// Array elements and rows of a form beyond these are not a design.
constexpr int kLargestIndex = 100000;
// A check box is 0 or 1, and 2 when greyed.
constexpr int kLargestValue = 2;

struct DrawKind {
  const char* name;
  DrawOp::Kind kind;
  int numbers;  // coordinates before the text and colour
  bool hasText;
  bool hasColor;
};
// op name in the file, kind, how it is laid out: ["line", x1, y1, x2, y2, [r, g, b]]
constexpr DrawKind kDrawKinds[] = {
    {"scale", DrawOp::Kind::Scale, 4, false, false},
    {"line", DrawOp::Kind::Line, 4, false, true},
    {"circle", DrawOp::Kind::Circle, 3, false, true},
    {"arc", DrawOp::Kind::Arc, 5, false, true},
    {"box", DrawOp::Kind::FilledBox, 4, false, true},
    {"text", DrawOp::Kind::Text, 2, true, true},
    {"forecolor", DrawOp::Kind::ForeColor, 0, false, true},
    {"backcolor", DrawOp::Kind::BackColor, 0, false, true},
};

// ---------------------------------------------------------------- writing

// JSON has no infinities and no NaN: those are written as words
Json numberJson(double value) {
  if (std::isfinite(value)) return value;
  if (std::isnan(value)) return "nan";
  return value > 0 ? "inf" : "-inf";
}

Json colorJson(Rgb color) {
  return Json::array({color.r, color.g, color.b});
}

// The op's coordinates in file order.
std::vector<double> coordinates(const DrawOp& op) {
  switch (op.kind) {
    case DrawOp::Kind::Circle:
      return {op.x1, op.y1, op.x2};
    case DrawOp::Kind::Arc:
      return {op.x1, op.y1, op.x2, op.start, op.end};
    case DrawOp::Kind::Text:
      return {op.x1, op.y1};
    case DrawOp::Kind::ForeColor:
    case DrawOp::Kind::BackColor:
      return {};
    default:
      return {op.x1, op.y1, op.x2, op.y2};
  }
}

const DrawKind& drawKindOf(DrawOp::Kind kind) {
  for (const DrawKind& entry : kDrawKinds)
    if (entry.kind == kind) return entry;
  return kDrawKinds[0];
}

Json opJson(const DrawOp& op) {
  const DrawKind& kind = drawKindOf(op.kind);
  Json out = Json::array({kind.name});
  for (double value : coordinates(op)) out.push_back(numberJson(value));
  if (kind.hasText) out.push_back(op.text);
  if (kind.hasColor) out.push_back(colorJson(op.color));
  return out;
}

Json pictureJson(const PictureState& picture) {
  Json out = Json::object();
  if (picture.backColor != colors::kWhite) out[kBackColor] = colorJson(picture.backColor);
  if (picture.foreColor != colors::kBlack) out[kForeColor] = colorJson(picture.foreColor);
  Json ops = Json::array();
  for (const DrawOp& op : picture.ops) ops.push_back(opJson(op));
  out[kOps] = std::move(ops);
  return out;
}

Json propertyJson(DesignProperty property, const ControlDesign& s) {
  switch (property) {
    case DesignProperty::Text:
      return s.text;
    case DesignProperty::Caption:
      return s.caption;
    case DesignProperty::Items:
      return s.items;
    case DesignProperty::ListIndex:
      return s.listIndex;
    case DesignProperty::Value:
      return s.value;
    case DesignProperty::Visible:
      return s.visible;
    case DesignProperty::Enabled:
      return s.enabled;
    case DesignProperty::Locked:
      return s.locked;
    case DesignProperty::OwnBackColor:
      return s.hasBackColor;
    case DesignProperty::BackColor:
      return colorJson(s.backColor);
    case DesignProperty::ForeColor:
      return colorJson(s.foreColor);
    case DesignProperty::Picture:
      return pictureJson(s.picture);
  }
  return nullptr;
}

// The control's name and the properties it holds.
Json controlJson(const ControlRecord& control) {
  Json out = Json::object();
  out[kName] = control.name;
  if (control.index >= 0) out[kIndex] = control.index;
  for (const PropertyKey& entry : kPropertyKeys)
    if (control.changes.has(entry.property))
      out[entry.key] = propertyJson(entry.property, control.changes.values());
  return out;
}

Json memberJson(const MemberValue& value) {
  return std::visit(
      [](const auto& v) -> Json {
        using T = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<T, double>)
          return numberJson(v);
        else
          return Json(v);
      },
      value);
}

// The form without its controls, which the writer puts one a line.
Json formHeadJson(const FormRecord& form) {
  Json out = Json::object();
  out[kName] = form.name;
  if (form.caption) out[kCaption] = *form.caption;
  out[kVisible] = form.visible;
  Json members = Json::object();
  for (const MemberRecord& member : form.members) members[member.name] = memberJson(member.value);
  out[kMembers] = std::move(members);
  if (!form.rows.empty()) {
    Json rows = Json::object();
    for (const ArrayRows& array : form.rows) rows[array.name] = array.indices;
    out[kRows] = std::move(rows);
  }
  return out;
}

Json sharedJson(const SharedRecord& shared) {
  Json out = Json::object();
  switch (shared.kind) {
    case SharedValue::Kind::Empty:
      break;
    case SharedValue::Kind::Number:
      out[kNumber] = numberJson(shared.number);
      break;
    case SharedValue::Kind::Text:
      out[kText] = shared.text;
      break;
    case SharedValue::Kind::Reference:
      out[kForm] = shared.reference.form;
      out[kField] = shared.reference.field;
      if (shared.reference.row >= 0) out[kRow] = shared.reference.row;
      break;
  }
  return out;
}

// ---------------------------------------------------------------- reading

// "X的 text ": a key of the file named in a message, set apart by blanks.
std::string of(const std::string& where, const char* key) {
  return where + "的 " + key + " ";
}

[[noreturn]] void fail(const std::string& where, const std::string& what) {
  throw ProjectFileError(where + what);
}

void checkKeys(const Json& object, std::initializer_list<const char*> known,
               const std::string& where) {
  for (const auto& entry : object.items()) {
    bool listed = false;
    for (const char* key : known) listed = listed || entry.key() == key;
    if (!listed) fail(where, "中有未知的项“" + entry.key() + "”");
  }
}

const Json& required(const Json& object, const char* key, const std::string& where) {
  auto it = object.find(key);
  if (it == object.end()) fail(where, std::string("缺少“") + key + "”");
  return *it;
}

const Json* optional(const Json& object, const char* key) {
  auto it = object.find(key);
  return it == object.end() ? nullptr : &*it;
}

const Json& objectAt(const Json& value, const std::string& where) {
  if (!value.is_object()) fail(where, "应为一组键值（JSON 对象）");
  return value;
}

const Json& arrayAt(const Json& value, const std::string& where) {
  if (!value.is_array()) fail(where, "应为列表（JSON 数组）");
  return value;
}

std::string textAt(const Json& value, const std::string& where) {
  if (!value.is_string()) fail(where, "应为文本");
  return value.get<std::string>();
}

bool flagAt(const Json& value, const std::string& where) {
  if (!value.is_boolean()) fail(where, "应为 true 或 false");
  return value.get<bool>();
}

int wholeAt(const Json& value, const std::string& where, long long lowest, long long highest) {
  if (!value.is_number_integer()) fail(where, "应为整数");
  // JSON reads a number without sign as unsigned
  bool fits = !value.is_number_unsigned() ||
              value.get<unsigned long long>() <= static_cast<unsigned long long>(LLONG_MAX);
  long long number = fits ? value.get<long long>() : 0;
  if (!fits || number < lowest || number > highest)
    fail(where, "应在 " + std::to_string(lowest) + " 与 " + std::to_string(highest) + " 之间");
  return static_cast<int>(number);
}

double numberAt(const Json& value, const std::string& where) {
  if (value.is_string()) {
    const std::string& word = value.get_ref<const std::string&>();
    if (word == "nan") return std::numeric_limits<double>::quiet_NaN();
    if (word == "inf") return std::numeric_limits<double>::infinity();
    if (word == "-inf") return -std::numeric_limits<double>::infinity();
  }
  if (!value.is_number()) fail(where, "应为数");
  double number = value.get<double>();
  // a literal too large for a double reads as infinity: not what was written
  if (!std::isfinite(number)) fail(where, "超出数的范围");
  return number;
}

Rgb colorAt(const Json& value, const std::string& where) {
  if (!value.is_array() || value.size() != 3) fail(where, "应为颜色 [红, 绿, 蓝]");
  return {wholeAt(value[0], where, 0, 255), wholeAt(value[1], where, 0, 255),
          wholeAt(value[2], where, 0, 255)};
}

std::vector<std::string> textsAt(const Json& value, const std::string& where) {
  std::vector<std::string> out;
  for (const Json& item : arrayAt(value, where)) out.push_back(textAt(item, where + "的列表项"));
  return out;
}

DrawOp opAt(const Json& value, const std::string& where) {
  if (!value.is_array() || value.empty()) fail(where, "应为绘图操作 [名称, …]");
  const std::string name = textAt(value[0], where + "的名称");
  const DrawKind* kind = nullptr;
  for (const DrawKind& entry : kDrawKinds)
    if (name == entry.name) kind = &entry;
  if (!kind) fail(where, "的名称“" + name + "”不是已知的绘图操作");
  size_t expected = 1 + kind->numbers + (kind->hasText ? 1 : 0) + (kind->hasColor ? 1 : 0);
  if (value.size() != expected)
    fail(where, "应有 " + std::to_string(expected) + " 项，而有 " + std::to_string(value.size()));
  DrawOp op;
  op.kind = kind->kind;
  std::vector<double> numbers;
  for (int i = 0; i < kind->numbers; ++i) numbers.push_back(numberAt(value[1 + i], where));
  size_t next = 1 + kind->numbers;
  if (kind->hasText) op.text = textAt(value[next++], where + "的文字");
  if (kind->hasColor) op.color = colorAt(value[next], where + "的颜色");
  switch (op.kind) {
    case DrawOp::Kind::Circle:
      op.x1 = numbers[0], op.y1 = numbers[1], op.x2 = numbers[2];
      break;
    case DrawOp::Kind::Arc:
      op.x1 = numbers[0], op.y1 = numbers[1], op.x2 = numbers[2];
      op.start = numbers[3], op.end = numbers[4];
      break;
    case DrawOp::Kind::Text:
      op.x1 = numbers[0], op.y1 = numbers[1];
      break;
    case DrawOp::Kind::ForeColor:
    case DrawOp::Kind::BackColor:
      break;
    default:
      op.x1 = numbers[0], op.y1 = numbers[1], op.x2 = numbers[2], op.y2 = numbers[3];
  }
  return op;
}

PictureState pictureAt(const Json& value, const std::string& where) {
  objectAt(value, where);
  checkKeys(value, {kBackColor, kForeColor, kOps}, where);
  PictureState picture;
  if (const Json* back = optional(value, kBackColor))
    picture.backColor = colorAt(*back, of(where, kBackColor));
  if (const Json* fore = optional(value, kForeColor))
    picture.foreColor = colorAt(*fore, of(where, kForeColor));
  const Json& ops = arrayAt(required(value, kOps, where), of(where, kOps));
  for (size_t i = 0; i < ops.size(); ++i)
    picture.ops.push_back(opAt(ops[i], where + "的第 " + std::to_string(i + 1) + " 个绘图操作"));
  return picture;
}

// Reads one property's value into `state`.
void readProperty(DesignProperty property, const Json& value, const std::string& where,
                  ControlDesign& state) {
  switch (property) {
    case DesignProperty::Text:
      state.text = textAt(value, where);
      return;
    case DesignProperty::Caption:
      state.caption = textAt(value, where);
      return;
    case DesignProperty::Items:
      state.items = textsAt(value, where);
      return;
    case DesignProperty::ListIndex:
      // checked against the items once they are known
      state.listIndex = wholeAt(value, where, -1, INT_MAX);
      return;
    case DesignProperty::Value:
      state.value = wholeAt(value, where, 0, kLargestValue);
      return;
    case DesignProperty::Visible:
      state.visible = flagAt(value, where);
      return;
    case DesignProperty::Enabled:
      state.enabled = flagAt(value, where);
      return;
    case DesignProperty::Locked:
      state.locked = flagAt(value, where);
      return;
    case DesignProperty::OwnBackColor:
      state.hasBackColor = flagAt(value, where);
      return;
    case DesignProperty::BackColor:
      state.backColor = colorAt(value, where);
      return;
    case DesignProperty::ForeColor:
      state.foreColor = colorAt(value, where);
      return;
    case DesignProperty::Picture:
      state.picture = pictureAt(value, where);
      return;
  }
}

// The control's name and index; `where` then names it.
ControlRecord controlHeadAt(const Json& value, std::string& where, const std::string& formWhere) {
  objectAt(value, where);
  ControlRecord control;
  control.name = textAt(required(value, kName, where), of(where, kName));
  if (control.name.empty()) fail(of(where, kName), "是空的");
  if (const Json* index = optional(value, kIndex))
    control.index = wholeAt(*index, of(where, kIndex), 0, kLargestIndex);
  where = formWhere + "的控件“" + control.name +
          (control.index >= 0 ? "(" + std::to_string(control.index) + ")" : "") + "”";
  return control;
}

// The design properties the object holds, each read into `state`.
DesignChanges propertiesAt(const Json& value, const std::string& where, ControlDesign& state) {
  DesignChanges changes;
  for (const PropertyKey& entry : kPropertyKeys)
    if (const Json* v = optional(value, entry.key)) {
      readProperty(entry.property, *v, of(where, entry.key), state);
      changes.take(entry.property, state);
    }
  // a selection past the list read with it
  if (changes.has(DesignProperty::Items) && changes.has(DesignProperty::ListIndex))
    wholeAt(value[kListIndex], of(where, kListIndex), -1,
            static_cast<long long>(state.items.size()) - 1);
  return changes;
}

std::string controlWhere(const std::string& formWhere, size_t position) {
  return formWhere + "的第 " + std::to_string(position + 1) + " 个控件";
}

// Version 2: the properties that differ from the control's design time.
ControlRecord controlAt(const Json& value, const std::string& formWhere, size_t position) {
  std::string where = controlWhere(formWhere, position);
  ControlRecord control = controlHeadAt(value, where, formWhere);
  checkKeys(value,
            {kName, kIndex, kText, kCaption, kItems, kListIndex, kValue, kVisible, kEnabled,
             kLocked, kOwnBackColor, kBackColor, kForeColor, kPicture},
            where);
  ControlDesign state;
  control.changes = propertiesAt(value, where, state);
  return control;
}

// Version 1: every property of the control as it showed, its layout with it.
// A property the file leaves out is the plain control's; the layout is
// checked but not used, and a picture box without a picture shows none.
ControlRecord controlV1At(const Json& value, const std::string& formWhere, size_t position) {
  std::string where = controlWhere(formWhere, position);
  ControlRecord control = controlHeadAt(value, where, formWhere);
  checkKeys(
      value,
      {kName, kIndex, kText, kCaption, kToolTip, kItems, kListIndex, kValue, kVisible, kEnabled,
       kLocked, kOwnBackColor, kBackColor, kForeColor, kGeometry, kInterval, kPicture},
      where);
  ControlDesign state;
  const DesignChanges present = propertiesAt(value, where, state);
  // the list the selection belongs to is the file's, even when it is empty
  wholeAt(optional(value, kListIndex) ? value[kListIndex] : Json(-1), of(where, kListIndex), -1,
          static_cast<long long>(state.items.size()) - 1);
  for (DesignProperty property : kDesignProperties)
    if (property != DesignProperty::Picture) control.changes.take(property, state);
  if (present.has(DesignProperty::Picture)) control.changes.take(DesignProperty::Picture, state);
  if (const Json* v = optional(value, kToolTip)) textAt(*v, of(where, kToolTip));
  if (const Json* v = optional(value, kGeometry)) {
    const std::string at = of(where, kGeometry);
    if (!v->is_array() || v->size() != 4) fail(at, "应为 [左, 上, 宽, 高]");
    for (const Json& number : *v) wholeAt(number, at, INT_MIN, INT_MAX);
  }
  if (const Json* v = optional(value, kInterval)) wholeAt(*v, of(where, kInterval), 0, INT_MAX);
  return control;
}

MemberValue memberAt(const Json& value, const std::string& where) {
  if (value.is_boolean()) return value.get<bool>();
  if (value.is_number_integer()) return wholeAt(value, where, INT_MIN, INT_MAX);
  if (value.is_number_float()) return numberAt(value, where);
  if (value.is_string()) {
    const std::string& text = value.get_ref<const std::string&>();
    // the words of a number JSON cannot write
    if (text == "nan" || text == "inf" || text == "-inf") return numberAt(value, where);
    return text;
  }
  if (value.is_array()) {
    TextTable table;
    for (const Json& row : value) table.push_back(textsAt(row, where + "的一行"));
    return table;
  }
  fail(where, "应为数、文本、true/false 或文本表");
}

std::vector<MemberRecord> membersAt(const Json& form, const std::string& where) {
  std::vector<MemberRecord> members;
  if (const Json* object = optional(form, kMembers)) {
    objectAt(*object, of(where, kMembers));
    for (const auto& entry : object->items())
      members.push_back(
          {entry.key(), memberAt(entry.value(), where + "的成员“" + entry.key() + "”")});
  }
  return members;
}

std::vector<ArrayRows> rowsAt(const Json& value, const std::string& where) {
  std::vector<ArrayRows> rows;
  for (const auto& entry : objectAt(value, where).items()) {
    const std::string at = where + "的数组“" + entry.key() + "”";
    if (entry.key().empty()) fail(where, "中有空的数组名");
    ArrayRows array{entry.key(), {}};
    std::set<int> seen;
    for (const Json& index : arrayAt(entry.value(), at)) {
      array.indices.push_back(wholeAt(index, at + "的行号", 0, kLargestIndex));
      if (!seen.insert(array.indices.back()).second)
        fail(at, "的行 " + std::to_string(array.indices.back()) + " 出现了两次");
    }
    rows.push_back(std::move(array));
  }
  return rows;
}

using ControlReader = ControlRecord (*)(const Json&, const std::string&, size_t);

std::vector<ControlRecord> controlsAt(const Json& form, const std::string& where,
                                      ControlReader read) {
  const Json& controls = arrayAt(required(form, kControls, where), of(where, kControls));
  std::vector<ControlRecord> out;
  std::set<std::pair<std::string, int>> seen;
  for (size_t i = 0; i < controls.size(); ++i) {
    ControlRecord control = read(controls[i], where, i);
    if (!seen.insert({control.name, control.index}).second)
      fail(where, "的控件“" + control.name + "”出现了两次");
    out.push_back(std::move(control));
  }
  return out;
}

std::string formWhere(const Json& value, size_t position, FormRecord& form) {
  std::string where = "第 " + std::to_string(position + 1) + " 个窗体";
  objectAt(value, where);
  form.name = textAt(required(value, kName, where), of(where, kName));
  return "窗体“" + form.name + "”";
}

// Version 2: the caption where it differs from design time, and the rows of
// the arrays that differ from their design-time rows.
FormRecord formAt(const Json& value, size_t position) {
  FormRecord form;
  const std::string where = formWhere(value, position, form);
  checkKeys(value, {kName, kCaption, kVisible, kMembers, kRows, kControls}, where);
  if (const Json* caption = optional(value, kCaption))
    form.caption = textAt(*caption, of(where, kCaption));
  form.visible = flagAt(required(value, kVisible, where), of(where, kVisible));
  form.members = membersAt(value, where);
  if (const Json* rows = optional(value, kRows)) form.rows = rowsAt(*rows, of(where, kRows));
  form.controls = controlsAt(value, where, controlAt);
  return form;
}

// Version 1: every control of the form, so an array has exactly the rows the
// file lists.
FormRecord formV1At(const Json& value, size_t position) {
  FormRecord form;
  const std::string where = formWhere(value, position, form);
  checkKeys(value, {kName, kCaption, kVisible, kMembers, kControls}, where);
  form.caption = textAt(required(value, kCaption, where), of(where, kCaption));
  form.visible = flagAt(required(value, kVisible, where), of(where, kVisible));
  form.members = membersAt(value, where);
  form.controls = controlsAt(value, where, controlV1At);
  for (const ControlRecord& control : form.controls) {
    if (control.index < 0) continue;
    auto array = std::find_if(form.rows.begin(), form.rows.end(),
                              [&](const ArrayRows& rows) { return rows.name == control.name; });
    if (array == form.rows.end()) array = form.rows.insert(form.rows.end(), {control.name, {}});
    array->indices.push_back(control.index);
  }
  return form;
}

SharedRecord sharedAt(const std::string& name, const Json& value) {
  const std::string where = "共享值“" + name + "”";
  objectAt(value, where);
  checkKeys(value, {kNumber, kText, kForm, kField, kRow}, where);
  SharedRecord shared;
  shared.name = name;
  if (const Json* number = optional(value, kNumber)) {
    if (value.size() != 1) fail(where, "只能是数、文本或引用之一");
    shared.kind = SharedValue::Kind::Number;
    shared.number = numberAt(*number, where);
  } else if (const Json* text = optional(value, kText)) {
    if (value.size() != 1) fail(where, "只能是数、文本或引用之一");
    shared.kind = SharedValue::Kind::Text;
    shared.text = textAt(*text, where);
  } else if (!value.empty()) {
    shared.kind = SharedValue::Kind::Reference;
    shared.reference.form = textAt(required(value, kForm, where), of(where, kForm));
    shared.reference.field = textAt(required(value, kField, where), of(where, kField));
    if (const Json* row = optional(value, kRow))
      shared.reference.row = wholeAt(*row, of(where, kRow), 0, kLargestIndex);
  }
  return shared;
}

Json parseJson(std::string_view bytes) {
  try {
    return Json::parse(bytes.begin(), bytes.end());
  } catch (const Json::parse_error& error) {
    // the text ran out before the JSON was complete
    if (error.byte >= bytes.size() && !bytes.empty())
      throw ProjectFileError("文件不完整（在第 " + std::to_string(bytes.size()) +
                             " 个字节处中断）");
    throw ProjectFileError("它不是 Corvane 设计文件（第 " + std::to_string(error.byte) +
                           " 个字节处不是有效的 JSON 文本）");
  } catch (const Json::out_of_range&) {
    throw ProjectFileError("文件中有超出数的范围的数");
  }
}

using FormReader = FormRecord (*)(const Json&, size_t);

// The version of the file, and the reader of its forms.
FormReader formReaderOf(const Json& root) {
  const Json& version = required(root, kVersion, "文件");
  if (!version.is_number_integer() || version.get<long long>() < 1)
    throw ProjectFileError("文件的格式版本无效");
  if (version.get<long long>() > kProjectFormatVersion)
    throw ProjectFileError("它由较新的程序写成（格式版本 " + version.dump() +
                           "），本程序只能读取版本 1 至 " + std::to_string(kProjectFormatVersion));
  return version.get<long long>() == 1 ? formV1At : formAt;
}

ProjectRecord parseRecord(std::string_view bytes) {
  if (bytes.empty()) throw ProjectFileError("文件是空的");
  const Json root = parseJson(bytes);
  const std::string top = "文件";
  if (!root.is_object() || !root.contains(kFormat) || root[kFormat] != kProjectFormatName)
    throw ProjectFileError("它不是 Corvane 设计文件");
  const FormReader readForm = formReaderOf(root);
  checkKeys(root, {kFormat, kVersion, kForms, kActiveForm, kShared, kRecovery}, top);

  ProjectRecord record;
  const Json& forms = arrayAt(required(root, kForms, top), of(top, kForms));
  std::set<std::string> names;
  for (size_t i = 0; i < forms.size(); ++i) {
    FormRecord form = readForm(forms[i], i);
    if (!names.insert(form.name).second)
      throw ProjectFileError("窗体“" + form.name + "”出现了两次");
    record.forms.push_back(std::move(form));
  }
  if (const Json* active = optional(root, kActiveForm)) {
    record.activeForm = textAt(*active, of(top, kActiveForm));
    if (!names.count(record.activeForm))
      throw ProjectFileError("活动窗体“" + record.activeForm + "”不在文件的窗体之中");
  }
  const Json& shared = objectAt(required(root, kShared, top), of(top, kShared));
  for (const auto& entry : shared.items()) {
    if (entry.key() == kWireInsulation) {
      record.wireInsulation =
          numberAt(entry.value(), std::string("共享值“") + kWireInsulation + "”");
      continue;
    }
    if (!SharedValues{}.find(entry.key()))
      throw ProjectFileError("共享值“" + entry.key() + "”在本程序中不存在");
    record.shared.push_back(sharedAt(entry.key(), entry.value()));
  }
  if (const Json* recovery = optional(root, kRecovery)) {
    const std::string where = of(top, kRecovery);
    objectAt(*recovery, where);
    checkKeys(*recovery, {kFile}, where);
    record.recoveryCopy = true;
    record.recoveredFrom = textAt(required(*recovery, kFile, where), of(where, kFile));
  }
  return record;
}

std::string encodeRecord(const ProjectRecord& record) {
  // one control a line: the file stays readable and small
  auto line = [](const Json& value) { return value.dump(); };
  std::string out = "{\n";
  auto key = [&out](const char* name) { out += "\"" + std::string(name) + "\": "; };
  try {
    key(kFormat);
    out += line(kProjectFormatName) + ",\n";
    key(kVersion);
    out += std::to_string(kProjectFormatVersion) + ",\n";
    if (record.recoveryCopy) {
      key(kRecovery);
      out += line(Json{{kFile, record.recoveredFrom}}) + ",\n";
    }
    key(kForms);
    out += "[";
    for (size_t f = 0; f < record.forms.size(); ++f) {
      const FormRecord& form = record.forms[f];
      std::string text = line(formHeadJson(form));
      text.pop_back();  // the closing brace: the controls follow
      out += (f ? ",\n" : "\n") + text + ",\n";
      key(kControls);
      out += "[";
      for (size_t c = 0; c < form.controls.size(); ++c)
        out += (c ? ",\n" : "\n") + line(controlJson(form.controls[c]));
      out += "\n]}";
    }
    out += "\n],\n";
    if (!record.activeForm.empty()) {
      key(kActiveForm);
      out += line(record.activeForm) + ",\n";
    }
    Json shared = Json::object();
    for (const SharedRecord& value : record.shared) shared[value.name] = sharedJson(value);
    shared[kWireInsulation] = numberJson(record.wireInsulation);
    key(kShared);
    out += line(shared) + "\n}\n";
  } catch (const Json::type_error&) {
    throw ProjectFileError("设计中有不是 UTF-8 编码的文字");
  }
  return out;
}

}  // namespace

Outcome<ProjectRecord> parseProjectFile(std::string_view bytes) {
  return outcomeOf<ProjectFileError>([&] { return parseRecord(bytes); });
}

Outcome<std::string> encodeProjectFile(const ProjectRecord& record) {
  return outcomeOf<ProjectFileError>([&] { return encodeRecord(record); });
}

}  // namespace corvane
