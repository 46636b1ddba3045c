// Fields of a later stage of the chain that an earlier form reads or writes
// as the design prescribes: the electrical form's capacitor recommendation
// reads the core form's frequency, its "铁芯选型" writes the raised output
// power into the core form, its "结构仿真" sets the structure form's row
// count. The later form offers each such field under a link name
// (Workspace::registerFieldLinks), the earlier form reaches it by that name,
// so no form includes the stages built on it.
#pragma once

namespace corvane {

// One field a form offers to the earlier forms: the link name and the
// control it stands for.
struct LinkedField {
  const char* link;
  const char* control;
};

namespace links {

// the core form's frequency TxtF, Hz
inline constexpr const char* kCoreFrequency = "coreFrequency";
// the core form's required output power txtpo, W
inline constexpr const char* kCorePower = "corePower";
// the structure form's highest winding row index Txtzb
inline constexpr const char* kStructureHighestRow = "structureHighestRow";

}  // namespace links

}  // namespace corvane
