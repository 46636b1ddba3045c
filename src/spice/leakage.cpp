#include "spice/leakage.h"

#include "bobbin/bobbin_types.h"
#include "spice/transformer_description.h"

namespace corvane::spice {

namespace {

constexpr double kMetresPerMm = 1e-3;

double slotWidth(const TransformerDescription& design, int slot) {
  return slot == 2 ? design.slotWidth2 : design.slotWidth1;
}

}  // namespace

double leakageInductance(double turns, const LeakageChannel& c) {
  const double effectiveThickness = c.build1 / 3 + c.build2 / 3 + c.gap;
  return kVacuumPermeability * turns * turns * (c.meanTurnLength * kMetresPerMm) *
         (effectiveThickness * kMetresPerMm) / (c.breadth * kMetresPerMm);
}

double slotDivider() {
  const bobbin::BobbinType& oneSlot = bobbin::kBobbinTypes[0];
  const bobbin::BobbinType& twoSlots = bobbin::kBobbinTypes[1];
  return twoSlots.flangeAllowance - oneSlot.flangeAllowance;
}

LeakageChannel channelBetween(const TransformerDescription& design, const WindingDescription& one,
                              const WindingDescription& other) {
  LeakageChannel channel;
  channel.meanTurnLength = (one.meanTurnLength + other.meanTurnLength) / 2;
  if (one.slot != other.slot) {
    channel.build1 = slotWidth(design, one.slot);
    channel.build2 = slotWidth(design, other.slot);
    channel.gap = slotDivider();
    channel.breadth = design.windowWidth;
    return channel;
  }
  const WindingDescription& inner = one.position <= other.position ? one : other;
  const WindingDescription& outer = one.position <= other.position ? other : one;
  channel.build1 = inner.thickness;
  channel.build2 = outer.thickness;
  // the tape over every winding from the inner one up to the outer one, and
  // the windings between them
  channel.gap = (outer.position - inner.position) * design.tapeLayers * kTapeLayerThickness;
  for (const WindingDescription& between : design.windings)
    if (between.slot == inner.slot && between.position > inner.position &&
        between.position < outer.position)
      channel.gap += between.thickness;
  channel.breadth = slotWidth(design, inner.slot);
  return channel;
}

LeakageChannel channelBetweenHalves(const TransformerDescription& design,
                                    const WindingDescription& winding) {
  LeakageChannel channel;
  channel.meanTurnLength = winding.meanTurnLength;
  channel.build1 = winding.thickness / 2;
  channel.build2 = winding.thickness / 2;
  channel.breadth = slotWidth(design, winding.slot);
  return channel;
}

}  // namespace corvane::spice
