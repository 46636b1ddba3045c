// The names of the operating-analysis form's controls, declared once; its
// layout, its calculation, its report and the script driver use them.
#pragma once

namespace corvane::operatingform {

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
