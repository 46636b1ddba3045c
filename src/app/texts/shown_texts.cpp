#include "app/texts/shown_texts.h"

#include <algorithm>

#include "app/forms/help_form.h"
#include "app/texts/file_reason_samples.h"
#include "app/texts/reason_samples.h"
#include "bobbin/bobbin_types.h"
#include "bobbin/frmbobbin.h"
#include "bom/frmbomlist.h"
#include "electrical/design_file.h"
#include "model/control.h"
#include "model/empty_field_reason.h"
#include "model/form.h"
#include "model/form_names.h"
#include "model/picture.h"
#include "model/project_file.h"
#include "model/step_label.h"
#include "model/workspace.h"
#include "operating/frmoperating.h"
#include "search/frmsearch.h"
#include "search/replay.h"
#include "search/search_plot.h"
#include "search/search_progress.h"
#include "spice/spice_export.h"

namespace corvane {

// A text noted is given back marked, so that translateComposed takes it as
// translated and asks for none of its phrases on their own.
std::string NotingTranslator::translate(std::string_view context, const std::string& source) const {
  if (!containsCjk(source) || holdsValues(source)) return source;
  auto it = texts_.find(context);
  if (it == texts_.end()) it = texts_.emplace(std::string(context), std::set<std::string>{}).first;
  it->second.insert(source);
  return "[" + source + "]";
}

namespace {

// The texts drawn on a picture whose words are the program's own.
void askForPictureWords(const Picture& picture, const std::string& context,
                        const Translator& translator) {
  for (const DrawOp& op : picture.ops())
    if (op.kind == DrawOp::Kind::Text) translateComposed(translator, context, op.text);
}

// The labels of a file dialog's filter ("Corvane设计文件(*.cvd)|*.cvd|…"),
// without their patterns, as the desktop host asks for them.
std::vector<std::string> filterLabels(std::string_view filter) {
  std::vector<std::string> labels;
  for (size_t start = 0, entry = 0; start <= filter.size(); ++entry) {
    const size_t end = std::min(filter.find('|', start), filter.size());
    std::string part(filter.substr(start, end - start));
    start = end + 1;
    if (entry % 2 == 1) continue;  // the patterns
    if (part.ends_with(')') && part.find('(') != std::string::npos) part.resize(part.rfind('('));
    while (!part.empty() && part.back() == ' ') part.pop_back();
    labels.push_back(part);
  }
  return labels;
}

// The search form's plot before any result and with one of each kind.
void askForSearchPlotWords(const Translator& translator) {
  const std::string context = wordsContext(forms::kSearch);
  Picture empty;
  search::drawSearchPlot(empty, {}, {}, nullptr);
  askForPictureWords(empty, context, translator);
  std::vector<search::CandidateResult> results(2);
  results[0].feasible = true;
  results[0].cost = "12.50";
  results[0].loadRise = "45.0";
  results[1].cost = "9.80";
  results[1].loadRise = "75.0";
  Picture drawn;
  search::drawSearchPlot(drawn, results, {&results[0]}, &results[0]);
  askForPictureWords(drawn, context, translator);
}

}  // namespace

void NotingTranslator::quotedAsIs(std::string_view context, const std::string& name) const {
  if (!containsCjk(name)) return;
  auto it = quoted_.find(context);
  if (it == quoted_.end())
    it = quoted_.emplace(std::string(context), std::set<std::string>{}).first;
  it->second.insert(name);
}

std::vector<std::string> quotedOwnTexts(const NotingTranslator& noted) {
  std::set<std::string> own;
  for (const auto& entry : noted.texts()) own.insert(entry.second.begin(), entry.second.end());
  std::vector<std::string> found;
  constexpr std::string_view kOpen = "\u201C", kClose = "\u201D";
  for (const auto& [context, names] : noted.quoted())
    for (const std::string& name : names) {
      std::string inner = name;
      if (inner.starts_with(kOpen)) inner.erase(0, kOpen.size());
      if (inner.ends_with(kClose)) inner.erase(inner.size() - kClose.size());
      if (own.count(inner)) found.push_back(context + ": " + name);
    }
  return found;
}

void askForFormTexts(Workspace& workspace, const Translator& translator) {
  for (const std::string& name : workspace.formNames()) {
    Form& form = workspace.form(name);
    auto ask = [&](const std::string& text) { translateComposed(translator, name, text); };
    ask(form.caption());
    if (const auto* reasons = dynamic_cast<const EmptyFieldReasonSource*>(&form))
      for (const std::string& reason : reasons->everyEmptyFieldReason()) ask(reason);
    for (Control* control : form.allControls()) {
      form.shownCaption(*control, translator);
      ask(control->toolTip());
      ask(emptyFieldReasonOf(*control));
      for (const std::string& item : control->items()) ask(item);
      // a status panel's text is the program's; a field's is a design value
      if (control->kind() == ControlKind::StatusPanel) ask(control->text());
      if (control->content() == Control::Content::Words) {
        translateComposed(translator, wordsContext(name), control->text());
        if (control->kind() == ControlKind::PictureBox)
          askForPictureWords(control->picture(), wordsContext(name), translator);
      }
    }
    // what the edit menu may call a step on the form
    for (const StepName& step : possibleStepNames(form)) shownStepText(step, translator);
  }
}

void askForGeneratedTexts(Workspace& workspace, const Translator& translator) {
  auto ask = [&](const char* context, const std::string& text) {
    translateComposed(translator, context, text);
  };
  if (auto* operating = dynamic_cast<FrmOperating*>(&workspace.form(forms::kOperating))) {
    for (const std::string& note : operating->notesShown()) ask(forms::kOperating, note);
    for (const std::string& word : operating->wordsShown())
      translateComposed(translator, wordsContext(forms::kOperating), word);
  }
  ask(text_contexts::kMessage, missingManualText("/usr/share/corvane/manual/index.html"));
  for (const char* filter :
       {kProjectFileFilter, kDesignFileFilter, spice::kSpiceFilter, Frmbobbin::kCatalogueFilter,
        FrmSearch::kCsvFilter, FrmBomList::kCsvFilter})
    for (const std::string& label : filterLabels(filter)) ask(text_contexts::kProgram, label);
  // a form's message box takes the form's caption for its title
  for (const std::string& name : workspace.formNames())
    ask(text_contexts::kMessage, workspace.form(name).caption());
  for (const bobbin::BobbinType& type : bobbin::kBobbinTypes) {
    translateComposed(translator, wordsContext(forms::kBobbin), type.typeText);
    ask(text_contexts::kReport, type.typeText);
  }
  // whichever item of a list is chosen, a report may print it
  for (const std::string& name : workspace.formNames())
    for (const Control* control : workspace.form(name).allControls())
      for (const std::string& item : control->items()) ask(text_contexts::kReport, item);
  askForSearchPlotWords(translator);
  for (int bobbin : {search::kSingleSlot, search::kDoubleSlot, search::kDrawer})
    translateComposed(translator, wordsContext(forms::kSearch), search::bobbinCaption(bobbin));
  for (const std::string& progress : search::progressSamples()) ask(forms::kSearch, progress);
  for (const std::string& reason : fileReasonSamples()) ask(text_contexts::kMessage, reason);
  for (const std::string& reason : projectFitSamples(workspace))
    ask(text_contexts::kMessage, reason);
  for (const std::string& reason : catalogueReasonSamples()) {
    ask(forms::kBobbin, reason);
    ask(forms::kBobbin, reason + "；仍使用 /usr/share/corvane/bobbins.db");
  }
  for (const std::string& reason : spiceReasonSamples()) ask(text_contexts::kMessage, reason);
  for (const std::string& reason : searchReasonSamples()) {
    ask(forms::kSearch, reason);
    ask(text_contexts::kMessage, "搜索范围有误：" + reason);
  }
}

}  // namespace corvane
