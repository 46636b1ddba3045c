// The design file: the electrical specification as plain text, one field per
// line, GBK code page, CR LF line ends. Line 1 is the highest group index N,
// then eleven lines per output group, then eight lines of the input block.
// A file is read and checked whole before the form changes, and written to a
// temporary file that replaces the target only when complete.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/outcome.h"

namespace corvane {

class Frmeledata;

inline constexpr const char* kDesignFileFilter = "CVN(*.CVN)|*.CVN|(*.*)|*.*";

struct OutputGroupRecord {
  std::string label;          // TXTWN
  std::string outputVoltage;  // txtudc, V
  std::string outputCurrent;  // txtidc, A
  std::string circuit;        // CMBZL, one of the rectifier list texts
  std::string diode;          // cmbdio, one of the diode list texts
  std::string acVoltage;      // txtsuac, V
  std::string acCurrent;      // txtsiac, A
  std::string power;          // txtspo, VA
  std::string capacitor;      // TXTCP, µF range
  std::string noLoadVoltage;  // TXTUNLOAD, V
  int connection = 0;         // ChKSHC: 0 "S", 1 "P"
};

struct InputRecord {
  int arrangement = 0;        // Chkp: 0 one primary, 1 two primaries
  std::string inputVoltage1;  // TXTUIN1, V
  std::string inputVoltage2;  // TXTUIN2, V
  std::string inputCurrent;   // TXTIIN, A
  std::string ambient;        // TXTTEMP20, °C
  std::string allowedRise;    // TXTTEMPD, K
  std::string regulation;     // TXTLUD, %
  std::string totalPower;     // txtpo, W with its unit
};

struct DesignRecordFile {
  std::vector<OutputGroupRecord> groups;  // groups 0..N
  InputRecord input;
};

// Parses the bytes of a design file (GBK, or UTF-8 after a byte-order mark;
// CR LF or LF line ends); the reason for a file that is not text, is short,
// has a bad group count, too many groups or an unknown list text.
Outcome<DesignRecordFile> parseDesignFile(std::string_view bytes);
// The file's bytes; the reason, naming the field, for a text GBK cannot
// encode or that holds a line break.
Outcome<std::string> encodeDesignFile(const DesignRecordFile& design);

DesignRecordFile captureDesign(const Frmeledata& form);
// Replaces the form's groups and inputs; every assignment runs its field's
// reactions, in file order, each as an event of its own.
void applyDesign(Frmeledata& form, const DesignRecordFile& design);

// Open and save with a known path; failures show one message naming the file.
bool openDesignFile(Frmeledata& form, const std::string& path);
bool saveDesignFile(Frmeledata& form, const std::string& path);
// The menu commands: ask for the file first.
void openDesign(Frmeledata& form);
void saveDesign(Frmeledata& form);

}  // namespace corvane
