#include "bom/production_list.h"

#include <string>
#include <vector>

#include "bom/bom_items.h"
#include "bom/bomform_fields.h"
#include "bom/frmbomlist.h"
#include "model/print_surface.h"

namespace corvane {

namespace {

constexpr const char* kFont = "黑体";
constexpr double kTitleSize = 14;
constexpr double kLineSize = 10;
constexpr double kLeft = 20;
constexpr int kItemGap = 2;   // blanks between the items of a line
constexpr int kValueGap = 4;  // blanks between a label and its value
constexpr Rgb kTitleRule = colors::kRed;
constexpr Rgb kGroupRule = colors::kBlue;

// Writes the list line by line and starts a new page, under the title, when
// the next text line would run past the page's bottom.
class ListWriter {
 public:
  explicit ListWriter(PrintSurface& page) : page_(page) {}

  void title() {
    page_.setFontName(kFont);
    page_.setFontSize(kTitleSize);
    page_.setCurrentX(90);
    page_.setCurrentY(15);
    page_.print({"材料清单及成本核算"});
    rule(kTitleRule);
    page_.setFontSize(kLineSize);
    page_.print({});
  }

  void line(const std::vector<PrintItem>& items) {
    if (breakPending_ || !fits()) newPage();
    page_.setCurrentX(kLeft);
    page_.print(items);
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
    page_.line(5, y, 205, y, color);
  }

 private:
  bool fits() const { return page_.currentY() + page_.lineHeight() <= kProductionListBottom; }
  void newPage() {
    breakPending_ = false;
    page_.newPage();
    title();
  }

  PrintSurface& page_;
  bool breakPending_ = false;
};

std::vector<PrintItem> separated(const std::vector<std::string>& texts) {
  std::vector<PrintItem> items;
  for (size_t i = 0; i < texts.size(); ++i) {
    if (i > 0) items.push_back(PrintItem::gap(kItemGap));
    items.emplace_back(texts[i]);
  }
  return items;
}

class ListPrinter {
 public:
  ListPrinter(const FrmBomList& form, PrintSurface& page) : form_(form), page_(page), out_(page) {}

  void print() {
    page_.scale(0, 0, 210, 290);
    out_.title();
    group("铁芯", {{text(bomform::txtcname), text(bomform::txtcoremt), text(bomform::txtwe),
                    cost(bomform::TxtCoreCost)}});
    group("骨架", {priced(bom::kBobbin)});
    group("引线", rows(bom::kLeadArrays, "mm"));
    group("漆包线", rows(bom::kWireArrays, ""));
    group("绝缘胶带", {{text(bomform::TxtTapeW), text(bomform::TxtTapeLeng),
                        text(bomform::TxtTapePrice), cost(bomform::TxtTapeCost)}});
    brackets();
    std::vector<std::vector<std::string>> papers;
    for (const bom::PricedItem& paper : bom::kFishPapers)
      papers.push_back(
          {text(paper.description), with(text(paper.quantity), "PCS"), cost(paper.cost)});
    group("快巴纸", papers);
    std::vector<std::vector<std::string>> connectors;
    for (const bom::PricedItem& item : bom::kConnectors)
      if (ticked(item.check))
        connectors.push_back({text(item.description), with(text(item.quantity), "set"),
                              text(item.price), cost(item.cost)});
    group("接插件", connectors);
    for (const bom::Shield& shield : bom::kShields)
      if (ticked(shield.check))
        group(shield.caption,
              {{text(shield.length) + "×" + text(shield.width) + "×" + text(shield.thickness),
                with(text(shield.weight), "g"), cost(shield.cost)}});
    group("绝缘漆", {{text(bomform::TxtVarnish), text(bomform::TxtVarnishQ),
                      text(bomform::TxtVarnishPrice), cost(bomform::TxtVarnishCost)}});
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

  std::vector<std::string> priced(const bom::PricedItem& item) const {
    return {text(item.description), text(item.quantity), text(item.price), cost(item.cost)};
  }

  // one line per winding: type, size, quantity (with its unit), price, cost
  std::vector<std::vector<std::string>> rows(const char* const* arrays,
                                             const char* quantityUnit) const {
    std::vector<std::vector<std::string>> lines;
    for (int i = 0; i <= form_.highestRow(); ++i)
      lines.push_back({text(arrays[0], i), text(arrays[1], i),
                       with(text(arrays[2], i), quantityUnit), text(arrays[3], i),
                       cost(arrays[4], i)});
    return lines;
  }

  void group(const std::string& title, const std::vector<std::vector<std::string>>& lines) {
    out_.line({title});
    for (const auto& line : lines) out_.line(separated(line));
    out_.rule(kGroupRule);
    out_.emptyLine();
  }

  void brackets() {
    if (form_.control(bomform::Option1).value() == 1)
      group(bom::kBracket.caption, {priced(bom::kBracket)});
    if (form_.control(bomform::Option2).value() != 1) return;
    std::vector<std::vector<std::string>> lines{priced(bom::kBase)};
    for (const bom::PricedItem& part : bom::kStandParts)
      if (ticked(part.check))
        lines.push_back(
            {part.caption, text(part.description), text(part.quantity), cost(part.cost)});
    group(bom::kBase.caption, lines);
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
