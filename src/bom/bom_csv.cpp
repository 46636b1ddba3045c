#include "bom/bom_csv.h"

#include "bom/bom_items.h"
#include "bom/bomform_fields.h"
#include "bom/frmbomlist.h"
#include "model/value.h"

namespace corvane {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// What a quantity and a unit price are counted in where the field's text
// carries no unit of its own.
struct Units {
  const char* quantity;
  const char* price;
};
constexpr Units kByWeight{"g", "元/kg"};
constexpr Units kByPiece{"PCS", "元/PCS"};
constexpr Units kBySet{"set", "元/set"};
constexpr Units kLeadLength{"mm", "元/m"};
constexpr Units kTapeLength{"mm", "元/mm"};

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// The number a field's text begins with, as the form shows it; empty where the
// text holds none, so a spreadsheet never sums a made-up 0.
std::string numberOf(std::string_view text) {
  return std::string(splitLeadingNumber(text).number);
}

class CsvRows {
 public:
  explicit CsvRows(const FrmBomList& form) : form_(form) {
    rows_.push_back({"分组", "规格描述", "用量", "单位", "单价", "单价单位", "成本（元）"});
  }

  std::string text(const char* name, int row = -1) const { return form_.control(name, row).text(); }
  bool ticked(const char* check) const { return form_.control(check).value() == 1; }

  // The quantity's own unit ("495.4g", "4Pcs") wins over the item's usual one.
  void item(const std::string& group, const std::string& description, const std::string& quantity,
            const std::string& price, const std::string& cost, Units units) {
    const NumberAndRest amount = splitLeadingNumber(quantity);
    std::string_view unit = trimmed(amount.rest);
    if (amount.number.empty() || unit.empty()) unit = units.quantity;
    rows_.push_back({group, description, std::string(amount.number), std::string(unit),
                     numberOf(price), units.price, numberOf(cost)});
  }
  void item(const std::string& group, const bom::PricedItem& priced, const std::string& description,
            Units units) {
    item(group, description, text(priced.quantity), text(priced.price), text(priced.cost), units);
  }
  void item(const std::string& group, const bom::PricedItem& priced, Units units) {
    item(group, priced, text(priced.description), units);
  }
  void value(const std::string& label, const std::string& value) {
    rows_.push_back({label, "", "", "", "", "", numberOf(value)});
  }

  std::vector<std::vector<std::string>> take() { return std::move(rows_); }

 private:
  const FrmBomList& form_;
  std::vector<std::vector<std::string>> rows_;
};

}  // namespace

std::string csvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  quoted += '"';
  return quoted;
}

// The items in the order of the production list.
std::vector<std::vector<std::string>> bomCsvRows(const FrmBomList& form) {
  CsvRows csv(form);
  auto t = [&csv](const char* name, int row = -1) { return csv.text(name, row); };
  csv.item("铁芯", t(bomform::txtcname) + " " + t(bomform::txtcoremt), t(bomform::txtwe),
           t(bomform::TxtCorePrice), t(bomform::TxtCoreCost), kByWeight);
  csv.item("骨架", bom::kBobbin, kByPiece);
  for (int i = 0; i <= form.highestRow(); ++i)
    csv.item("引线", t(bomform::TxtLeadWire, i) + " " + t(bomform::TxtLeadSize, i),
             t(bomform::TxtLeadLeng, i), t(bomform::TxtLeadPrice, i), t(bomform::TxtLeadCost, i),
             kLeadLength);
  for (int i = 0; i <= form.highestRow(); ++i)
    csv.item("漆包线", t(bomform::TxtWireType, i) + " " + t(bomform::TXTWIRE, i),
             t(bomform::TXTCUWEIGH, i), t(bomform::TxtWirePrice, i), t(bomform::TxtWireCost, i),
             kByWeight);
  csv.item("绝缘胶带", t(bomform::TxtTapeW) + "mm", t(bomform::TxtTapeLeng),
           t(bomform::TxtTapePrice), t(bomform::TxtTapeCost), kTapeLength);
  if (form.control(bomform::Option1).value() == 1)
    csv.item(bom::kBracket.caption, bom::kBracket, kByPiece);
  if (form.control(bomform::Option2).value() == 1) {
    csv.item(bom::kBase.caption, bom::kBase, kByPiece);
    for (const bom::PricedItem& part : bom::kStandParts)
      if (csv.ticked(part.check))
        csv.item(bom::kBase.caption, part, std::string(part.caption) + " " + t(part.description),
                 kByPiece);
  }
  for (const bom::PricedItem& paper : bom::kFishPapers) csv.item(paper.caption, paper, kByPiece);
  for (const bom::PricedItem& item : bom::kConnectors)
    if (csv.ticked(item.check))
      csv.item("接插件", item, std::string(item.caption) + " " + t(item.description), kBySet);
  for (const bom::Shield& shield : bom::kShields)
    if (csv.ticked(shield.check))
      csv.item(shield.caption, t(shield.length) + "×" + t(shield.width) + "×" + t(shield.thickness),
               t(shield.weight), t(shield.price), t(shield.cost), kByWeight);
  csv.item("绝缘漆", t(bomform::TxtVarnish), t(bomform::TxtVarnishQ), t(bomform::TxtVarnishPrice),
           t(bomform::TxtVarnishCost), kByWeight);

  csv.value("制作工时（秒/PCS）", t(bomform::TxtTime));
  csv.value("人工费", t(bomform::TxtGsF));
  csv.value("其它费用", t(bomform::TxtOtherCost));
  csv.value("毛利率（%）", t(bomform::TxtMll));
  csv.value("税率（%）", t(bomform::Txtsll));
  csv.value("成本价", t(bomform::TxtMtCost));
  csv.value("税前价", t(bomform::TxtCost));
  csv.value("含税价", t(bomform::TxtSelsCost));
  return csv.take();
}

std::string bomCsv(const FrmBomList& form) {
  std::string out(kByteOrderMark);
  for (const std::vector<std::string>& row : bomCsvRows(form)) {
    for (size_t i = 0; i < row.size(); ++i) {
      if (i > 0) out += ',';
      out += csvField(row[i]);
    }
    out += "\r\n";
  }
  return out;
}

}  // namespace corvane
