// The design project file (*.cvd): the whole state of every design form that
// exists — each control as it shows, the rows of the control arrays, the
// pictures' display lists, the forms' own member variables — the shared
// values, and which forms show and which is active. UTF-8 JSON with a format
// name and a version. Parsing checks the whole text before anything is
// used; what does not fit a form is found when the record is put back
// (project_state.h).
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "model/control.h"
#include "model/kept_member.h"
#include "model/outcome.h"
#include "model/picture.h"
#include "model/shared_values.h"

namespace corvane {

inline constexpr const char* kProjectFileFilter = "Corvane设计文件(*.cvd)|*.cvd|所有文件(*.*)|*.*";
inline constexpr const char* kProjectFileExtension = ".cvd";
inline constexpr const char* kProjectFormatName = "corvane-design";
inline constexpr int kProjectFormatVersion = 1;
// Bytes; a full nine-group design with its pictures takes a few hundred kB.
inline constexpr std::size_t kLargestProjectFile = 32u << 20;

struct PictureRecord {
  std::vector<DrawOp> ops;
  Rgb backColor = colors::kWhite;
  Rgb foreColor = colors::kBlack;
  bool operator==(const PictureRecord&) const = default;
};

struct ControlRecord {
  std::string name;
  int index = -1;  // the array element; -1 for a control outside an array
  ControlState state;
  std::optional<PictureRecord> picture;  // picture boxes only
  bool operator==(const ControlRecord&) const = default;
};

struct MemberRecord {
  std::string name;
  MemberValue value;
  bool operator==(const MemberRecord&) const = default;
};

struct FormRecord {
  std::string name;
  std::string caption;
  bool visible = false;
  std::vector<MemberRecord> members;
  std::vector<ControlRecord> controls;  // arrays row by row, in design order
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

// Checks and reads the bytes of a project file; the reason for text that is
// not JSON, a truncated file, another format, a newer version, an unknown
// key, a value of the wrong type or out of range.
Outcome<ProjectRecord> parseProjectFile(std::string_view bytes);
// The file's bytes; the reason for a text that is not UTF-8.
Outcome<std::string> encodeProjectFile(const ProjectRecord& record);

}  // namespace corvane
