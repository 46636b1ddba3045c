#include "bom/production_list.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "bom/bom_items.h"
#include "bom/bomform_fields.h"
#include "bom/frmbomlist.h"
#include "model/print_surface.h"
#include "model/report_type.h"

namespace corvane {

namespace {

constexpr double kLeft = 20;
constexpr double kRuleLeft = 15, kRuleRight = 195;  // 15 mm margins
constexpr int kValueGap = 4;                        // blanks between a label and its value
constexpr Rgb kTitleRule = colors::kRed;
constexpr Rgb kGroupRule = colors::kBlue;

// The columns of an item line (mm): description, quantity, unit price, cost.
constexpr double kColumnX[] = {kLeft, 100, 130, 162};
using Cells = std::array<std::string, std::size(kColumnX)>;

// The column headers of a group, each with its unit.
struct Headers {
  const char* description;
  const char* quantity;
  const char* price;
};
constexpr const char* kCostHeader = "成本(元)";
constexpr Headers kCoreHeaders{"铁芯规格  片材", "重量(g)", "单价(元/kg)"};
constexpr Headers kPieceHeaders{"规格描述", "用量(PCS)", "单价(元/PCS)"};
constexpr Headers kSetHeaders{"规格描述", "用量(set)", "单价(元/set)"};
constexpr Headers kLeadHeaders{"引线型号  规格", "长度(mm)", "单价(元/m)"};
constexpr Headers kWireHeaders{"线型  线径(mm)", "用量(g)", "单价(元/kg)"};
constexpr Headers kTapeHeaders{"胶带宽度(mm)", "长度(mm)", "单价(元/mm)"};
constexpr Headers kShieldHeaders{"长×宽×厚(mm)", "重量(g)", "单价(元/kg)"};
constexpr Headers kVarnishHeaders{"型号", "用量(g)", "单价(元/kg)"};

// Writes the list line by line and starts a new page, under the title, when
// the next text line would run past the page's bottom; a group that goes on
// on the new page repeats its column headers.
class ListWriter {
 public:
  explicit ListWriter(PrintSurface& page) : page_(page) {}

  void title() {
    report::setTitleType(page_);
    page_.setCurrentX(90);
    page_.setCurrentY(15);
    page_.print({"材料清单及成本核算"});
    rule(kTitleRule);
    page_.setFontSize(report::kDenseBodySize);
    page_.print({});
  }

  void line(const std::vector<PrintItem>& items) {
    if (breakPending_ || !fits()) newPage();
    page_.setCurrentX(kLeft);
    page_.print(items);
  }

  // A group's column headers; they come back at the top of a new page until
  // the group ends.
  void headers(const Cells& cells) {
    if (breakPending_ || !fits()) newPage();
    headers_ = cells;
    cellsLine(cells);
  }
  // A group's title, headers and first item stay on one page.
  void keepTogether(int lines) {
    if (!breakPending_ && !fits(lines)) breakPending_ = true;
  }
  void endGroup() { headers_.reset(); }

  void cells(const Cells& cells) {
    if (breakPending_ || !fits()) {
      newPage();
      if (headers_) cellsLine(*headers_);
    }
    cellsLine(cells);
  }

  // An empty line that does not fit moves the next text to a new page
  // instead of starting one of its own.
  void emptyLine() {
    if (breakPending_) return;
    if (!fits()) {
      breakPending_ = true;
      return;
    }
    page_.print({});
  }

  void rule(Rgb color) {
    double y = page_.currentY();
    page_.line(kRuleLeft, y, kRuleRight, y, color);
  }

 private:
  bool fits(int lines = 1) const {
    return page_.currentY() + lines * page_.lineHeight() <= kProductionListBottom;
  }
  void newPage() {
    breakPending_ = false;
    page_.newPage();
    title();
  }
  void cellsLine(const Cells& cells) {
    const double y = page_.currentY();
    for (size_t c = 0; c < cells.size(); ++c) page_.printCell(kColumnX[c], y, cells[c]);
    page_.setCurrentX(0);
    page_.setCurrentY(y + page_.lineHeight());
  }

  PrintSurface& page_;
  bool breakPending_ = false;
  std::optional<Cells> headers_;
};

// Two texts of one cell ("2UEW 0.25"), without a stray blank when one is empty.
std::string joined(const std::string& first, const std::string& second) {
  if (first.empty() || second.empty()) return first + second;
  return first + "  " + second;
}

class ListPrinter {
 public:
  ListPrinter(const FrmBomList& form, PrintSurface& page) : form_(form), page_(page), out_(page) {}

  void print() {
    page_.scale(0, 0, 210, 290);
    out_.title();
    group("铁芯", kCoreHeaders,
          {{joined(text(bomform::txtcname), text(bomform::txtcoremt)), text(bomform::txtwe),
            text(bomform::TxtCorePrice), text(bomform::TxtCoreCost)}});
    group("骨架", kPieceHeaders, {priced(bom::kBobbin)});
    group("引线", kLeadHeaders, rows(bom::kLeadArrays));
    group("漆包线", kWireHeaders, rows(bom::kWireArrays));
    group("绝缘胶带", kTapeHeaders,
          {{text(bomform::TxtTapeW), text(bomform::TxtTapeLeng), text(bomform::TxtTapePrice),
            text(bomform::TxtTapeCost)}});
    brackets();
    std::vector<Cells> papers;
    for (const bom::PricedItem& paper : bom::kFishPapers) papers.push_back(priced(paper));
    group("快巴纸", kPieceHeaders, papers);
    std::vector<Cells> connectors;
    for (const bom::PricedItem& item : bom::kConnectors)
      if (ticked(item.check)) connectors.push_back(priced(item));
    group("接插件", kSetHeaders, connectors);
    for (const bom::Shield& shield : bom::kShields)
      if (ticked(shield.check))
        group(shield.caption, kShieldHeaders,
              {{text(shield.length) + "×" + text(shield.width) + "×" + text(shield.thickness),
                text(shield.weight), text(shield.price), text(shield.cost)}});
    group("绝缘漆", kVarnishHeaders,
          {{text(bomform::TxtVarnish), text(bomform::TxtVarnishQ), text(bomform::TxtVarnishPrice),
            text(bomform::TxtVarnishCost)}});
    summary();
    page_.endDoc();
  }

 private:
  std::string text(const char* name, int row = -1) const { return form_.control(name, row).text(); }
  // a value carries its unit; a value not worked out stays blank
  std::string with(const std::string& value, const char* unit) const {
    return value.empty() ? value : value + unit;
  }
  std::string cost(const char* name, int row = -1) const { return with(text(name, row), "元"); }
  bool ticked(const char* check) const { return form_.control(check).value() == 1; }

  Cells priced(const bom::PricedItem& item, const std::string& description) const {
    return {description, text(item.quantity), text(item.price), text(item.cost)};
  }
  Cells priced(const bom::PricedItem& item) const { return priced(item, text(item.description)); }

  // one line per winding: type and size, quantity, price, cost
  std::vector<Cells> rows(const char* const* arrays) const {
    std::vector<Cells> lines;
    for (int i = 0; i <= form_.highestRow(); ++i)
      lines.push_back({joined(text(arrays[0], i), text(arrays[1], i)), text(arrays[2], i),
                       text(arrays[3], i), text(arrays[4], i)});
    return lines;
  }

  // A group without items (no connector ticked) is left out whole.
  void group(const std::string& title, const Headers& headers, const std::vector<Cells>& lines) {
    if (lines.empty()) return;
    out_.keepTogether(3);
    out_.line({title});
    out_.headers({headers.description, headers.quantity, headers.price, kCostHeader});
    for (const Cells& line : lines) out_.cells(line);
    out_.endGroup();
    out_.rule(kGroupRule);
    out_.emptyLine();
  }

  void brackets() {
    if (form_.control(bomform::Option1).value() == 1)
      group(bom::kBracket.caption, kPieceHeaders, {priced(bom::kBracket)});
    if (form_.control(bomform::Option2).value() != 1) return;
    std::vector<Cells> lines{priced(bom::kBase)};
    for (const bom::PricedItem& part : bom::kStandParts)
      if (ticked(part.check))
        lines.push_back(priced(part, joined(part.caption, text(part.description))));
    group(bom::kBase.caption, kPieceHeaders, lines);
  }

  void summary() {
    const std::pair<const char*, std::string> lines[] = {
        {"制作工时", with(text(bomform::TxtTime), "秒/PCS")},
        {"人工费", cost(bomform::TxtGsF)},
        {"其它费用", cost(bomform::TxtOtherCost)},
        {"毛利率", with(text(bomform::TxtMll), "%")},
        {"税率", with(text(bomform::Txtsll), "%")},
        {"成本价", cost(bomform::TxtMtCost)},
        {"税前价", cost(bomform::TxtCost)},
        {"含税价", cost(bomform::TxtSelsCost)},
    };
    for (const auto& [label, value] : lines) {
      out_.line({label, PrintItem::gap(kValueGap), value});
      out_.emptyLine();
    }
  }

  const FrmBomList& form_;
  PrintSurface& page_;
  ListWriter out_;
};

}  // namespace

void printProductionListOn(const FrmBomList& form, PrintSurface& page) {
  ListPrinter(form, page).print();
}

}  // namespace corvane
