// The names of the operating-analysis form's controls, declared once; its
// layout, its calculation, its report and the script driver use them.
#pragma once

#include <string>
#include <string_view>

namespace corvane::operatingform {

// --- frames and captions
inline constexpr const char* FrameMains = "FrameMains";    // frame "电网电压工况"
inline constexpr const char* FrameGroups = "FrameGroups";  // frame "各输出组空载直流电压"
inline constexpr const char* FrameLoad = "FrameLoad";      // frame "部分负载效率"
inline constexpr const char* FrameAdapter = "FrameAdapter";  // frame "六级能效（外部电源）"
inline constexpr const char* LblTolerance = "LblTolerance";          // caption "电网波动±%"
inline constexpr const char* LblMainsVoltage = "LblMainsVoltage";    // caption "电网电压(V)"
inline constexpr const char* LblFluxDensity = "LblFluxDensity";      // caption "磁通密度Bm(T)"
inline constexpr const char* LblIronLoss = "LblIronLoss";            // caption "铁损(W)"
inline constexpr const char* LblNoLoadCurrent = "LblNoLoadCurrent";  // caption "空载电流I0(A)"
inline constexpr const char* LblLoadRise = "LblLoadRise";          // caption "开放式温升(℃)"
inline constexpr const char* LblEnclosedRise = "LblEnclosedRise";  // caption "适配器温升(℃)"
inline constexpr const char* LblVerdict = "LblVerdict";            // caption "满载温升判定"
inline constexpr const char* LblOutputPower = "LblOutputPower";    // caption "输出功率(W)"
inline constexpr const char* LblLosses = "LblLosses";              // caption "损耗(W)"
inline constexpr const char* LblEfficiency = "LblEfficiency";      // caption "效率(%)"
inline constexpr const char* LblAverage = "LblAverage";            // caption "平均效率(%)"
// caption "要求不低于(%)"
inline constexpr const char* LblRequiredEfficiency = "LblRequiredEfficiency";
inline constexpr const char* LblNoLoadPower = "LblNoLoadPower";  // caption "空载输入功率(W)"
inline constexpr const char* LblRequiredNoLoad = "LblRequiredNoLoad";  // caption "要求不高于(W)"
inline constexpr const char* LblAdapterClass = "LblAdapterClass";      // caption "适配器类别"
inline constexpr const char* LblAdapterVerdict = "LblAdapterVerdict";  // caption "能效判定"

// The caption over a column of the groups' table: "Head" and the column's
// field ("HeadGroupName").
inline std::string columnHead(std::string_view column) {
  return "Head" + std::string(column);
}

inline constexpr const char* MainsTolerance = "MainsTolerance";  // ± mains variation, %
inline constexpr const char* CmdCalculate = "CmdCalculate";      // "计算"
inline constexpr const char* CmdPrint = "CmdPrint";              // "打印"

// --- the mains columns k = 0, 1, 2: low, nominal, high mains
inline constexpr const char* MainsHeader = "MainsHeader";      // column caption
inline constexpr const char* MainsVoltage = "MainsVoltage";    // supply, V
inline constexpr const char* FluxDensity = "FluxDensity";      // no-load flux density, T
inline constexpr const char* IronLoss = "IronLoss";            // W
inline constexpr const char* NoLoadCurrent = "NoLoadCurrent";  // I0, A
inline constexpr const char* LoadRise = "LoadRise";            // open-frame rise at full load, K
inline constexpr const char* EnclosedRise = "EnclosedRise";    // the same in an adapter housing, K
inline constexpr const char* Verdict = "Verdict";              // 安全, 过热 or 严重警告

// --- one row per output group g of the electrical form
inline constexpr const char* GroupName = "GroupName";                // the group's label
inline constexpr const char* GroupCircuit = "GroupCircuit";          // its rectifier circuit
inline constexpr const char* NoLoadOutLow = "NoLoadOutLow";          // V at low mains
inline constexpr const char* NoLoadOutNominal = "NoLoadOutNominal";  // V at nominal mains
inline constexpr const char* NoLoadOutHigh = "NoLoadOutHigh";        // V at high mains
inline constexpr const char* CapacitorRating = "CapacitorRating";    // reservoir rating, V

// --- part load j = 0..3: 25, 50, 75, 100 % load
inline constexpr const char* LoadHeader = "LoadHeader";                // column caption
inline constexpr const char* OutputPower = "OutputPower";              // W
inline constexpr const char* Losses = "Losses";                        // W
inline constexpr const char* Efficiency = "Efficiency";                // %
inline constexpr const char* AverageEfficiency = "AverageEfficiency";  // %
inline constexpr const char* NoLoadInputPower = "NoLoadInputPower";    // W
inline constexpr const char* AdapterClass = "AdapterClass";  // 基本电压, 交流输出, …
inline constexpr const char* RequiredEfficiency = "RequiredEfficiency";    // %
inline constexpr const char* RequiredNoLoadPower = "RequiredNoLoadPower";  // W
inline constexpr const char* AdapterVerdict = "AdapterVerdict";  // 满足六级能效 or not
inline constexpr const char* AdapterNote = "AdapterNote";        // where the levels apply

}  // namespace corvane::operatingform
