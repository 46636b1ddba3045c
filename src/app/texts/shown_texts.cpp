#include "app/texts/shown_texts.h"

#include "app/texts/file_reason_samples.h"
#include "bobbin/bobbin_types.h"
#include "model/control.h"
#include "model/empty_field_reason.h"
#include "model/form.h"
#include "model/form_names.h"
#include "model/step_label.h"
#include "model/workspace.h"
#include "operating/frmoperating.h"
#include "search/search_progress.h"

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

void askForFormTexts(Workspace& workspace, const Translator& translator) {
  for (const std::string& name : workspace.formNames()) {
    Form& form = workspace.form(name);
    auto ask = [&](const std::string& text) { translateComposed(translator, name, text); };
    ask(form.caption());
    if (const auto* reasons = dynamic_cast<const EmptyFieldReasonSource*>(&form))
      for (const std::string& reason : reasons->everyEmptyFieldReason()) ask(reason);
    for (const Control* control : form.allControls()) {
      form.shownCaption(*control, translator);
      ask(control->toolTip());
      ask(emptyFieldReasonOf(*control));
      for (const std::string& item : control->items()) ask(item);
      // a status panel's text is the program's; a field's is a design value
      if (control->kind() == ControlKind::StatusPanel) ask(control->text());
      if (control->content() == Control::Content::Words)
        translateComposed(translator, wordsContext(name), control->text());
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
  for (const bobbin::BobbinType& type : bobbin::kBobbinTypes)
    translateComposed(translator, wordsContext(forms::kBobbin), type.typeText);
  for (const std::string& progress : search::progressSamples()) ask(forms::kSearch, progress);
  for (const std::string& reason : fileReasonSamples()) ask(text_contexts::kMessage, reason);
}

}  // namespace corvane
