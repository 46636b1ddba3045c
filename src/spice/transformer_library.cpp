#include "spice/transformer_library.h"

#include "spice/leakage.h"
#include "spice/netlist_writer.h"

namespace corvane::spice {

namespace {

constexpr double kMilliPerUnit = 1000;

class LibraryWriter : NetlistWriter {
 public:
  using NetlistWriter::NetlistWriter;

  Outcome<std::string> write() {
    header();
    pinList();
    out_.blank();
    out_.line(".subckt " + names_.subcircuit + " " + joined(m_.pins));
    parameters();
    for (std::size_t i = 0; i < d_.windings.size(); ++i) winding(i);
    couplings();
    out_.line(".ends " + names_.subcircuit);
    return out_.text();
  }

 private:
  static std::string joined(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words) text += (text.empty() ? "" : " ") + word;
    return text;
  }

  void header() {
    out_.comment(names_.program + ": SPICE model of the designed mains transformer");
    out_.comment("design: " + d_.designFile + ", exported " + d_.date);
    out_.comment("core: " + d_.coreName + ", steel " + d_.grade + ", Bm " + num(d_.fluxDensity) +
                 " T");
    std::string supply = "primary 1: U1 " + num(d_.inputVoltage1) + " V";
    if (d_.inputVoltage2 > 0) supply += ", primary 2: U2 " + num(d_.inputVoltage2) + " V";
    out_.comment(supply + ", f " + num(d_.frequency) + " Hz, no-load current I0 " +
                 num(d_.noLoadCurrent) + " A, iron loss Pc " + num(d_.ironLoss) + " W");
    out_.comment("magnetising current Iμ = √(I0² − (Pc/U1)²) = " + num(m_.magnetisingCurrent) +
                 " A, Lm = U1/(2π f Iμ) = " + num(m_.magnetisingInductance) +
                 " H, Rc = U1²/Pc across primary 1");
    out_.comment(
        "leakage referred to primary 1: Llk = μ0 N1² MLT (a1/3 + a2/3 + δ)/w, in one "
        "slot a = builds, δ = tape (" +
        num(d_.tapeLayers) + " layers of " + num(kTapeLayerThickness) +
        " mm) and windings between, w = slot width;");
    out_.comment("  in the two slots of a two-slot bobbin a = slot widths, δ = divider " +
                 num(slotDivider()) + " mm, w = window width c " + num(d_.windowWidth) + " mm");
    out_.comment(
        "coupling to primary 1: k1i = √(1 − Llk/Lm), winding i: Li = Lm (Ni/N1)²/k1i² "
        "(open-circuit voltage U1 Ni/N1); other pairs: kij = √(1 − Llk k1i k1j/Lm)");
  }

  std::string describe(std::size_t i) {
    const WindingDescription& w = d_.windings[i];
    if (w.role == WindingRole::Primary) {
      const bool first = i == 0;
      return w.label + ": primary " + (first ? "1, U1 " : "2, U2 ") +
             num(first ? d_.inputVoltage1 : d_.inputVoltage2) + " V";
    }
    const OutputGroupDescription& g = d_.groups[static_cast<std::size_t>(w.group)];
    return w.label + ": secondary of output group " + g.label + " (" + g.circuit + "), " +
           num(g.windingVoltage) + " V AC specified, " + num(w.loadVoltage) + " V on load";
  }

  void pinList() {
    out_.comment("pins: A start (dot), B finish, M centre tap");
    for (std::size_t i = 0; i < d_.windings.size(); ++i) {
      const std::string& name = m_.windingNames[i];
      std::string pins = name + "A " + name + "B";
      if (isCentreTapped(d_, d_.windings[i])) pins += " " + name + "M";
      out_.comment("  " + pins + "  " + describe(i));
    }
  }

  void parameters() {
    out_.comment(
        "design values: voltages V, frequency Hz, currents A, iron loss W, Bm T, "
        "Lm H, Rc ohm");
    std::string line = ".param UIN1=" + num(d_.inputVoltage1);
    if (d_.inputVoltage2 > 0) line += " UIN2=" + num(d_.inputVoltage2);
    line += " FREQ=" + num(d_.frequency) + " INOLOAD=" + num(d_.noLoadCurrent) +
            " PFE=" + num(d_.ironLoss) + " BMAX=" + num(d_.fluxDensity);
    out_.line(line);
    line =
        ".param IMAGNET=" + num(m_.magnetisingCurrent) + " LMAG=" + num(m_.magnetisingInductance);
    if (m_.coreLossResistance > 0) line += " RCORE=" + num(m_.coreLossResistance);
    out_.line(line);
    out_.comment("turns");
    line = ".param";
    for (std::size_t i = 0; i < d_.windings.size(); ++i)
      line += " N" + m_.windingNames[i] + "=" + num(d_.windings[i].turns);
    out_.line(line);
  }

  void winding(std::size_t i) {
    const WindingDescription& w = d_.windings[i];
    out_.comment(describe(i) + ", " + num(w.turns) + " turns, " + num(w.hotResistance) + " mΩ hot");
    for (const Coil& coil : m_.coils) {
      if (coil.winding != i) continue;
      if (coil.half != 0)
        out_.comment(std::string(coil.half == 1 ? "first" : "second") + " half, " +
                     num(coil.turns) + " turns");
      const std::string inner = "N" + coil.name;
      out_.line("R" + coil.name + " " + coil.from + " " + inner + " " + num(coil.resistance));
      out_.line("L" + coil.name + " " + inner + " " + coil.to + " " + num(coil.inductance));
    }
    if (i == 0 && m_.coreLossResistance > 0) {
      out_.comment("iron loss: Rc = U1²/Pc across primary 1's terminals");
      out_.line("RCORE " + m_.windingNames[0] + "A " + m_.windingNames[0] + "B " +
                num(m_.coreLossResistance));
    }
  }

  void couplings() {
    out_.comment("couplings: the pair's Llk referred to primary 1");
    for (const Coupling& c : m_.couplings) {
      const Coil& a = m_.coils[c.first];
      const Coil& b = m_.coils[c.second];
      out_.comment(d_.windings[a.winding].label + (a.half ? halfMark(a) : "") + " – " +
                   d_.windings[b.winding].label + (b.half ? halfMark(b) : "") + ": Llk " +
                   num(c.leakage * kMilliPerUnit) + " mH");
      out_.line("K" + a.name + "_" + b.name + " L" + a.name + " L" + b.name + " " + num(c.k));
    }
  }
  static std::string halfMark(const Coil& coil) {
    return coil.half == 1 ? " (1st half)" : " (2nd half)";
  }
};

}  // namespace

Outcome<std::string> transformerLibrary(const TransformerDescription& design,
                                        const TransformerModel& model, const NetlistNames& names) {
  return LibraryWriter(design, model, names).write();
}

}  // namespace corvane::spice
