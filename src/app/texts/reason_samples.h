// The reasons the program gives for a bobbin catalogue it cannot read, a
// SPICE model it cannot export and a search space it cannot search, made by
// handing the real readers broken samples or taken from the tables where the
// readers keep them: what corvane-texts asks to translate besides the walk.
#pragma once

#include <string>
#include <vector>

namespace corvane {

// Each as the bobbin form's status line shows it ("无法读取骨架目录“F”：…").
std::vector<std::string> catalogueReasonSamples();

// Each as the structure form's message shows it ("无法导出SPICE模型：…。").
std::vector<std::string> spiceReasonSamples();

// Each reason alone, as the automatic-design form's count line shows it;
// its message puts "搜索范围有误：" before it.
std::vector<std::string> searchReasonSamples();

}  // namespace corvane
