// A print surface that records every print operation as one line of text, in
// call order, instead of putting ink on paper. Reports printed through it can
// be compared line by line in tests and in scripted runs:
//
//   scale X1 Y1 X2 Y2
//   font NAME SIZE            (after every font name or size setting)
//   print X Y ITEM...         (X, Y: the position when the call starts; each
//                              ITEM a quoted text or `gap N`)
//   line X1 Y1 X2 Y2 R,G,B
//   picture NAME X Y W H
//   formimage FORM
//   newpage
//   enddoc
//
// Numbers are in general format, page units of the current scale (mm after
// the usual A4 scale). In a quoted text `"` and `\` are escaped with a
// backslash and a line break is written `\n`, so every operation stays one
// line. With a file path the listing is written (UTF-8, LF) only at enddoc,
// through a temporary file renamed into place: a job that is abandoned or
// fails leaves no file, and never a half-written one. A failed write is the
// job's failure() as well.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/print_surface.h"

namespace corvane {

class RecordingPrinter : public PrintSurface {
 public:
  using ErrorSink = std::function<void(const std::string& message)>;

  // Records in memory only.
  RecordingPrinter() = default;
  // Records and writes the listing to `path` at enddoc; a failed write is
  // passed to `onWriteError` (the surface itself never throws from enddoc).
  explicit RecordingPrinter(std::string path, ErrorSink onWriteError = {});

  const std::vector<std::string>& lines() const { return lines_; }
  const std::string& path() const { return path_; }
  // The reason the last write failed, "" when it succeeded or none was tried.
  const std::string& writeError() const { return writeError_; }

  // One number as the listing writes it: general format, "nan"/"inf"/"-inf"
  // for a value that is not finite (a recording never aborts a job).
  static std::string number(double value);
  // A text item as the listing writes it, quoted and escaped.
  static std::string quoted(const std::string& text);

  // The listing's file, or "打印记录" for a recording kept in memory.
  std::string deviceName() const override;

 protected:
  void onScale(double x1, double y1, double x2, double y2) override;
  void onFont(const PrintFont& font) override;
  void onPrintCall(double x, double y, const std::vector<PrintItem>& items) override;
  void drawText(double, double, const std::string&) override {}
  void drawLine(double x1, double y1, double x2, double y2, Rgb color) override;
  void drawPicture(const Picture& picture, const std::string& name, double x, double y,
                   double width, double height) override;
  void drawFormImage(Form& form) override;
  void startNewPage() override;
  void finish() override;

 private:
  void writeFile();

  std::string path_;
  ErrorSink onWriteError_;
  std::string writeError_;
  std::vector<std::string> lines_;
};

}  // namespace corvane
