// The undo history of a design: each step is one user event with every
// change its cascade made on every form that goes with the design — control
// states, rows, forms created or closed, shown or hidden, the active form,
// the members kept with the design and the shared values. A step keeps only
// what changed, both before and after; undo and redo put one side back
// quietly, so no reaction recalculates from it and no message appears.
// Forms and controls are named (form, control, row), never held by pointer:
// a form closed after a step leaves nothing dangling in its record.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/control_design.h"
#include "model/kept_member.h"
#include "model/shared_values.h"
#include "model/signal.h"
#include "model/step_label.h"

namespace corvane {

class Form;
class Workspace;

// What started a step, named for the "编辑" menu ("修改 圈数Ts(2)"), and
// the field being typed into: keys typed into one field in a row are one step.
struct StepCause {
  StepName name;
  // "form.control(index)" of a field typed into; "" for any other event
  std::string typingInto;
};

// A control's state as undo puts it back: its design state and the tool tip
// a reaction leaves with the reason for an empty result.
struct ControlImage {
  ControlDesign design;
  std::string toolTip;
  bool operator==(const ControlImage&) const = default;
};

using ControlKey = std::pair<std::string, int>;  // control name, row (-1 outside an array)

// One form as the design has it, or the part of it a step changed: in a part,
// each optional holds a value only where it changed, and `controls` and
// `rows` only the controls and arrays that changed.
struct FormImage {
  bool exists = true;
  std::optional<std::string> caption;
  std::optional<bool> visible;
  std::optional<std::vector<MemberValue>> members;
  std::map<std::string, std::vector<int>> rows;
  std::map<ControlKey, ControlImage> controls;
};

// The design, whole or in part as above.
struct DesignImage {
  std::map<std::string, FormImage> forms;
  std::optional<std::vector<std::string>> order;  // the forms in creation order
  std::optional<std::string> active;              // "" when no form is active
  // held apart and shared: a step that leaves them as they were keeps only
  // an empty pointer, and one that changes them no copy beside the design's
  std::shared_ptr<const SharedValues> shared;
};

// Every form that goes with the design, whole.
DesignImage captureImage(const Workspace& workspace);
// No part of the design: a step that changed nothing.
bool emptyPart(const DesignImage& part);
// Two whole images agree.
bool sameImage(const DesignImage& a, const DesignImage& b);
// What differs between two whole images: the parts of `before` and of
// `after` that changed.
std::pair<DesignImage, DesignImage> imageDifference(const DesignImage& before,
                                                    const DesignImage& after);
// Bytes a part of an image holds, roughly: the cost of a step in memory.
std::size_t imageBytes(const DesignImage& image);

class DesignHistory {
 public:
  explicit DesignHistory(Workspace& workspace);

  bool canUndo() const { return position_ > 0; }
  bool canRedo() const { return position_ < steps_.size(); }
  // What the next undo or redo takes back or does again; "" when nothing.
  std::string undoWhat() const;
  std::string redoWhat() const;
  // The same by their parts, for the language the menu is shown in; nullptr
  // when nothing.
  const StepName* undoName() const;
  const StepName* redoName() const;
  size_t position() const { return position_; }
  size_t size() const { return steps_.size(); }
  // Grows whenever a step is recorded, merged with the typing before it, or
  // the history is cleared.
  unsigned long long records() const { return records_; }
  // Bytes the last step's record holds.
  std::size_t lastStepBytes() const;

  // Quietly puts back the design before the last step (or as it was after
  // the next). False when there is nothing to undo (redo).
  bool undo();
  bool redo();
  // Forgets every step: a new or opened design; a step running now is not
  // recorded.
  void clear();
  // Ends the typing step, so the next key in the same field starts another.
  void endTyping() { typing_.reset(); }

  // --- called by the workspace around one user event
  void beginStep(const StepCause& cause);
  void endStep();
  void abandonStep() { recording_.reset(); }
  // The cause of the step running, for a user entry point nested in another.
  void nameStep(const StepCause& cause);

  // The steps or the position changed.
  Signal<> changed;

 private:
  struct Step {
    StepName name;
    DesignImage before;
    DesignImage after;
    unsigned long long revisionBefore = 0;
    unsigned long long revisionAfter = 0;
  };
  struct Recording {
    StepCause cause;
    unsigned long long revision = 0;
  };
  struct Typing {
    std::string into;
    unsigned long long revision = 0;  // the design's revision before the first key
    bool recorded = false;            // the last step is this typing
  };
  void restore(const DesignImage& part, unsigned long long revision);
  // Brings `design_` up to the design as it stands, looking only at the forms
  // and controls that changed since the last look; with `was` and `is`, puts
  // the parts that changed there, as imageDifference would.
  void catchUp(DesignImage* was = nullptr, DesignImage* is = nullptr);
  void catchUpForm(const Form& form, FormImage& known, unsigned long long since, DesignImage* was,
                   DesignImage* is);

  Workspace& workspace_;
  // The whole design as the history last looked at it, and the workspace's
  // change tick then: a step compares only what ticked since.
  DesignImage design_;
  unsigned long long lookedAt_ = 0;
  bool looked_ = false;
  std::vector<Step> steps_;
  size_t position_ = 0;
  unsigned long long records_ = 0;
  std::optional<Recording> recording_;
  std::optional<Typing> typing_;
};

}  // namespace corvane
