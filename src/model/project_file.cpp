#include "model/project_file.h"

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

constexpr const char* kFormat = "format";
constexpr const char* kVersion = "version";
constexpr const char* kForms = "forms";
constexpr const char* kActiveForm = "activeForm";
constexpr const char* kShared = "shared";
constexpr const char* kWireInsulation = "wireInsulation";
constexpr const char* kRecovery = "recovery";

// Array elements and rows of a form beyond these are not a design.
constexpr int kLargestIndex = 100000;

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

struct SharedKindName {
  const char* name;
  SharedValue::Kind kind;
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

Json pictureJson(const PictureRecord& picture) {
  Json out = Json::object();
  if (picture.backColor != colors::kWhite) out["backColor"] = colorJson(picture.backColor);
  if (picture.foreColor != colors::kBlack) out["foreColor"] = colorJson(picture.foreColor);
  Json ops = Json::array();
  for (const DrawOp& op : picture.ops) ops.push_back(opJson(op));
  out["ops"] = std::move(ops);
  return out;
}

// Only what differs from a control's plain state is written.
Json controlJson(const ControlRecord& control) {
  const ControlState& s = control.state;
  const ControlState plain;
  Json out = Json::object();
  out["name"] = control.name;
  if (control.index >= 0) out["index"] = control.index;
  if (s.text != plain.text) out["text"] = s.text;
  if (s.caption != plain.caption) out["caption"] = s.caption;
  if (s.toolTip != plain.toolTip) out["toolTip"] = s.toolTip;
  if (!s.items.empty()) out["items"] = s.items;
  if (s.listIndex != plain.listIndex) out["listIndex"] = s.listIndex;
  if (s.value != plain.value) out["value"] = s.value;
  if (s.visible != plain.visible) out["visible"] = s.visible;
  if (s.enabled != plain.enabled) out["enabled"] = s.enabled;
  if (s.locked != plain.locked) out["locked"] = s.locked;
  if (s.hasBackColor) out["ownBackColor"] = true;
  if (s.backColor != plain.backColor) out["backColor"] = colorJson(s.backColor);
  if (s.foreColor != plain.foreColor) out["foreColor"] = colorJson(s.foreColor);
  out["geometry"] =
      Json::array({s.geometry.left, s.geometry.top, s.geometry.width, s.geometry.height});
  if (s.interval != plain.interval) out["interval"] = s.interval;
  if (control.picture) out["picture"] = pictureJson(*control.picture);
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
  out["name"] = form.name;
  out["caption"] = form.caption;
  out["visible"] = form.visible;
  Json members = Json::object();
  for (const MemberRecord& member : form.members) members[member.name] = memberJson(member.value);
  out["members"] = std::move(members);
  return out;
}

Json sharedJson(const SharedRecord& shared) {
  Json out = Json::object();
  switch (shared.kind) {
    case SharedValue::Kind::Empty:
      break;
    case SharedValue::Kind::Number:
      out["number"] = numberJson(shared.number);
      break;
    case SharedValue::Kind::Text:
      out["text"] = shared.text;
      break;
    case SharedValue::Kind::Reference:
      out["form"] = shared.reference.form;
      out["field"] = shared.reference.field;
      if (shared.reference.row >= 0) out["row"] = shared.reference.row;
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

PictureRecord pictureAt(const Json& value, const std::string& where) {
  objectAt(value, where);
  checkKeys(value, {"backColor", "foreColor", "ops"}, where);
  PictureRecord picture;
  if (const Json* back = optional(value, "backColor"))
    picture.backColor = colorAt(*back, of(where, "backColor"));
  if (const Json* fore = optional(value, "foreColor"))
    picture.foreColor = colorAt(*fore, of(where, "foreColor"));
  const Json& ops = arrayAt(required(value, "ops", where), of(where, "ops"));
  for (size_t i = 0; i < ops.size(); ++i)
    picture.ops.push_back(opAt(ops[i], where + "的第 " + std::to_string(i + 1) + " 个绘图操作"));
  return picture;
}

ControlRecord controlAt(const Json& value, const std::string& formWhere, size_t position) {
  std::string where = formWhere + "的第 " + std::to_string(position + 1) + " 个控件";
  objectAt(value, where);
  ControlRecord control;
  control.name = textAt(required(value, "name", where), of(where, "name"));
  if (control.name.empty()) fail(of(where, "name"), "是空的");
  if (const Json* index = optional(value, "index"))
    control.index = wholeAt(*index, of(where, "index"), 0, kLargestIndex);
  where = formWhere + "的控件“" + control.name +
          (control.index >= 0 ? "(" + std::to_string(control.index) + ")" : "") + "”";
  checkKeys(value,
            {"name", "index", "text", "caption", "toolTip", "items", "listIndex", "value",
             "visible", "enabled", "locked", "ownBackColor", "backColor", "foreColor", "geometry",
             "interval", "picture"},
            where);
  ControlState& s = control.state;
  auto property = [&](const char* key) { return of(where, key); };
  if (const Json* v = optional(value, "text")) s.text = textAt(*v, property("text"));
  if (const Json* v = optional(value, "caption")) s.caption = textAt(*v, property("caption"));
  if (const Json* v = optional(value, "toolTip")) s.toolTip = textAt(*v, property("toolTip"));
  if (const Json* v = optional(value, "items")) s.items = textsAt(*v, property("items"));
  if (const Json* v = optional(value, "listIndex"))
    s.listIndex =
        wholeAt(*v, property("listIndex"), -1, static_cast<long long>(s.items.size()) - 1);
  // 0 or 1, and 2 for a greyed check box
  if (const Json* v = optional(value, "value")) s.value = wholeAt(*v, property("value"), 0, 2);
  if (const Json* v = optional(value, "visible")) s.visible = flagAt(*v, property("visible"));
  if (const Json* v = optional(value, "enabled")) s.enabled = flagAt(*v, property("enabled"));
  if (const Json* v = optional(value, "locked")) s.locked = flagAt(*v, property("locked"));
  if (const Json* v = optional(value, "ownBackColor"))
    s.hasBackColor = flagAt(*v, property("ownBackColor"));
  if (const Json* v = optional(value, "backColor"))
    s.backColor = colorAt(*v, property("backColor"));
  if (const Json* v = optional(value, "foreColor"))
    s.foreColor = colorAt(*v, property("foreColor"));
  if (const Json* v = optional(value, "geometry")) {
    const std::string at = property("geometry");
    if (!v->is_array() || v->size() != 4) fail(at, "应为 [左, 上, 宽, 高]");
    s.geometry = {wholeAt((*v)[0], at, INT_MIN, INT_MAX), wholeAt((*v)[1], at, INT_MIN, INT_MAX),
                  wholeAt((*v)[2], at, INT_MIN, INT_MAX), wholeAt((*v)[3], at, INT_MIN, INT_MAX)};
  }
  if (const Json* v = optional(value, "interval"))
    s.interval = wholeAt(*v, property("interval"), 0, INT_MAX);
  if (const Json* v = optional(value, "picture"))
    control.picture = pictureAt(*v, property("picture"));
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

FormRecord formAt(const Json& value, size_t position) {
  std::string where = "第 " + std::to_string(position + 1) + " 个窗体";
  objectAt(value, where);
  FormRecord form;
  form.name = textAt(required(value, "name", where), of(where, "name"));
  where = "窗体“" + form.name + "”";
  checkKeys(value, {"name", "caption", "visible", "members", "controls"}, where);
  form.caption = textAt(required(value, "caption", where), of(where, "caption"));
  form.visible = flagAt(required(value, "visible", where), of(where, "visible"));
  if (const Json* members = optional(value, "members")) {
    objectAt(*members, of(where, "members"));
    for (const auto& entry : members->items())
      form.members.push_back(
          {entry.key(), memberAt(entry.value(), where + "的成员“" + entry.key() + "”")});
  }
  const Json& controls = arrayAt(required(value, "controls", where), of(where, "controls"));
  std::set<std::pair<std::string, int>> seen;
  for (size_t i = 0; i < controls.size(); ++i) {
    ControlRecord control = controlAt(controls[i], where, i);
    if (!seen.insert({control.name, control.index}).second)
      fail(where, "的控件“" + control.name + "”出现了两次");
    form.controls.push_back(std::move(control));
  }
  return form;
}

SharedRecord sharedAt(const std::string& name, const Json& value) {
  const std::string where = "共享值“" + name + "”";
  objectAt(value, where);
  checkKeys(value, {"number", "text", "form", "field", "row"}, where);
  SharedRecord shared;
  shared.name = name;
  if (const Json* number = optional(value, "number")) {
    if (value.size() != 1) fail(where, "只能是数、文本或引用之一");
    shared.kind = SharedValue::Kind::Number;
    shared.number = numberAt(*number, where);
  } else if (const Json* text = optional(value, "text")) {
    if (value.size() != 1) fail(where, "只能是数、文本或引用之一");
    shared.kind = SharedValue::Kind::Text;
    shared.text = textAt(*text, where);
  } else if (!value.empty()) {
    shared.kind = SharedValue::Kind::Reference;
    shared.reference.form = textAt(required(value, "form", where), of(where, "form"));
    shared.reference.field = textAt(required(value, "field", where), of(where, "field"));
    if (const Json* row = optional(value, "row"))
      shared.reference.row = wholeAt(*row, of(where, "row"), 0, kLargestIndex);
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

}  // namespace

// ---------------------------------------------------------------- format

namespace {
ProjectRecord parseRecord(std::string_view bytes) {
  if (bytes.empty()) throw ProjectFileError("文件是空的");
  const Json root = parseJson(bytes);
  const std::string top = "文件";
  if (!root.is_object() || !root.contains(kFormat) || root[kFormat] != kProjectFormatName)
    throw ProjectFileError("它不是 Corvane 设计文件");
  const Json& version = required(root, kVersion, top);
  if (!version.is_number_integer() || version.get<long long>() < 1)
    throw ProjectFileError("文件的格式版本无效");
  if (version.get<long long>() > kProjectFormatVersion)
    throw ProjectFileError("它由较新的程序写成（格式版本 " + version.dump() +
                           "），本程序只能读取版本 " + std::to_string(kProjectFormatVersion));
  checkKeys(root, {kFormat, kVersion, kForms, kActiveForm, kShared, kRecovery}, top);

  ProjectRecord record;
  const Json& forms = arrayAt(required(root, kForms, top), "文件的 forms ");
  std::set<std::string> names;
  for (size_t i = 0; i < forms.size(); ++i) {
    FormRecord form = formAt(forms[i], i);
    if (!names.insert(form.name).second)
      throw ProjectFileError("窗体“" + form.name + "”出现了两次");
    record.forms.push_back(std::move(form));
  }
  if (const Json* active = optional(root, kActiveForm)) {
    record.activeForm = textAt(*active, "文件的 activeForm ");
    if (!names.count(record.activeForm))
      throw ProjectFileError("活动窗体“" + record.activeForm + "”不在文件的窗体之中");
  }
  const Json& shared = objectAt(required(root, kShared, top), "文件的 shared ");
  for (const auto& entry : shared.items()) {
    if (entry.key() == kWireInsulation) {
      record.wireInsulation = numberAt(entry.value(), "共享值“wireInsulation”");
      continue;
    }
    if (!SharedValues{}.find(entry.key()))
      throw ProjectFileError("共享值“" + entry.key() + "”在本程序中不存在");
    record.shared.push_back(sharedAt(entry.key(), entry.value()));
  }
  if (const Json* recovery = optional(root, kRecovery)) {
    const std::string where = "文件的 recovery ";
    objectAt(*recovery, where);
    checkKeys(*recovery, {"file"}, where);
    record.recoveryCopy = true;
    record.recoveredFrom = textAt(required(*recovery, "file", where), of(where, "file"));
  }
  return record;
}
}  // namespace

Outcome<ProjectRecord> parseProjectFile(std::string_view bytes) {
  return outcomeOf<ProjectFileError>([&] { return parseRecord(bytes); });
}

namespace {
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
      out += line(Json{{"file", record.recoveredFrom}}) + ",\n";
    }
    key(kForms);
    out += "[";
    for (size_t f = 0; f < record.forms.size(); ++f) {
      const FormRecord& form = record.forms[f];
      std::string text = line(formHeadJson(form));
      text.pop_back();  // the closing brace: the controls follow
      out += (f ? ",\n" : "\n") + text + ",\n\"controls\": [";
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

Outcome<std::string> encodeProjectFile(const ProjectRecord& record) {
  return outcomeOf<ProjectFileError>([&] { return encodeRecord(record); });
}

}  // namespace corvane
