#include "spice/supply_circuit.h"

#include <cmath>
#include <numbers>

#include "spice/diode_model.h"
#include "spice/netlist_writer.h"
#include "spice/rectifier_wiring.h"

namespace corvane::spice {

namespace {

constexpr double kFaradsPerMicrofarad = 1e-6;
// the source's phase in degrees: it starts at its peak
constexpr int kStartAtPeak = 90;

std::string numbered(const char* prefix, int group) {
  return prefix + std::to_string(group + 1);
}

class CircuitWriter : NetlistWriter {
 public:
  using NetlistWriter::NetlistWriter;

  Outcome<std::string> write() {
    out_.comment(names_.program + ": supply circuit of the transformer " + names_.subcircuit +
                 " (" + names_.libraryFile + ")");
    out_.comment("design: " + d_.designFile + ", exported " + d_.date);
    out_.comment("run: ngspice -b " + names_.circuitFile +
                 "  (the measurements close the output; times in s)");
    out_.line(".include " + names_.libraryFile);
    out_.blank();
    mains();
    std::string instance = "XT";
    for (std::size_t i = 0; i < d_.windings.size(); ++i) instance += pinNodes(i);
    out_.comment("the transformer");
    out_.line(instance + " " + names_.subcircuit);
    for (std::size_t i = 0; i < d_.windings.size(); ++i)
      if (d_.windings[i].role == WindingRole::Secondary) output(i);
    out_.blank();
    analysis();
    out_.line(".end");
    return out_.text();
  }

 private:
  bool twoPrimaries() const {
    return d_.windings.size() > 1 && d_.windings[1].role == WindingRole::Primary;
  }
  const OutputGroupDescription& groupOf(std::size_t i) const {
    return d_.groups[static_cast<std::size_t>(d_.windings[i].group)];
  }
  const RectifierWiring& wiringOf(std::size_t i) const {
    return *findRectifierWiring(groupOf(i).circuit);
  }

  void mains() {
    double volts = d_.inputVoltage1;
    if (twoPrimaries()) {
      volts += d_.inputVoltage2;
      out_.comment("mains: U1 + U2 = " + num(volts) + " V RMS, " + num(d_.frequency) +
                   " Hz, on the two primaries in series (P1B to P2A), starting at its peak");
    } else {
      out_.comment("mains: U1 = " + num(volts) + " V RMS, " + num(d_.frequency) +
                   " Hz, starting at its peak");
    }
    out_.line("VMAINS MAINS 0 SIN(0 " + num(volts * std::numbers::sqrt2) + " " + num(d_.frequency) +
              " 0 0 " + std::to_string(kStartAtPeak) + ")");
  }

  // The circuit's nodes on the pins of winding i, each with a blank before it.
  std::string pinNodes(std::size_t i) {
    const WindingDescription& w = d_.windings[i];
    const std::string& name = m_.windingNames[i];
    if (w.role == WindingRole::Primary) {
      if (i == 0) return twoPrimaries() ? " MAINS PMID" : " MAINS 0";
      return " PMID 0";
    }
    const std::string out = numbered("OUT", w.group);
    switch (wiringOf(i).rectifier) {
      case Rectifier::None:
        return " " + out + " 0";
      case Rectifier::HalfWave:
        return " " + name + "A 0";
      case Rectifier::CentreTap:
        return " " + name + "A " + name + "B 0";
      case Rectifier::Bridge:
        return " " + name + "A " + name + "B";
    }
    return {};
  }

  void output(std::size_t i) {
    const WindingDescription& w = d_.windings[i];
    const OutputGroupDescription& g = groupOf(i);
    const RectifierWiring& wiring = wiringOf(i);
    const std::string& name = m_.windingNames[i];
    const std::string out = numbered("OUT", w.group);
    out_.blank();
    out_.comment("output group " + g.label + " on " + w.label + ": " + g.circuit + ", diode " +
                 g.diode + ", " + num(g.outputVoltage) + " V / " + num(g.outputCurrent) + " A");
    if (wiring.rectifier != Rectifier::None) diodes(w.group, wiring.rectifier, name, out, g);
    if (wiring.capacitorInput) {
      if (g.capacitance > 0) {
        out_.comment("reservoir capacitor: the lower end of the recommended range, " +
                     num(g.capacitance) + " µF");
        out_.line(numbered("C", w.group) + " " + out + " 0 " +
                  num(g.capacitance * kFaradsPerMicrofarad));
      } else {
        out_.comment("no reservoir capacitor: the electrical form recommends none");
      }
    }
    if (g.outputVoltage > 0 && g.outputCurrent > 0) {
      out_.comment("load: Udc / Idc");
      out_.line(numbered("RLOAD", w.group) + " " + out + " 0 " +
                num(g.outputVoltage / g.outputCurrent));
    } else {
      out_.comment("no rated load: a bleeder keeps the output defined");
      out_.line(numbered("RLOAD", w.group) + " " + out + " 0 " + num(kHighResistance));
    }
  }

  void diodes(int group, Rectifier rectifier, const std::string& name, const std::string& out,
              const OutputGroupDescription& g) {
    const DiodeModel model = diodeFor(g.diodeDrop, g.outputCurrent);
    const std::string modelName = numbered("DMOD", group);
    out_.comment("diodes: " +
                 num(forwardDrop(
                     model, g.outputCurrent > 0 ? g.outputCurrent : kFittingCurrentWithoutLoad)) +
                 " V forward at the group's current");
    out_.line(".model " + modelName + " D(IS=" + num(model.saturationCurrent) +
              " N=" + num(model.emission) + ")");
    const std::string a = name + "A", b = name + "B";
    int count = 0;
    auto diode = [&](const std::string& anode, const std::string& cathode) {
      out_.line(numbered("D", group) + "_" + std::to_string(++count) + " " + anode + " " + cathode +
                " " + modelName);
    };
    diode(a, out);
    if (rectifier == Rectifier::HalfWave) return;
    diode(b, out);
    if (rectifier == Rectifier::CentreTap) return;
    diode("0", a);
    diode("0", b);
    out_.comment("the winding floats while the diodes block: a high resistance gives it its level");
    out_.line(numbered("RFLOAT", group) + " " + b + " 0 " + num(kHighResistance));
  }

  void analysis() {
    const double cycle = 1 / d_.frequency;
    const double step = cycle / kStepsPerCycle;
    const std::string from = num(cycle * (kSimulatedCycles - kMeasuredCycles));
    const std::string to = num(cycle * kSimulatedCycles);
    out_.comment(std::to_string(kSimulatedCycles) +
                 " mains cycles from rest; the outputs over "
                 "the last " +
                 std::to_string(kMeasuredCycles));
    out_.line(".tran " + num(step) + " " + to + " 0 " + num(step) + " uic");
    auto measure = [&](const std::string& what, const std::string& kind, const std::string& of) {
      out_.line(".meas tran " + what + " " + kind + " " + of + " from=" + from + " to=" + to);
    };
    for (const WindingDescription& w : d_.windings) {
      if (w.role != WindingRole::Secondary) continue;
      const std::string node = "v(" + numbered("OUT", w.group) + ")";
      const OutputGroupDescription& g = d_.groups[static_cast<std::size_t>(w.group)];
      if (findRectifierWiring(g.circuit)->rectifier == Rectifier::None) {
        out_.comment(g.label + ": RMS output voltage, V");
        measure(acVoltageMeasurement(w.group), "RMS", node);
      } else {
        out_.comment(g.label + ": average DC voltage and peak-to-peak ripple, V");
        measure(dcVoltageMeasurement(w.group), "AVG", node);
        measure(rippleMeasurement(w.group), "PP", node);
      }
    }
    out_.comment("RMS current from the mains, A");
    measure(kMainsCurrentMeasurement, "RMS", "i(VMAINS)");
  }
};

}  // namespace

std::string dcVoltageMeasurement(int group) {
  return numbered("VDC", group);
}
std::string rippleMeasurement(int group) {
  return numbered("RIPPLE", group);
}
std::string acVoltageMeasurement(int group) {
  return numbered("VRMS", group);
}

Outcome<std::string> supplyCircuit(const TransformerDescription& design,
                                   const TransformerModel& model, const NetlistNames& names) {
  return CircuitWriter(design, model, names).write();
}

}  // namespace corvane::spice
