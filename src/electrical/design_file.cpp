#include "electrical/design_file.h"

#include <algorithm>
#include <cmath>

#include "electrical/electrical_tables.h"
#include "electrical/eledata_fields.h"
#include "electrical/frmeledata.h"
#include "electrical/text_encoding.h"
#include "model/file_access.h"
#include "model/host.h"
#include "model/value.h"
#include "model/workspace.h"

namespace corvane {

namespace {

// What is wrong with a file or a design, in words for the user; handed to
// callers as an Outcome's reason.
class DesignFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A field of the form (a group's: its control array) and the record member
// its text line is read into.
template <class Record>
struct TextField {
  const char* name;
  std::string Record::*member;
};
using GroupTextField = TextField<OutputGroupRecord>;
using InputTextField = TextField<InputRecord>;

// the ten text lines of a group, in file order; the connection line follows
constexpr GroupTextField kGroupTexts[] = {
    {eledata::TXTWN, &OutputGroupRecord::label},
    {eledata::txtudc, &OutputGroupRecord::outputVoltage},
    {eledata::txtidc, &OutputGroupRecord::outputCurrent},
    {eledata::CMBZL, &OutputGroupRecord::circuit},
    {eledata::cmbdio, &OutputGroupRecord::diode},
    {eledata::txtsuac, &OutputGroupRecord::acVoltage},
    {eledata::txtsiac, &OutputGroupRecord::acCurrent},
    {eledata::txtspo, &OutputGroupRecord::power},
    {eledata::TXTCP, &OutputGroupRecord::capacitor},
    {eledata::TXTUNLOAD, &OutputGroupRecord::noLoadVoltage},
};

// the seven text lines after the input-arrangement line, in file order
constexpr InputTextField kInputTexts[] = {
    {eledata::TXTUIN1, &InputRecord::inputVoltage1},
    {eledata::TXTUIN2, &InputRecord::inputVoltage2},
    {eledata::TXTIIN, &InputRecord::inputCurrent},
    {eledata::TXTTEMP20, &InputRecord::ambient},
    {eledata::TXTTEMPD, &InputRecord::allowedRise},
    {eledata::TXTLUD, &InputRecord::regulation},
    {eledata::txtpo, &InputRecord::totalPower},
};

constexpr int kLinesPerGroup = 11;
constexpr int kInputLines = 8;
constexpr size_t kLargestDesignFile = 1 << 20;  // bytes; a design file is a few hundred
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string lineText(int line) {
  return "第 " + std::to_string(line) + " 行";
}

// ---------------------------------------------------------------- reading

std::string decodeText(std::string_view bytes) {
  if (bytes.find('\0') != std::string_view::npos)
    throw DesignFileError("它不是文本文件（含有空字符）");
  if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
    bytes.remove_prefix(kUtf8Bom.size());
    if (!isValidUtf8(bytes)) throw DesignFileError("它不是文本文件（UTF-8 编码有误）");
    return std::string(bytes);
  }
  std::optional<std::string> text = gbkToUtf8(bytes);
  if (!text) throw DesignFileError("它不是文本文件（含有 GBK 编码中不存在的字节）");
  return *text;
}

// Lines ended by CR LF or LF; the end of the last line needs no line end.
std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

int parseGroupCount(const std::string& line) {
  // a blank counter reads 0, as the form's empty txtzb does
  if (line.find_first_not_of(" \t") == std::string::npos) return 0;
  if (!isWholeNumber(line) || Val(line) != std::trunc(Val(line)))
    throw DesignFileError(lineText(1) + "的组别数“" + line + "”不是整数");
  double highest = Val(line);
  if (highest < 0) throw DesignFileError(lineText(1) + "的组别数“" + line + "”无效");
  if (highest > Frmeledata::kHighestGroup)
    throw DesignFileError("文件含有 " + generalFormat(highest + 1) + " 组输出，最多只能有 " +
                          std::to_string(Frmeledata::kHighestGroup + 1) + " 组");
  return static_cast<int>(highest);
}

int parseFlag(const std::string& line, int lineNumber, const char* what) {
  if (isWholeNumber(line)) {
    double value = Val(line);
    if (value == 0 || value == 1) return static_cast<int>(value);
  }
  throw DesignFileError(lineText(lineNumber) + "的" + what + "“" + line + "”应为 0 或 1");
}

template <class Table>
void requireListItem(const Table& table, const std::string& text, int lineNumber,
                     const char* what) {
  bool known =
      std::any_of(table.begin(), table.end(), [&](const auto& row) { return row.name == text; });
  if (!known)
    throw DesignFileError(lineText(lineNumber) + "的" + what + "“" + text + "”不是列表中的选项");
}

class LineReader {
 public:
  explicit LineReader(std::vector<std::string> lines) : lines_(std::move(lines)) {}
  const std::string& next() { return lines_.at(position_++); }
  int lineNumber() const { return static_cast<int>(position_); }  // of the line last read
  size_t count() const { return lines_.size(); }

 private:
  std::vector<std::string> lines_;
  size_t position_ = 0;
};

// ---------------------------------------------------------------- files

void showProblem(Frmeledata& form, const std::string& text) {
  form.host().showMessage(text, MessageIcon::Warning, form.caption());
}

}  // namespace

// ---------------------------------------------------------------- format

namespace {
DesignRecordFile parseRecord(std::string_view bytes) {
  LineReader lines(splitLines(decodeText(bytes)));
  if (lines.count() == 0) throw DesignFileError("文件是空的");
  const int highest = parseGroupCount(lines.next());
  const size_t expected = 1 + kLinesPerGroup * (highest + 1) + kInputLines;
  if (lines.count() < expected)
    throw DesignFileError("文件不完整：" + std::to_string(highest + 1) + " 组输出应有 " +
                          std::to_string(expected) + " 行，只有 " + std::to_string(lines.count()) +
                          " 行");

  DesignRecordFile design;
  for (int i = 0; i <= highest; ++i) {
    OutputGroupRecord group;
    for (const GroupTextField& field : kGroupTexts) group.*field.member = lines.next();
    int first = lines.lineNumber() - static_cast<int>(std::size(kGroupTexts)) + 1;
    requireListItem(electrical::kRectifierCircuits, group.circuit, first + 3, "整流电路");
    requireListItem(electrical::kRectifierDiodes, group.diode, first + 4, "二极管类型");
    group.connection = parseFlag(lines.next(), lines.lineNumber(), "连接方式");
    design.groups.push_back(std::move(group));
  }
  design.input.arrangement = parseFlag(lines.next(), lines.lineNumber(), "输入方式");
  for (const InputTextField& field : kInputTexts) design.input.*field.member = lines.next();
  return design;
}
}  // namespace

Outcome<DesignRecordFile> parseDesignFile(std::string_view bytes) {
  return outcomeOf<DesignFileError>([&] { return parseRecord(bytes); });
}

namespace {
std::string encodeRecord(const DesignRecordFile& design) {
  std::string out;
  auto put = [&out](const std::string& address, const std::string& text) {
    if (text.find_first_of("\r\n") != std::string::npos)
      throw DesignFileError("字段 " + address + " 的内容含有换行");
    std::optional<std::string> encoded = utf8ToGbk(text);
    if (!encoded)
      throw DesignFileError("字段 " + address + " 的内容“" + text + "”含有 GBK 编码无法表示的字符");
    out += *encoded;
    out += "\r\n";
  };
  // check-box states in the number style of the design's print: blank, digit, blank
  auto putFlag = [&out](int value) { out += " " + std::to_string(value) + " \r\n"; };

  put(eledata::txtzb, generalFormat(static_cast<double>(design.groups.size()) - 1));
  for (size_t i = 0; i < design.groups.size(); ++i) {
    const OutputGroupRecord& group = design.groups[i];
    for (const GroupTextField& field : kGroupTexts)
      put(std::string(field.name) + "(" + std::to_string(i) + ")", group.*field.member);
    putFlag(group.connection);
  }
  putFlag(design.input.arrangement);
  for (const InputTextField& field : kInputTexts) put(field.name, design.input.*field.member);
  return out;
}
}  // namespace

Outcome<std::string> encodeDesignFile(const DesignRecordFile& design) {
  return outcomeOf<DesignFileError>([&] { return encodeRecord(design); });
}

// ---------------------------------------------------------------- form

DesignRecordFile captureDesign(const Frmeledata& form) {
  DesignRecordFile design;
  const int highest = form.highestGroup();
  for (int i = 0; i <= highest && form.array(eledata::txtudc).has(i); ++i) {
    OutputGroupRecord group;
    for (const GroupTextField& field : kGroupTexts)
      group.*field.member = form.cell(field.name, i).text();
    group.connection = form.cell(eledata::ChKSHC, i).value() == 1 ? 1 : 0;
    design.groups.push_back(std::move(group));
  }
  design.input.arrangement = form.control(eledata::Chkp).value() == 1 ? 1 : 0;
  for (const InputTextField& field : kInputTexts)
    design.input.*field.member = form.control(field.name).text();
  return design;
}

void applyDesign(Frmeledata& form, const DesignRecordFile& design) {
  Workspace& workspace = form.workspace();
  const int highest = static_cast<int>(design.groups.size()) - 1;
  workspace.runEvent([&] { form.removeExtraRows(); });
  workspace.runEvent([&] { form.control(eledata::txtzb).setText(generalFormat(highest)); });
  for (int i = 1; i <= highest; ++i) workspace.runEvent([&] { form.addRowBelow(i); });

  // each write is an event of its own: its reactions run now, in file order,
  // and an arithmetic stop in one of them does not end the load
  for (int i = 0; i <= highest; ++i) {
    const OutputGroupRecord& group = design.groups[i];
    for (const GroupTextField& field : kGroupTexts)
      workspace.runEvent([&] { form.cell(field.name, i).setText(group.*field.member); });
    workspace.runEvent([&] { form.cell(eledata::ChKSHC, i).setValue(group.connection); });
  }
  workspace.runEvent([&] { form.control(eledata::Chkp).setValue(design.input.arrangement); });
  for (const InputTextField& field : kInputTexts)
    workspace.runEvent([&] { form.control(field.name).setText(design.input.*field.member); });

  form.keepCurrentRowInDesign();
  form.showInputsAsArranged();
  if (highest > 0) form.control(eledata::CMDWNDEL).setEnabled(true);
}

bool openDesignFile(Frmeledata& form, const std::string& path) {
  Outcome<std::string> bytes = files::readWhole(path, kLargestDesignFile, "文件太大，不是设计文件");
  Outcome<DesignRecordFile> design =
      bytes ? parseDesignFile(bytes.value()) : Failure{bytes.reason()};
  if (!design) {
    showProblem(form, "无法打开设计文件“" + path + "”：" + design.reason() + "。");
    return false;
  }
  applyDesign(form, design.value());
  return true;
}

bool saveDesignFile(Frmeledata& form, const std::string& path) {
  Outcome<std::string> bytes = encodeDesignFile(captureDesign(form));
  Outcome<> written = bytes ? files::writeReplacing(path, bytes.value()) : Failure{bytes.reason()};
  if (!written) {
    showProblem(form, "无法保存设计文件“" + path + "”：" + written.reason() + "。");
    return false;
  }
  form.host().showMessage("保存操作成功！", MessageIcon::Information, form.caption());
  return true;
}

void openDesign(Frmeledata& form) {
  std::optional<std::string> path = form.host().chooseOpenFile(kDesignFileFilter);
  if (!path || path->empty()) return;
  openDesignFile(form, *path);
}

void saveDesign(Frmeledata& form) {
  std::optional<std::string> path = form.host().chooseSaveFile(kDesignFileFilter);
  if (!path || path->empty()) return;
  saveDesignFile(form, *path);
}

}  // namespace corvane
