#include "search/search_table.h"

#include <array>
#include <limits>

#include "model/value.h"
#include "search/replay.h"
#include "search/search_fields.h"

namespace corvane::search {

namespace {

using namespace searchform;
using R = const CandidateResult&;

// clang-format off
constexpr auto kColumns = std::to_array<TableColumn>({
    {TblRank, "名次", 600, "按目标排列的名次",
     [](R, size_t rank) { return std::to_string(rank); }, true},
    {TblId, "编号", 720, "候选方案的编号：corvane-search --replay 按它重演",
     [](R r, size_t) { return std::to_string(r.candidate.id); }, true},
    {TblLamination, "铁芯", 780, "标准EI铁芯片",
     [](R r, size_t) { return "EI" + r.candidate.laminationText(); }, true},
    {TblStack, "叠厚(mm)", 900, "叠厚b，mm",
     [](R r, size_t) { return r.candidate.stackText(); }, true},
    {TblGrade, "材质", 960, "矽钢片材质",
     [](R r, size_t) { return r.candidate.gradeName(); }, false},
    {TblFlux, "Bm(T)", 720, "工作磁通密度Bm，T",
     [](R r, size_t) { return r.candidate.fluxText(); }, true},
    {TblDensity, "J(A/mm²)", 900, "初级电流密度J，A/mm²（次级按比例）",
     [](R r, size_t) { return r.candidate.densityText(); }, true},
    {TblBobbin, "骨架", 780, "骨架类型",
     [](R r, size_t) { return bobbinCaption(r.candidate.bobbin); }, false},
    {TblLoadRise, "负载温升(℃)", 1260, "负载运行的开放式温升，K",
     [](R r, size_t) { return r.loadRise; }, true},
    {TblEnclosedRise, "适配器温升(℃)", 1380, "负载运行时装在适配器内的温升，K",
     [](R r, size_t) { return r.enclosedRise; }, true},
    {TblNoLoadRise, "空载温升(℃)", 1260, "空载运行的开放式温升，K",
     [](R r, size_t) { return r.noLoadRise; }, true},
    {TblLoss, "总损耗(W)", 1140, "负载运行的总损耗（铁损加铜损），W",
     [](R r, size_t) { return r.totalLoss; }, true},
    {TblCore, "铁芯重(g)", 1080, "铁芯重量，g",
     [](R r, size_t) { return r.coreWeight; }, true},
    {TblCopper, "铜重(kg)", 1020, "铜线总重，kg",
     [](R r, size_t) { return r.copperWeight; }, true},
    {TblFill, "填充率", 780, "较满的骨架槽中各绕组厚度之和与槽厚之比",
     [](R r, size_t) { return r.fill; }, true},
    {TblCost, "成本价(元)", 1200, "成本核算的成本价，元",
     [](R r, size_t) { return r.cost; }, true},
});
// clang-format on

}  // namespace

std::span<const TableColumn> tableColumns() {
  return kColumns;
}

double sortValue(const TableColumn& column, const CandidateResult& result, size_t rank) {
  if (std::string_view(column.field) == TblLamination) return result.candidate.lamination;
  const std::string text = column.text(result, rank);
  return startsWithNumber(text) ? Val(text) : std::numeric_limits<double>::max();
}

}  // namespace corvane::search
