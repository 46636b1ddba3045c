#include "search/search_options.h"

#include <cmath>

#include "core/lamination_catalogue.h"
#include "core/material_grades.h"
#include "model/ascii.h"
#include "model/value.h"

namespace corvane::search {

namespace {

constexpr int kMostJobs = 256;

// A number written whole: "1.5", "2", "-0.5"; no unit, no blanks inside.
std::optional<double> number(const std::string& text) {
  if (text.empty() || !isWholeNumber(text) || text.find(' ') != std::string::npos)
    return std::nullopt;
  const double value = Val(text);
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  size_t from = 0;
  while (true) {
    const size_t at = text.find(separator, from);
    parts.push_back(text.substr(from, at == std::string::npos ? std::string::npos : at - from));
    if (at == std::string::npos) return parts;
    from = at + 1;
  }
}

Outcome<Steps> steps(const std::string& option, const std::string& text) {
  const std::vector<std::string> parts = split(text, ':');
  const Failure wrong{option + ": \"" + text + "\" is not MIN:MAX:STEP"};
  if (parts.size() != 3) return wrong;
  std::optional<double> min = number(parts[0]), max = number(parts[1]), step = number(parts[2]);
  if (!min || !max || !step) return wrong;
  if (*step <= 0) return Failure{option + ": the step must be above 0"};
  if (*min > *max) return Failure{option + ": the minimum is above the maximum"};
  if (*min <= 0) return Failure{option + ": the values must be above 0"};
  return Steps{*min, *max, *step};
}

Outcome<long> whole(const std::string& option, const std::string& text, long lowest, long highest) {
  std::optional<double> value = number(text);
  if (!value || *value != std::floor(*value) || *value < static_cast<double>(lowest) ||
      *value > static_cast<double>(highest))
    return Failure{option + ": \"" + text + "\" is not a whole number from " +
                   std::to_string(lowest) + " to " + std::to_string(highest)};
  return static_cast<long>(*value);
}

// The comma-separated names of `text`, each looked up by `named`; the first
// that names nothing fails, saying the option and what a name should be.
template <class T, class Lookup>
Outcome<std::vector<T>> namedList(const std::string& text, const char* option, Lookup named,
                                  const char* expected) {
  std::vector<T> values;
  for (const std::string& part : split(text, ',')) {
    std::optional<T> value = named(part);
    if (!value) return Failure{std::string(option) + ": \"" + part + "\" " + expected};
    values.push_back(*value);
  }
  return values;
}

std::optional<int> bobbinNamed(const std::string& text) {
  for (int i = 0; i < static_cast<int>(std::size(kBobbinWords)); ++i)
    if (text == kBobbinWords[i]) return i;
  return std::nullopt;
}

Outcome<std::vector<double>> laminationList(const std::string& text) {
  if (ascii::upper(text) == "ALL") {
    std::vector<double> all;
    for (const core::StandardEiRow& row : core::standardLaminations()) all.push_back(row.length);
    return all;
  }
  return namedList<double>(text, "--laminations", laminationNamed,
                           "is not a standard EI lamination");
}

Outcome<Objective> objective(const std::string& text) {
  if (text == "cost") return Objective::Cost;
  if (text == "loss") return Objective::Loss;
  if (text == "weight") return Objective::Weight;
  return Failure{"--objective: \"" + text + "\" is not cost, loss or weight"};
}

// A whole number from 1 to `highest`, as a `Number`, into the option's field.
template <class Number, class Field>
Outcome<> takeWhole(const std::string& option, const std::string& value, long highest,
                    Field& into) {
  Outcome<long> number = whole(option, value, 1, highest);
  if (!number) return Failure{number.reason()};
  into = static_cast<Number>(number.value());
  return {};
}

// Applies one option with its value to the options read so far.
Outcome<> apply(SearchOptions& o, const std::string& option, const std::string& value) {
  auto take = [](auto outcome, auto& into) -> Outcome<> {
    if (!outcome) return Failure{outcome.reason()};
    into = std::move(outcome.value());
    return {};
  };
  if (option == "--laminations") return take(laminationList(value), o.laminations.emplace());
  if (option == "--stack" || option == "--stack-ratio") {
    o.space.stackRule = option == "--stack" ? StackRule::Millimetres : StackRule::TongueRatio;
    return take(steps(option, value), o.space.stack);
  }
  if (option == "--grades")
    return take(
        namedList<int>(value, "--grades", gradeNamed, "is not a steel grade of the core form"),
        o.grades.emplace());
  if (option == "--flux") {
    Outcome<Steps> flux = steps(option, value);
    if (!flux) return Failure{flux.reason()};
    o.space.fluxMin = flux.value().min;
    o.space.fluxMax = flux.value().max;
    o.space.fluxStep = flux.value().step;
    return {};
  }
  if (option == "--density") return take(steps(option, value), o.space.density);
  if (option == "--density-ratio") {
    std::optional<double> ratio = number(value);
    if (!ratio || *ratio <= 0)
      return Failure{"--density-ratio: \"" + value + "\" is not a number above 0"};
    o.space.densityRatio = *ratio;
    return {};
  }
  if (option == "--bobbins")
    return take(namedList<int>(value, "--bobbins", bobbinNamed, "is not single, double or drawer"),
                o.space.bobbins);
  if (option == "--objective") return take(objective(value), o.space.objective);
  if (option == "--top") return takeWhole<size_t>(option, value, kMostCandidates, o.top);
  if (option == "--jobs") return takeWhole<int>(option, value, kMostJobs, o.jobs);
  if (option == "--csv") {
    if (value.empty()) return Failure{"--csv: the file name is empty"};
    o.csv = value;
    return {};
  }
  if (option == "--replay") return takeWhole<int>(option, value, kMostCandidates, o.replay);
  return Failure{"unknown option " + option};
}

bool takesValue(const std::string& option) {
  for (const char* known :
       {"--laminations", "--stack", "--stack-ratio", "--grades", "--flux", "--density",
        "--density-ratio", "--bobbins", "--objective", "--top", "--jobs", "--csv", "--replay"})
    if (option == known) return true;
  return false;
}

}  // namespace

std::optional<double> laminationNamed(const std::string& text) {
  std::string key = ascii::upper(text);
  if (key.rfind("EI", 0) == 0) key = key.substr(2);
  if (!key.empty() && key[0] == '-') key = key.substr(1);
  std::optional<double> length = number(key);
  if (!length) return std::nullopt;
  for (const core::StandardEiRow& row : core::standardLaminations())
    if (row.length == *length) return row.length;
  return std::nullopt;
}

std::optional<int> gradeNamed(const std::string& text) {
  const std::string wanted = ascii::upper(text);
  int index = 0;
  for (const core::MaterialGrade& grade : core::materialGrades()) {
    for (const char* name : {grade.nippon, grade.jis, grade.kawasaki})
      if (ascii::upper(name) == wanted) return index;
    ++index;
  }
  return std::nullopt;
}

Outcome<SearchOptions> parseSearchOptions(const std::vector<std::string>& arguments) {
  SearchOptions options;
  bool seenStack = false;
  for (size_t i = 0; i < arguments.size(); ++i) {
    std::string argument = arguments[i];
    if (argument == "--help" || argument == "-h") {
      options.help = true;
      continue;
    }
    if (argument == "--all") {
      options.all = true;
      continue;
    }
    if (argument.rfind("--", 0) != 0 || argument == "--") {
      if (argument == "--" && i + 1 < arguments.size()) argument = arguments[++i];
      if (!options.design.empty())
        return Failure{"one design file only: \"" + options.design + "\" and \"" + argument + "\""};
      if (argument.empty()) return Failure{"the design file name is empty"};
      options.design = argument;
      continue;
    }
    std::string value;
    std::string option = argument;
    if (const size_t equals = argument.find('='); equals != std::string::npos) {
      option = argument.substr(0, equals);
      value = argument.substr(equals + 1);
    } else if (takesValue(option)) {
      if (i + 1 >= arguments.size()) return Failure{option + " needs a value"};
      value = arguments[++i];
    }
    if (!takesValue(option)) return Failure{"unknown option " + option};
    if (option == "--stack" || option == "--stack-ratio") {
      if (seenStack) return Failure{option + ": --stack and --stack-ratio exclude each other"};
      seenStack = true;
    }
    if (Outcome<> applied = apply(options, option, value); !applied)
      return Failure{applied.reason()};
  }
  if (options.design.empty() && !options.help) return Failure{"no design file given"};
  return options;
}

const char* searchUsage() {
  return "usage: corvane-search DESIGN [options]\n"
         "  DESIGN                     a design project (.cvd) or design file (.CVN)\n"
         "  --laminations EI48,EI57,…|all   laminations to try (default all)\n"
         "  --stack MIN:MAX:STEP       stack thickness in mm\n"
         "  --stack-ratio MIN:MAX:STEP stack as a multiple of the tongue width a (default "
         "1:2:0.25)\n"
         "  --grades G1,G2,…           steel grades (default the one chosen on the core form)\n"
         "  --flux MIN:MAX:STEP        flux density in T (default 1.00 to the grade's rating by "
         "0.05)\n"
         "  --density MIN:MAX:STEP     current density in A/mm² (default 2:5:0.5)\n"
         "  --density-ratio R          secondary over primary current density (default 1)\n"
         "  --bobbins single,double,drawer   bobbin types (default single,double)\n"
         "  --objective cost|loss|weight     what ranks the feasible designs (default cost)\n"
         "  --top N                    the best N feasible designs only\n"
         "  --all                      every candidate, with the reason it failed\n"
         "  --jobs N                   threads (default one per core)\n"
         "  --csv FILE                 write the table there (default standard output)\n"
         "  --replay ID                print candidate ID's replay script and stop\n";
}

}  // namespace corvane::search
