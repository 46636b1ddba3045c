#include "app/texts/file_reason_samples.h"

#include <string_view>

#include "electrical/design_file.h"
#include "model/file_access.h"
#include "model/project_file.h"

namespace corvane {

namespace {

// A design file with one group as the program writes it, its lines apart.
std::vector<std::string> goodDesignLines() {
  DesignRecordFile design;
  OutputGroupRecord group;
  group.circuit = "全桥电容";
  group.diode = "硅管";
  design.groups.push_back(group);
  std::vector<std::string> lines;
  const std::string text = encodeDesignFile(design).value();
  for (size_t start = 0; start < text.size();) {
    const size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

std::vector<std::string> brokenDesignFiles() {
  std::vector<std::string> files{"",
                                 std::string("0\r\n\0", 4),
                                 "\xEF\xBB\xBF\xFF",
                                 "\x81\x20",
                                 "x\r\n",
                                 "-1\r\n",
                                 "20\r\n",
                                 "0\r\n"};
  const std::vector<std::string> good = goodDesignLines();
  // the first group's circuit, diode and connection lines (after the count,
  // its label and its output voltage and current), then the input
  // arrangement line
  for (size_t line : {5u, 6u, 12u, 13u}) {
    std::vector<std::string> bad = good;
    bad[line - 1] = "9";
    files.push_back(joined(bad));
  }
  return files;
}

std::vector<std::string> brokenProjectFiles() {
  const std::string format = std::string(R"({"format": ")") + kProjectFormatName + "\"";
  return {
      "", "{", "x", "[1e999]", "{}", format + R"(, "version": 0})", format + R"(, "version": 99})"};
}

}  // namespace

std::vector<std::string> fileReasonSamples() {
  std::vector<std::string> reasons = files::reasonTexts();
  for (const std::string& bytes : brokenDesignFiles())
    if (auto parsed = parseDesignFile(bytes); !parsed) reasons.push_back(parsed.reason());
  DesignRecordFile unwritable;
  unwritable.groups.emplace_back().label = "a\nb";
  if (auto written = encodeDesignFile(unwritable); !written) reasons.push_back(written.reason());
  unwritable.groups.back().label = "\xF0\x9F\x98\x80";  // an emoji GBK lacks
  if (auto written = encodeDesignFile(unwritable); !written) reasons.push_back(written.reason());
  for (const std::string& bytes : brokenProjectFiles())
    if (auto parsed = parseProjectFile(bytes); !parsed) reasons.push_back(parsed.reason());
  std::vector<std::string> messages;
  for (const std::string& reason : reasons) messages.push_back("“F”：" + reason + "。");
  return messages;
}

}  // namespace corvane
