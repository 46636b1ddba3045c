// The design project file (*.cvd): the design that every design form holds
// — each control's design state where it differs from the state the form's
// constructor gives it, the rows of the control arrays, the forms' own member
// variables — the shared values, and which forms show and which is active.
// The layout (places, sizes, fonts, tool tips) is no part of it: a reopened
// design shows the program's layout of the day. UTF-8 JSON with a format
// name and a version; version 1 (every control with its layout) is still
// read. Parsing checks the whole text before anything is used; what does
// not fit a form is found when the record is put back (project_state.h).
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "model/control_design.h"
#include "model/kept_member.h"
#include "model/outcome.h"
#include "model/shared_values.h"

namespace corvane {

inline constexpr const char* kProjectFileFilter = "Corvane设计文件(*.cvd)|*.cvd|所有文件(*.*)|*.*";
inline constexpr const char* kProjectFileExtension = ".cvd";
inline constexpr const char* kProjectFormatName = "corvane-design";
// The version written; every version from 1 up to it is read.
inline constexpr int kProjectFormatVersion = 2;
// Bytes; a full nine-group design with its pictures takes a few hundred kB.
inline constexpr std::size_t kLargestProjectFile = 32u << 20;

struct ControlRecord {
  std::string name;
  int index = -1;  // the array element; -1 for a control outside an array
  // What differs from the control's design-time state.
  DesignChanges changes;
  bool operator==(const ControlRecord&) const = default;
};

// The rows of one control array, where they differ from its design-time rows.
struct ArrayRows {
  std::string name;
  std::vector<int> indices;
  bool operator==(const ArrayRows&) const = default;
};

struct MemberRecord {
  std::string name;
  MemberValue value;
  bool operator==(const MemberRecord&) const = default;
};

struct FormRecord {
  std::string name;
  std::optional<std::string> caption;  // where it differs from the design-time caption
  bool visible = false;
  std::vector<MemberRecord> members;
  std::vector<ArrayRows> rows;
  // Only controls that differ from their design-time state, arrays row by
  // row, in design order.
  std::vector<ControlRecord> controls;
  bool operator==(const FormRecord&) const = default;
};

struct SharedRecord {
  std::string name;
  SharedValue::Kind kind = SharedValue::Kind::Empty;
  double number = 0;
  std::string text;
  FieldRef reference;
  bool operator==(const SharedRecord&) const = default;
};

struct ProjectRecord {
  std::vector<FormRecord> forms;  // in the order the forms were created
  std::string activeForm;         // "" when no design form is active
  std::vector<SharedRecord> shared;
  double wireInsulation = 0;  // mm, the allowance the last layout formula left
  // A recovery copy names the file of the design it was taken from ("" for
  // a design never saved).
  bool recoveryCopy = false;
  std::string recoveredFrom;
  bool operator==(const ProjectRecord&) const = default;
};

// What is wrong with a project file, in words for the user: raised inside
// the reading and restoring code, handed to callers as an Outcome's reason.
class ProjectFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Checks and reads the bytes of a project file of any version; the reason
// for text that is not JSON, a truncated file, another format, a newer
// version, an unknown key, a value of the wrong type or out of range.
Outcome<ProjectRecord> parseProjectFile(std::string_view bytes);
// The file's bytes, in the current version; the reason for a text that is
// not UTF-8.
Outcome<std::string> encodeProjectFile(const ProjectRecord& record);

}  // namespace corvane
