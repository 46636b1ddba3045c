#include "app/forms/help_form.h"

#include "app/forms/help_fields.h"
#include "app/forms/product.h"

namespace corvane {

namespace {

struct Chapter {
  const char* form;
  const char* anchor;
};
// form, its chapter's anchor in the manual
constexpr Chapter kChapters[] = {
    {forms::kElectrical, "electrical"}, {forms::kCore, "core"},
    {forms::kBobbin, "bobbin"},         {forms::kStructure, "structure"},
    {forms::kOperating, "operating"},   {forms::kCost, "cost"},
    {forms::kWireTools, "wiretools"},
};
constexpr const char* kOverview = "start";

}  // namespace

std::string_view helpChapterOf(std::string_view formName) {
  for (const Chapter& chapter : kChapters)
    if (formName == chapter.form) return chapter.anchor;
  return kOverview;
}

HelpForm::HelpForm(Workspace& workspace)
    : Form(workspace, kName, std::string("帮助 - ") + product::kTitle) {
  setSize(12000, 9000);
  ControlInit chapter;
  chapter.text = kOverview;
  chapter.visible = false;  // the window shows the chapter, not its name
  chapter.toolTip = "帮助窗口显示的章节";
  addControl(help::TxtChapter, ControlKind::TextBox, chapter);
}

void HelpForm::openChapterOf(std::string_view formName) {
  control(help::TxtChapter).setText(std::string(helpChapterOf(formName)));
  show();
}

std::string missingManualText(const std::string& path) {
  return "找不到用户手册“" + path + "”。";
}

}  // namespace corvane
