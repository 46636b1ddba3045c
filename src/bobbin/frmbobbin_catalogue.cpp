// The bobbin form's catalogue look-up: which catalogue file answers, the
// query for the search text in the selected type's table, and the record
// view that shows one of the rows found.
#include <array>
#include <utility>
#include <variant>

#include "bobbin/bobbin_types.h"
#include "bobbin/bobbinform_fields.h"
#include "bobbin/frmbobbin.h"
#include "core/coreform_fields.h"
#include "model/host.h"

namespace corvane {

namespace {

struct ColumnField {
  const char* field;
  std::string BobbinRecord::*column;
};

// record field, catalogue column it shows
constexpr std::array<ColumnField, 9> kColumnFields{{
    {bobbinform::Text7, &BobbinRecord::SUP},
    {bobbinform::Text5, &BobbinRecord::specification},
    {bobbinform::Text6, &BobbinRecord::partno},
    {bobbinform::Text1, &BobbinRecord::A},
    {bobbinform::Text2, &BobbinRecord::B},
    {bobbinform::TxtBbC1, &BobbinRecord::C1},
    {bobbinform::TxtBbC2, &BobbinRecord::C2},
    {bobbinform::Text4, &BobbinRecord::D},
    {bobbinform::Text3, &BobbinRecord::F},
}};

constexpr int kShippedItem = 0;
constexpr int kOtherItem = 1;

std::string inUseText(const BobbinCatalogue& catalogue) {
  return "骨架目录：" + catalogue.path();
}

std::string failureText(const std::string& path, const std::string& reason) {
  return "无法读取骨架目录“" + path + "”：" + reason;
}

// A text member of the form's saved state.
template <class Apply>
bool withText(const MemberValue& value, Apply apply) {
  const auto* text = std::get_if<std::string>(&value);
  return text && apply(*text);
}

}  // namespace

// Which catalogue answers, how the last query went and the rows it found,
// with the one shown: a reopened design moves through the same records.
void Frmbobbin::keepCatalogueState() {
  keep(
      "shippedCatalogue",
      [this] { return MemberValue(catalogue_ && catalogue_->path() == source_.defaultPath); },
      [this](const MemberValue& value) {
        const bool* shipped = std::get_if<bool>(&value);
        if (!shipped) return false;
        catalogue_.reset();
        reopenFailure_.clear();
        if (*shipped) reopenCatalogue(source_.defaultPath);
        return true;
      });
  keep(
      "userCatalogue",
      [this] {
        bool own = catalogue_ && catalogue_->path() != source_.defaultPath;
        return MemberValue(own ? catalogue_->path() : std::string());
      },
      [this](const MemberValue& value) {
        return withText(value, [this](const std::string& path) {
          // none: a file of the user's in use goes (the undo of its choice);
          // the shipped catalogue is the "shippedCatalogue" member's, set before
          if (path.empty()) {
            if (catalogue_ && catalogue_->path() != source_.defaultPath) catalogue_.reset();
            return true;
          }
          // a file that is gone leaves the form without a catalogue, as a
          // file that cannot be read does, and the status line says so
          reopenCatalogue(path);
          return true;
        });
      });
  keep("defaultTried", defaultTried_);
  keep("queryFailed", queryFailed_);
  keep("supplierIndex", supplierIndex_, kShippedItem, kOtherItem);
  keep(
      "table", [this] { return MemberValue(table_); },
      [this](const MemberValue& value) {
        return withText(value, [this](const std::string& table) {
          for (const bobbin::BobbinType& type : bobbin::kBobbinTypes)
            if (table == type.table) {
              table_ = table;
              return true;
            }
          return false;
        });
      });
  keep(
      "records",
      [this] {
        TextTable rows;
        for (const BobbinRecord& record : records_.records()) {
          std::vector<std::string> row;
          for (const ColumnField& column : kColumnFields) row.push_back(record.*column.column);
          rows.push_back(std::move(row));
        }
        return MemberValue(std::move(rows));
      },
      [this](const MemberValue& value) {
        const auto* rows = std::get_if<TextTable>(&value);
        if (!rows) return false;
        std::vector<BobbinRecord> records;
        for (const std::vector<std::string>& row : *rows) {
          if (row.size() != kColumnFields.size()) return false;
          BobbinRecord record;
          for (size_t i = 0; i < row.size(); ++i) record.*kColumnFields[i].column = row[i];
          records.push_back(std::move(record));
        }
        // the position that follows is checked against these rows
        records_.setRecords(std::move(records));
        return true;
      });
  keep(
      "recordPosition", [this] { return MemberValue(records_.position()); },
      [this](const MemberValue& value) {
        const int* position = std::get_if<int>(&value);
        if (!position) return false;
        std::vector<BobbinRecord> rows = records_.records();
        return records_.restore(std::move(rows), *position);
      });
}

// The shipped catalogue is opened at the first look-up, so it answers from
// the start; a file that cannot be read is reported once and not retried
// until the supplier is chosen again.
bool Frmbobbin::ensureCatalogue() {
  if (catalogue_) return true;
  if (defaultTried_) return false;
  defaultTried_ = true;
  return openCatalogue(source_.defaultPath);
}

bool Frmbobbin::openCatalogue(const std::string& path) {
  Outcome<std::unique_ptr<BobbinCatalogue>> opened =
      source_.open ? source_.open(path) : Failure{"没有可用的骨架目录"};
  Control& status = control(bobbinform::LblStatus);
  if (!opened) {
    std::string text = failureText(path, opened.reason());
    if (catalogue_) text += "；仍使用 " + catalogue_->path();
    status.setCaption(text);
    return false;
  }
  catalogue_ = std::move(opened.value());
  queryFailed_ = false;
  status.setCaption(inUseText(*catalogue_));
  return true;
}

void Frmbobbin::reopenCatalogue(const std::string& path) {
  if (!openCatalogue(path)) reopenFailure_ = control(bobbinform::LblStatus).caption();
}

// The saved status line named the catalogue in use when the design was
// saved; the design is kept as saved, but the line tells what is in use now.
void Frmbobbin::restored() {
  if (reopenFailure_.empty()) return;
  control(bobbinform::LblStatus).setCaption(std::exchange(reopenFailure_, {}));
}

bool Frmbobbin::openUserCatalogue(const std::string& path) {
  if (!openCatalogue(path)) return false;
  defaultTried_ = true;  // the user's file stays in use until another choice
  selectSupplierQuietly(kOtherItem);
  lookUp(control(bobbinform::Text8).text());
  return true;
}

// Designations that start with the search text ('*' standing for any run of
// characters) in the selected type's table; the first one is shown.
void Frmbobbin::lookUp(const std::string& searchText) {
  std::vector<BobbinRecord> found;
  if (ensureCatalogue()) {
    Outcome<std::vector<BobbinRecord>> rows = catalogue_->find(table_, searchText);
    if (!rows) {
      control(bobbinform::LblStatus).setCaption(failureText(catalogue_->path(), rows.reason()));
      queryFailed_ = true;
    } else {
      found = std::move(rows.value());
      if (queryFailed_) {
        control(bobbinform::LblStatus).setCaption(inUseText(*catalogue_));
        queryFailed_ = false;
      }
    }
  }
  records_.setRecords(std::move(found));
  showRecord();
}

void Frmbobbin::showRecord() {
  static const BobbinRecord kNothing;
  const BobbinRecord* current = records_.current();
  const BobbinRecord& shown = current ? *current : kNothing;
  for (const ColumnField& column : kColumnFields)
    control(column.field).setText(shown.*column.column);
  control(bobbinform::Data1Pos).setCaption(records_.positionText());
}

void Frmbobbin::move(bool (bobbin::RecordView::*step)()) {
  if ((records_.*step)()) showRecord();
}

void Frmbobbin::supplierChosen() {
  if (revertingSupplier_) return;
  if (control(bobbinform::Combo1).listIndex() == kOtherItem) {
    std::optional<std::string> path = host().chooseOpenFile(kCatalogueFilter);
    if (!path || !openUserCatalogue(*path)) selectSupplierQuietly(supplierIndex_);
    return;
  }
  // the shipped catalogue, looked up for the one-slot bobbin of the core in use
  defaultTried_ = true;
  if (openCatalogue(source_.defaultPath) || !catalogue_)
    supplierIndex_ = kShippedItem;
  else
    selectSupplierQuietly(supplierIndex_);  // the user's catalogue stays in use
  control(bobbinform::OPTG).setValue(1);
  Control& coreName = control(bobbinform::txtbname);
  coreName.setText(core(coreform::txtcname).text());
  lookUp(coreName.text());
}

// Shows which catalogue answers without running the supplier choice again.
void Frmbobbin::selectSupplierQuietly(int index) {
  supplierIndex_ = index;
  revertingSupplier_ = true;
  control(bobbinform::Combo1).setListIndex(index);
  revertingSupplier_ = false;
}

}  // namespace corvane
