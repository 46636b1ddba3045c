// The bobbin form: for the core chosen on the core form it proposes the slot
// widths and depth and the base of the bobbin (one slot for 工字, two for 王字
// and 抽屉式), the winding window and the power it can carry, the insulating
// tape and paper, looks the bobbin up in a bobbin catalogue, and offers a
// small winding tool. "变压器参数" hands the slots over to the winding stage.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "bobbin/bobbin_types.h"
#include "bobbin/catalogue/bobbin_catalogue.h"
#include "bobbin/catalogue/catalogue_shelf.h"
#include "bobbin/record_view.h"
#include "model/form.h"
#include "model/form_names.h"

namespace corvane {

namespace bobbin {
struct SlotProposal;
}  // namespace bobbin

// Where the form's catalogues come from: the opener reads a catalogue file
// (or gives the reason it cannot), the default path names the shipped
// catalogue.
struct CatalogueSource {
  std::function<Outcome<std::unique_ptr<BobbinCatalogue>>(const std::string& path)> open;
  std::string defaultPath;
};

class Frmbobbin : public Form {
 public:
  static constexpr const char* kName = forms::kBobbin;
  // The supplier list: the shipped catalogue, then a file of the user's own.
  static constexpr const char* kShippedCatalogueItem = "标准骨架";
  static constexpr const char* kOtherCatalogueItem = "其他骨架目录…";
  static constexpr const char* kCatalogueFilter =
      "骨架目录 (*.sqlite;*.db;*.mdb)|*.sqlite;*.db;*.mdb|所有文件 (*.*)|*.*";

  // The shipped catalogue, read through openBobbinCatalogue.
  explicit Frmbobbin(Workspace& workspace);
  // The same, with the catalogues kept on a shelf the bobbin forms of other
  // designs share.
  Frmbobbin(Workspace& workspace, std::shared_ptr<CatalogueShelf> catalogues);
  Frmbobbin(Workspace& workspace, CatalogueSource source);

  void activated() override;
  void restored() override;

  // Points the form at another catalogue file and repeats the current
  // look-up there. When the file cannot be read the status line says so and
  // the catalogue in use (if any) stays. True when the file was opened.
  bool openUserCatalogue(const std::string& path);
  // The catalogue in use; nullptr before the first look-up or when none
  // could be read.
  const BobbinCatalogue* catalogue() const { return catalogue_.get(); }
  const bobbin::RecordView& records() const { return records_; }

 private:
  // layout
  void addControls();
  void addTypeFrame();
  void addSketch();
  void addSearch();
  void addRecordView();
  void addWindingTool();
  void addCommandsAndMenu();
  // reactions
  void addReactions();
  void addToolReactions();

  // --- slots and window
  void chooseType(const bobbin::BobbinType& type);
  const bobbin::BobbinType* selectedType() const;
  bobbin::SlotProposal proposed() const;
  void windowData();  // BDATA
  void tapeData();    // TAPEDATA
  // Power the window carries at flux density `bm` (T) and current density `j` (A/mm²).
  void showBobbinPower(double bm, double j);
  void coreSizeFromSearch();
  void drawSketch(int slots);
  void handOver();

  // --- catalogue
  void keepCatalogueState();
  void supplierChosen();
  void lookUp(const std::string& searchText);
  bool ensureCatalogue();
  bool openCatalogue(const std::string& path);
  // Opens a saved design's catalogue again; a failure is kept for `restored`.
  void reopenCatalogue(const std::string& path);
  void showRecord();
  void selectSupplierQuietly(int index);
  void move(bool (bobbin::RecordView::*step)());

  // --- winding tool
  void toolRecalculation();
  void turnsEntered();
  void bestCurrentDensity(bool guarded);
  void turnsTester();
  void applyTool();
  void fillRatioFromSlider();

  Control& core(const char* name) const;
  Control& electrical(const char* name) const;

  CatalogueSource source_;
  std::unique_ptr<BobbinCatalogue> catalogue_;
  bool defaultTried_ = false;
  // What the status line must say after a reopened design's catalogue file
  // could not be opened again; "" when it could.
  std::string reopenFailure_;
  bool queryFailed_ = false;
  bool revertingSupplier_ = false;
  int supplierIndex_ = 0;
  std::string table_{bobbin::kBobbinTypes[0].table};
  bobbin::RecordView records_;
};

}  // namespace corvane
