#include "app/forms/about_form.h"

#include "app/forms/about_fields.h"
#include "app/forms/product.h"
#include "model/control_init.h"
#include "model/host.h"

namespace corvane {

namespace {

constexpr const char* kNoSystemInformation = "此时系统信息不可用";

// Controls of the about box: name, kind, caption, place (twips), font size
// (points, 0 for the form's).
struct AboutRow {
  const char* name;
  ControlKind kind;
  const char* caption;
  Geometry geometry;
  double fontSize;
};
constexpr AboutRow kControls[] = {
    {about::lblTitle, ControlKind::Label, product::kTitle, {360, 200, 4800, 420}, 14},
    {about::lblVersion, ControlKind::Label, product::kVersionLine, {360, 700, 4800, 300}, 0},
    {about::lblDescription,
     ControlKind::Label,
     "EI型工频电源变压器设计助手",
     {360, 1020, 4800, 300},
     0},
    {about::cmdOK, ControlKind::CommandButton, "确定", {4080, 1560, 1260, 375}, 0},
    {about::cmdSysInfo, ControlKind::CommandButton, "系统信息(&S)...", {4080, 2040, 1260, 375}, 0},
};

}  // namespace

AboutForm::AboutForm(Workspace& workspace)
    : Form(workspace, kName, std::string("关于 ") + product::kTitle) {
  setSize(5700, 2700);
  for (const AboutRow& row : kControls)
    addControl(row.name, row.kind, titled(row.caption, row.geometry, row.fontSize));
  on(EventKind::Click, about::cmdOK, [this](Control&, const EventArgs&) { hide(); });
  on(EventKind::Click, about::cmdSysInfo,
     [this](Control&, const EventArgs&) { startSystemInformation(host()); });
}

void startSystemInformation(Host& host) {
  if (!host.launchSystemInformation())
    host.showMessage(kNoSystemInformation, MessageIcon::Information, product::kTitle);
}

}  // namespace corvane
