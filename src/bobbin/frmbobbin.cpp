#include "bobbin/frmbobbin.h"

#include "bobbin/bobbin_types.h"
#include "bobbin/tape_and_paper.h"
#include "model/form_image_print.h"
#include "model/picture.h"
#include "model/shared_values.h"
#include "model/value.h"
#include "model/workspace.h"

namespace corvane {

namespace {
constexpr const char* kCaption = "Peak Corvane专家系统 - 骨架设置与选型";
constexpr const char* kCoreForm = "Frmcore";
constexpr const char* kElectricalForm = "Frmeledata";
}  // namespace

Frmbobbin::Frmbobbin(Workspace& workspace, CatalogueSource source)
    : Form(workspace, kName, kCaption), source_(std::move(source)) {
  addControls();
  addReactions();
  addToolReactions();
  keepCatalogueState();
}

Control& Frmbobbin::core(const char* name) const {
  return workspace().field(kCoreForm, name);
}

Control& Frmbobbin::electrical(const char* name) const {
  return workspace().field(kElectricalForm, name);
}

// Each time the form comes to the front it proposes the drawer bobbin for the
// core as it now stands and takes the tool's operating values afresh.
void Frmbobbin::activated() {
  if (!control("Option1").setValue(1)) chooseType(bobbin::kBobbinTypes[2]);
  control("txtbname").setText(core("txtcname").text());
  fillRatioFromSlider();
  control("TxtF").setText(core("TxtF").text());
  control("TxtI").setText(electrical("TXTIIN").text());
  control("TxtU").setText(electrical("TXTUIN1").text());
}

// ---------------------------------------------------------------- reactions

void Frmbobbin::addReactions() {
  for (const bobbin::BobbinType& type : bobbin::kBobbinTypes)
    on(EventKind::Click, type.option,
       [this, &type](Control&, const EventArgs&) { chooseType(type); });

  SharedValues& values = shared();
  on(EventKind::Change, "TXTCK1", [this, &values](Control& slot, const EventArgs&) {
    values.gBobbinCk1Ref.setReference({kName, slot.name()});
    array("Label1").element(1).setCaption(slot.text() + "mm 槽宽_ " + control("txtCK2").text());
    windowData();
    tapeData();
  });
  on(EventKind::Change, "txtCK2", [this, &values](Control& slot, const EventArgs&) {
    values.gBobbinCk2Ref.setReference({kName, slot.name()});
    array("Label1").element(1).setCaption(control("TXTCK1").text() + "mm槽宽_" + slot.text() +
                                          "mm");
    windowData();
  });
  on(EventKind::Change, "TXTCh", [this, &values](Control& depth, const EventArgs&) {
    values.gBobbinChRef.setReference({kName, depth.name()});
    array("Label2").element(1).setCaption("槽厚 " + depth.text() + "mm");
    windowData();
  });
  auto baseCaption = [this](const char* plus) {
    array("Label3").element(1).setCaption("底边长:" + control("TXTld1").text() + plus +
                                          control("TXTld2").text() + "mm");
    windowData();
  };
  on(EventKind::Change, "TXTld1",
     [baseCaption](Control&, const EventArgs&) { baseCaption("mm +"); });
  on(EventKind::Change, "TXTld2",
     [baseCaption](Control&, const EventArgs&) { baseCaption("mm + "); });

  // Enter confirms the window and walks slot depth -> base sides
  auto confirmThen = [this](const char* next) {
    return [this, next](Control&, const EventArgs&) {
      windowData();
      if (next) setFocus(control(next));
    };
  };
  on(EventKind::Enter, "TXTCh", confirmThen("TXTld1"));
  on(EventKind::Enter, "TXTld1", confirmThen("TXTld2"));
  on(EventKind::Enter, "TXTld2", confirmThen(nullptr));
  auto anyKey = [this](Control&, const EventArgs&) { windowData(); };
  on(EventKind::KeyDown, {"TXTCK1", "txtCK2"}, anyKey);
  on(EventKind::KeyPress, {"TXTCK1", "txtCK2"}, anyKey);
  on(EventKind::Enter, "TXTCK1", [this](Control&, const EventArgs&) {
    Control& second = control("txtCK2");
    setFocus(second.visible() ? second : control("TXTCh"));
  });
  on(EventKind::Enter, "txtCK2",
     [this](Control&, const EventArgs&) { setFocus(control("TXTCh")); });

  on(EventKind::Change, "TXTBSW", [this](Control&, const EventArgs&) {
    showBobbinPower(core("TxtBm").num(), core("TxtJ").num());
  });
  auto searchSize = [this](Control&, const EventArgs&) { coreSizeFromSearch(); };
  on(EventKind::Change, {"Text9", "Text10"}, searchSize);
  on(EventKind::Change, "Text8",
     [this](Control& search, const EventArgs&) { lookUp(search.text()); });
  on(EventKind::Choose, "Combo1", [this](Control&, const EventArgs&) { supplierChosen(); });

  on(EventKind::Click, "Data1First",
     [this](Control&, const EventArgs&) { move(&bobbin::RecordView::first); });
  on(EventKind::Click, "Data1Prev",
     [this](Control&, const EventArgs&) { move(&bobbin::RecordView::previous); });
  on(EventKind::Click, "Data1Next",
     [this](Control&, const EventArgs&) { move(&bobbin::RecordView::next); });
  on(EventKind::Click, "Data1Last",
     [this](Control&, const EventArgs&) { move(&bobbin::RecordView::last); });

  on(EventKind::Click, "cmdele", [this](Control&, const EventArgs&) { handOver(); });
  on(EventKind::Click, "PRINT", [this](Control&, const EventArgs&) { printFormImage(*this); });
  on(EventKind::Click, "OVER", [this](Control&, const EventArgs&) { hide(); });
}

// ---------------------------------------------------------------- slots and window

const bobbin::BobbinType* Frmbobbin::selectedType() const {
  for (const bobbin::BobbinType& type : bobbin::kBobbinTypes)
    if (control(type.option).value() == 1) return &type;
  return nullptr;
}

void Frmbobbin::chooseType(const bobbin::BobbinType& type) {
  Control& coreName = control("txtbname");
  coreName.setText(core("txtcname").text());
  table_ = type.table;
  lookUp("");  // the type's whole table, until the search narrows it
  control("Text8").setText(coreName.text());

  Control& slot1 = control("TXTCK1");
  Control& slot2 = control("txtCK2");
  if (control(type.option).value() == 1) {
    double windowHeight = core("txth").num();
    double slotWidth = (windowHeight - type.flangeAllowance) / type.slots;
    slot1.setText("");
    slot2.setText("");
    slot1.setVisible(true);
    slot1.setText(generalFormat(slotWidth));
    if (type.slots == 2) slot2.setVisible(true);
    slot2.setText(type.slots == 2 ? generalFormat(slotWidth) : "");
    // 2 mm of the window width go to the tube wall and the clearance to the outer leg
    control("TXTCh").setText(generalFormat(core("txtc").num() - 2));
    if (type.slots == 1) slot2.setVisible(false);
    drawSketch(type.slots);
  }
  // the tube around the tongue: 1.5 mm of wall and clearance on each side
  control("TXTld1").setText(generalFormat(core("TXTa").num() + 3));
  control("TXTld2").setText(generalFormat(core("TxtB").num() + 3));
  // the papers of the largest cores are cut to the base side just written,
  // not the one the slot write saw
  tapeData();
  if (type.slots == 2) setFocus(slot1);

  windowData();
  showBobbinPower(core("TxtBm").num(), core("TxtJ").num());
  control("TxtBTY").setText(type.typeText);
  lookUp(control("Text8").text());
}

void Frmbobbin::windowData() {
  Control& window = control("TXTBSW");
  // cleared first, so the bobbin power follows even when the area stays the same
  window.setText("");
  double slots = control("TXTCK1").num() + control("txtCK2").num();
  window.setText(formatFixed(slots * control("TXTCh").num(), 1));
  double base = control("TXTld1").num() + control("TXTld2").num();
  control("TXTLD").setText(formatFixed(base * 2, 1));
}

void Frmbobbin::tapeData() {
  const bobbin::BobbinType* type = selectedType();
  if (!type) return;
  auto layout = type->slots == 1 ? bobbin::SlotLayout::Single : bobbin::SlotLayout::Double;
  auto supplies = bobbin::tapeAndPaper(layout, core("TXTL").num(), control("TXTCK1").num(),
                                       control("TXTld1").num());
  if (!supplies) return;
  control("TxtTapeW").setText(supplies->tapeWidth);
  control("TxtKB").setText(supplies->paper);
  control("TxtKB1").setText(supplies->paper2);
}

// P = Bm * 2.22 * F * J * Sc * BSW * 0.5 * 1e-4: half the window per winding
// side, Sc in cm² and the window in mm².
void Frmbobbin::showBobbinPower(double bm, double j) {
  double power = bm * 2.22 * core("TxtF").num() * j * core("TXTSC").num() *
                 control("TXTBSW").num() * 0.5 * 0.0001;
  control("lblbpw").setCaption(formatFixed(power, 1) + "W");
}

// The lamination size and stack typed here size the core form's core too.
void Frmbobbin::coreSizeFromSearch() {
  const std::string& size = control("Text9").text();
  const std::string& stack = control("Text10").text();
  control("Text8").setText("EI-" + size + "*" + stack);
  core("txtautocore").setText(size);
  core("TxtB").setText(stack);
}

// "变压器参数": the winding stage reads the slots through the shared references.
void Frmbobbin::handOver() {
  SharedValues& values = shared();
  values.gBobbinCk1Ref.setReference({kName, "TXTCK1"});
  values.gBobbinCk2Ref.setReference({kName, "txtCK2"});
  values.gBobbinChRef.setReference({kName, "TXTCh"});
  Form& specification = workspace().form(kElectricalForm);
  specification.show();
  hide();
  specification.control("CMDJIEDOU").setEnabled(true);
}

// A side view of the bobbin, not to scale: the tube, the two flanges and, on
// a two-slot bobbin, the divider; the labels around it give the sizes.
void Frmbobbin::drawSketch(int slots) {
  constexpr Rgb kOutline{0, 0, 128};
  constexpr Rgb kFlange{160, 160, 200};
  constexpr Rgb kDimension{255, 0, 0};
  Picture& sketch = control("Picture1").picture();
  sketch.clear();
  sketch.setScale(0, 0, 100, 60);
  sketch.filledBox(8, 8, 14, 52, kFlange);
  sketch.filledBox(86, 8, 92, 52, kFlange);
  sketch.filledBox(14, 44, 86, 52, kFlange);
  if (slots == 2) sketch.filledBox(47, 8, 53, 44, kFlange);
  sketch.line(8, 8, 8, 52, kOutline);
  sketch.line(92, 8, 92, 52, kOutline);
  sketch.line(8, 52, 92, 52, kOutline);
  sketch.line(14, 44, 86, 44, kOutline);
  // slot width across the first slot, depth beside the last
  double slotEnd = slots == 2 ? 47 : 86;
  sketch.line(14, 4, slotEnd, 4, kDimension);
  sketch.line(96, 8, 96, 44, kDimension);
}

}  // namespace corvane
