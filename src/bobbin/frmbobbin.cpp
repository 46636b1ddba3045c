#include "bobbin/frmbobbin.h"

#include "bobbin/bobbin_types.h"
#include "bobbin/bobbinform_fields.h"
#include "bobbin/tape_and_paper.h"
#include "bobbin/window_figures.h"
#include "core/coreform_fields.h"
#include "electrical/eledata_fields.h"
#include "model/form_image_print.h"
#include "model/picture.h"
#include "model/shared_values.h"
#include "model/value.h"
#include "model/workspace.h"

namespace corvane {

namespace {
constexpr const char* kCaption = "Peak Corvane专家系统 - 骨架设置与选型";
}  // namespace

Frmbobbin::Frmbobbin(Workspace& workspace, CatalogueSource source)
    : Form(workspace, kName, kCaption), source_(std::move(source)) {
  addControls();
  addReactions();
  addToolReactions();
  holdsText({bobbinform::txtbname, bobbinform::TxtKB, bobbinform::TxtKB1, bobbinform::Text5,
             bobbinform::Text6, bobbinform::Text7, bobbinform::Text8});
  // the type the chosen option writes: shown in the language shown
  holdsWords({bobbinform::TxtBTY});
  keepCatalogueState();
}

Control& Frmbobbin::core(const char* name) const {
  return coreform::field(workspace(), name);
}

Control& Frmbobbin::electrical(const char* name) const {
  return eledata::field(workspace(), name);
}

// Each time the form comes to the front it proposes the drawer bobbin for the
// core as it now stands and takes the tool's operating values afresh.
void Frmbobbin::activated() {
  if (!control(bobbinform::Option1).setValue(1)) chooseType(bobbin::kBobbinTypes[2]);
  control(bobbinform::txtbname).setText(core(coreform::txtcname).text());
  fillRatioFromSlider();
  control(bobbinform::TxtF).setText(core(coreform::TxtF).text());
  control(bobbinform::TxtI).setText(electrical(eledata::TXTIIN).text());
  control(bobbinform::TxtU).setText(electrical(eledata::TXTUIN1).text());
}

// ---------------------------------------------------------------- reactions

void Frmbobbin::addReactions() {
  for (const bobbin::BobbinType& type : bobbin::kBobbinTypes)
    on(EventKind::Click, type.option,
       [this, &type](Control&, const EventArgs&) { chooseType(type); });

  SharedValues& values = shared();
  on(EventKind::Change, bobbinform::TXTCK1, [this, &values](Control& slot, const EventArgs&) {
    values.gBobbinCk1Ref.setReference({kName, slot.name()});
    array(bobbinform::Label1)
        .element(1)
        .setCaption(slot.text() + "mm 槽宽_ " + control(bobbinform::txtCK2).text());
    windowData();
    tapeData();
  });
  on(EventKind::Change, bobbinform::txtCK2, [this, &values](Control& slot, const EventArgs&) {
    values.gBobbinCk2Ref.setReference({kName, slot.name()});
    array(bobbinform::Label1)
        .element(1)
        .setCaption(control(bobbinform::TXTCK1).text() + "mm槽宽_" + slot.text() + "mm");
    windowData();
  });
  on(EventKind::Change, bobbinform::TXTCh, [this, &values](Control& depth, const EventArgs&) {
    values.gBobbinChRef.setReference({kName, depth.name()});
    array(bobbinform::Label2).element(1).setCaption("槽厚 " + depth.text() + "mm");
    windowData();
  });
  auto baseCaption = [this](const char* plus) {
    array(bobbinform::Label3)
        .element(1)
        .setCaption("底边长:" + control(bobbinform::TXTld1).text() + plus +
                    control(bobbinform::TXTld2).text() + "mm");
    windowData();
  };
  on(EventKind::Change, bobbinform::TXTld1,
     [baseCaption](Control&, const EventArgs&) { baseCaption("mm +"); });
  on(EventKind::Change, bobbinform::TXTld2,
     [baseCaption](Control&, const EventArgs&) { baseCaption("mm + "); });

  // Enter confirms the window and walks slot depth -> base sides
  auto confirmThen = [this](const char* next) {
    return [this, next](Control&, const EventArgs&) {
      windowData();
      if (next) setFocus(control(next));
    };
  };
  on(EventKind::Enter, bobbinform::TXTCh, confirmThen(bobbinform::TXTld1));
  on(EventKind::Enter, bobbinform::TXTld1, confirmThen(bobbinform::TXTld2));
  on(EventKind::Enter, bobbinform::TXTld2, confirmThen(nullptr));
  auto anyKey = [this](Control&, const EventArgs&) { windowData(); };
  on(EventKind::KeyDown, {bobbinform::TXTCK1, bobbinform::txtCK2}, anyKey);
  on(EventKind::KeyPress, {bobbinform::TXTCK1, bobbinform::txtCK2}, anyKey);
  on(EventKind::Enter, bobbinform::TXTCK1, [this](Control&, const EventArgs&) {
    Control& second = control(bobbinform::txtCK2);
    setFocus(second.visible() ? second : control(bobbinform::TXTCh));
  });
  on(EventKind::Enter, bobbinform::txtCK2,
     [this](Control&, const EventArgs&) { setFocus(control(bobbinform::TXTCh)); });

  on(EventKind::Change, bobbinform::TXTBSW, [this](Control&, const EventArgs&) {
    showBobbinPower(core(coreform::TxtBm).num(), core(coreform::TxtJ).num());
  });
  auto searchSize = [this](Control&, const EventArgs&) { coreSizeFromSearch(); };
  on(EventKind::Change, {bobbinform::Text9, bobbinform::Text10}, searchSize);
  on(EventKind::Change, bobbinform::Text8,
     [this](Control& search, const EventArgs&) { lookUp(search.text()); });
  on(EventKind::Choose, bobbinform::Combo1,
     [this](Control&, const EventArgs&) { supplierChosen(); });

  on(EventKind::Click, bobbinform::Data1First,
     [this](Control&, const EventArgs&) { move(&bobbin::RecordView::first); });
  on(EventKind::Click, bobbinform::Data1Prev,
     [this](Control&, const EventArgs&) { move(&bobbin::RecordView::previous); });
  on(EventKind::Click, bobbinform::Data1Next,
     [this](Control&, const EventArgs&) { move(&bobbin::RecordView::next); });
  on(EventKind::Click, bobbinform::Data1Last,
     [this](Control&, const EventArgs&) { move(&bobbin::RecordView::last); });

  on(EventKind::Click, bobbinform::cmdele, [this](Control&, const EventArgs&) { handOver(); });
  on(EventKind::Click, bobbinform::PRINT,
     [this](Control&, const EventArgs&) { printFormImage(*this); });
  on(EventKind::Click, bobbinform::OVER, [this](Control&, const EventArgs&) { hide(); });
}

// ---------------------------------------------------------------- slots and window

const bobbin::BobbinType* Frmbobbin::selectedType() const {
  for (const bobbin::BobbinType& type : bobbin::kBobbinTypes)
    if (control(type.option).value() == 1) return &type;
  return nullptr;
}

void Frmbobbin::chooseType(const bobbin::BobbinType& type) {
  Control& coreName = control(bobbinform::txtbname);
  coreName.setText(core(coreform::txtcname).text());
  table_ = std::string(type.table);
  lookUp("");  // the type's whole table, until the search narrows it
  control(bobbinform::Text8).setText(coreName.text());

  Control& slot1 = control(bobbinform::TXTCK1);
  Control& slot2 = control(bobbinform::txtCK2);
  if (control(type.option).value() == 1) {
    const bobbin::SlotProposal slots = proposed();
    slot1.setText("");
    slot2.setText("");
    slot1.setVisible(true);
    slot1.setText(slots.slotWidth);
    if (type.slots == 2) slot2.setVisible(true);
    slot2.setText(type.slots == 2 ? slots.slotWidth : "");
    control(bobbinform::TXTCh).setText(slots.depth);
    if (type.slots == 1) slot2.setVisible(false);
    drawSketch(type.slots);
  }
  control(bobbinform::TXTld1).setText(proposed().base1);
  control(bobbinform::TXTld2).setText(proposed().base2);
  // the papers of the largest cores are cut to the base side just written,
  // not the one the slot write saw
  tapeData();
  if (type.slots == 2) setFocus(slot1);

  windowData();
  showBobbinPower(core(coreform::TxtBm).num(), core(coreform::TxtJ).num());
  control(bobbinform::TxtBTY).setText(type.typeText);
  lookUp(control(bobbinform::Text8).text());
}

// The slots of the chosen type for the core's window as it now stands.
bobbin::SlotProposal Frmbobbin::proposed() const {
  const bobbin::BobbinType* type = selectedType();
  return bobbin::proposedSlots(type ? *type : bobbin::kBobbinTypes[0], core(coreform::txth).num(),
                               core(coreform::txtc).num(), core(coreform::TXTa).num(),
                               core(coreform::TxtB).num());
}

void Frmbobbin::windowData() {
  Control& window = control(bobbinform::TXTBSW);
  // cleared first, so the bobbin power follows even when the area stays the same
  window.setText("");
  const bobbin::WindowArea area =
      bobbin::windowArea(control(bobbinform::TXTCK1).num(), control(bobbinform::txtCK2).num(),
                         control(bobbinform::TXTCh).num(), control(bobbinform::TXTld1).num(),
                         control(bobbinform::TXTld2).num());
  window.setText(area.area);
  control(bobbinform::TXTLD).setText(area.basePerimeter);
}

void Frmbobbin::tapeData() {
  const bobbin::BobbinType* type = selectedType();
  if (!type) return;
  auto layout = type->slots == 1 ? bobbin::SlotLayout::Single : bobbin::SlotLayout::Double;
  auto supplies =
      bobbin::tapeAndPaper(layout, core(coreform::TXTL).num(), control(bobbinform::TXTCK1).num(),
                           control(bobbinform::TXTld1).num());
  if (!supplies) return;
  control(bobbinform::TxtTapeW).setText(supplies->tapeWidth);
  control(bobbinform::TxtKB).setText(supplies->paper);
  control(bobbinform::TxtKB1).setText(supplies->paper2);
}

void Frmbobbin::showBobbinPower(double bm, double j) {
  control(bobbinform::lblbpw)
      .setCaption(bobbin::bobbinPowerText(bm, core(coreform::TxtF).num(), j,
                                          core(coreform::TXTSC).num(),
                                          control(bobbinform::TXTBSW).num()));
}

// The lamination size and stack typed here size the core form's core too.
void Frmbobbin::coreSizeFromSearch() {
  const std::string& size = control(bobbinform::Text9).text();
  const std::string& stack = control(bobbinform::Text10).text();
  control(bobbinform::Text8).setText("EI-" + size + "*" + stack);
  core(coreform::txtautocore).setText(size);
  core(coreform::TxtB).setText(stack);
}

// "变压器参数": the winding stage reads the slots through the shared references.
void Frmbobbin::handOver() {
  SharedValues& values = shared();
  values.gBobbinCk1Ref.setReference({kName, bobbinform::TXTCK1});
  values.gBobbinCk2Ref.setReference({kName, bobbinform::txtCK2});
  values.gBobbinChRef.setReference({kName, bobbinform::TXTCh});
  Form& specification = workspace().form(forms::kElectrical);
  specification.show();
  hide();
  specification.control(eledata::CMDJIEDOU).setEnabled(true);
}

// A side view of the bobbin, not to scale: the tube, the two flanges and, on
// a two-slot bobbin, the divider; the labels around it give the sizes.
void Frmbobbin::drawSketch(int slots) {
  constexpr Rgb kOutline{0, 0, 128};
  constexpr Rgb kFlange{160, 160, 200};
  constexpr Rgb kDimension{255, 0, 0};
  Picture& sketch = control(bobbinform::Picture1).picture();
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
