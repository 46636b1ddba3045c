#include "operating/capacitor_rating.h"

namespace corvane::operating {

std::optional<double> capacitorRating(double voltage) {
  for (double rating : kCapacitorVoltageRatings)
    if (rating >= voltage) return rating;
  return std::nullopt;
}

}  // namespace corvane::operating
