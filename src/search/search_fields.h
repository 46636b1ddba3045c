// The names of the automatic-design form's controls, declared once; its
// layout, its reactions and the script driver use them.
#pragma once

namespace corvane::searchform {

// --- the search space
inline constexpr const char* FrmSpace = "FrmSpace";              // frame "搜索范围"
inline constexpr const char* TxtLaminations = "TxtLaminations";  // "全部" or EI48,EI57,…
inline constexpr const char* TxtGrades = "TxtGrades";            // steel grades, G1,G2,…
inline constexpr const char* TxtStackMin = "TxtStackMin";        // stack range: ×a or mm
inline constexpr const char* TxtStackMax = "TxtStackMax";
inline constexpr const char* TxtStackStep = "TxtStackStep";
inline constexpr const char* OptStackRatio = "OptStackRatio";  // the stack in multiples of a
inline constexpr const char* OptStackMm = "OptStackMm";        // the stack in mm
inline constexpr const char* TxtFluxMin = "TxtFluxMin";        // flux density range, T
inline constexpr const char* TxtFluxMax = "TxtFluxMax";        // empty: the grade's rating
inline constexpr const char* TxtFluxStep = "TxtFluxStep";
inline constexpr const char* TxtJMin = "TxtJMin";  // primary current density range, A/mm²
inline constexpr const char* TxtJMax = "TxtJMax";
inline constexpr const char* TxtJStep = "TxtJStep";
inline constexpr const char* TxtJRatio = "TxtJRatio";        // secondary over primary density
inline constexpr const char* ChkSingle = "ChkSingle";        // 工字 bobbins
inline constexpr const char* ChkDouble = "ChkDouble";        // 王字 bobbins
inline constexpr const char* ChkDrawer = "ChkDrawer";        // 抽屉式 bobbins
inline constexpr const char* CmbObjective = "CmbObjective";  // 成本最低, 损耗最低, 重量最低
inline constexpr const char* LblCount = "LblCount";          // how many candidates the space holds

// --- commands and progress
inline constexpr const char* CmdStart = "CmdStart";          // "开始搜索"
inline constexpr const char* CmdStop = "CmdStop";            // "停止"
inline constexpr const char* CmdAdopt = "CmdAdopt";          // "采用"
inline constexpr const char* CmdExportCsv = "CmdExportCsv";  // "导出CSV"
inline constexpr const char* PrgSearch = "PrgSearch";      // per cent done; its caption the count,
                                                           // best cost and time left
inline constexpr const char* TmrProgress = "TmrProgress";  // polls the search's threads

// --- the plot of cost price against load rise
inline constexpr const char* PicPlot = "PicPlot";

// --- the table of the best feasible designs: a header label per column,
// and one control array per column, one element per row 0..49
inline constexpr const char* TblHead = "TblHead";
inline constexpr const char* TblRank = "TblRank";              // rank by the objective
inline constexpr const char* TblId = "TblId";                  // the candidate's number
inline constexpr const char* TblLamination = "TblLamination";  // EI48
inline constexpr const char* TblStack = "TblStack";            // mm
inline constexpr const char* TblGrade = "TblGrade";
inline constexpr const char* TblFlux = "TblFlux";                  // T
inline constexpr const char* TblDensity = "TblDensity";            // A/mm²
inline constexpr const char* TblBobbin = "TblBobbin";              // 工字, 王字, 抽屉式
inline constexpr const char* TblLoadRise = "TblLoadRise";          // K
inline constexpr const char* TblEnclosedRise = "TblEnclosedRise";  // K
inline constexpr const char* TblNoLoadRise = "TblNoLoadRise";      // K
inline constexpr const char* TblLoss = "TblLoss";                  // W
inline constexpr const char* TblCore = "TblCore";                  // core weight, g
inline constexpr const char* TblCopper = "TblCopper";              // copper weight, kg
inline constexpr const char* TblFill = "TblFill";                  // the fuller slot's fill
inline constexpr const char* TblCost = "TblCost";                  // cost price, 元

}  // namespace corvane::searchform
