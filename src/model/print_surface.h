// The print surface every report prints through: a page in millimetres of an
// A4 sheet (after Scale (0, 0)-(210, 290)), a current position that is the
// top-left corner of the next text, Print with items and separator gaps ending
// in a line feed, lines, pictures, form images, new pages and EndDoc. A
// report longer than a page asks for a new page; a backend that fails
// (a printer error, a file that cannot be written) says so through failure(),
// and takes no more output. Backends (the
// system printer, a PDF file, a recording for tests) only draw; the position
// rules live here so that every backend lays a page out alike.
#pragma once

#include <string>
#include <vector>

#include "model/color.h"

namespace corvane {

class Form;
class Picture;
class Translator;

struct PrintItem {
  enum class Kind { Text, Gap };
  Kind kind = Kind::Text;
  std::string text;
  int count = 0;  // Gap: width in average character widths of the current font
  // Text: where a translation looks the text up; "" for the reports' own
  // texts, a form's words context for the words it wrote into a field
  std::string context;

  PrintItem(std::string t) : text(std::move(t)) {}  // NOLINT: items read like Print's list
  PrintItem(const char* t) : text(t) {}             // NOLINT
  static PrintItem gap(int count) {
    PrintItem item("");
    item.kind = Kind::Gap;
    item.count = count;
    return item;
  }
};

struct PrintFont {
  std::string name = "宋体";
  double size = 9;  // points
};

class PrintSurface {
 public:
  virtual ~PrintSurface() = default;

  void scale(double x1, double y1, double x2, double y2);
  void setFontName(const std::string& name);
  void setFontSize(double points);
  const PrintFont& font() const { return font_; }
  double currentX() const { return x_; }
  double currentY() const { return y_; }
  void setCurrentX(double x) { x_ = x; }
  void setCurrentY(double y) { y_ = y; }

  // Prints the items left to right from the current position; with
  // `lineFeed` the position then goes to the start of the next line.
  void print(const std::vector<PrintItem>& items, bool lineFeed = true);
  // The same from (x, y).
  void printAt(double x, double y, const std::vector<PrintItem>& items);
  // One cell of a printed table at (x, y): an empty text prints nothing, as
  // a form's field left empty shows nothing. A field that holds the form's
  // words gives their context (wordsContext), so they read as on screen.
  void printCell(double x, double y, const std::string& text, const std::string& context = "");
  void line(double x1, double y1, double x2, double y2, Rgb color = colors::kBlack);
  void paintPicture(const Picture& picture, const std::string& name, double x, double y,
                    double width, double height);
  void printForm(Form& form);
  // Ends the page and starts the next one; the position goes to the top-left
  // corner of the new page. Scale and font stay.
  void newPage();
  // Releases the page (a failed job is discarded instead); a surface takes no
  // more output afterwards.
  void endDoc();
  bool ended() const { return ended_; }

  // The language the page speaks: every text item printed from now on is
  // shown as `translator` gives it (the reports' context); none prints the
  // texts as the reports give them. The translator outlives the surface.
  void translateWith(const Translator* translator) { translator_ = translator; }

  // The printer or file the job goes to, as the user knows it.
  virtual std::string deviceName() const = 0;
  // Why the job failed, "" while it has not. The first reason stays.
  const std::string& failure() const { return failure_; }
  bool failed() const { return !failure_.empty(); }

  // Height of one text line in page units (a line of the current font).
  double lineHeight() const;
  // Width of a Print list of items in the current font, in page units.
  double width(const std::vector<PrintItem>& items) const;

 protected:
  // Backend hooks. Coordinates are page units of the current scale.
  virtual void onScale(double x1, double y1, double x2, double y2) = 0;
  virtual void onFont(const PrintFont& font) = 0;
  virtual void onPrintCall(double x, double y, const std::vector<PrintItem>& items) = 0;
  virtual void drawText(double x, double y, const std::string& text) = 0;
  virtual void drawLine(double x1, double y1, double x2, double y2, Rgb color) = 0;
  virtual void drawPicture(const Picture& picture, const std::string& name, double x, double y,
                           double width, double height) = 0;
  virtual void drawFormImage(Form& form) = 0;
  virtual void startNewPage() = 0;
  virtual void finish() = 0;
  // Width of a text in page units; the default is the typographic estimate
  // (full-width characters one em, others half an em).
  virtual double textWidth(const std::string& text) const;
  double pointsToPageUnits(double points) const;
  // A backend reports a failure; the surface then takes no more output.
  void fail(std::string reason);

 private:
  // The items as the page's language prints them.
  std::vector<PrintItem> shown(const std::vector<PrintItem>& items) const;

  PrintFont font_;
  double x_ = 0;
  double y_ = 0;
  double scaleLeft_ = 0, scaleTop_ = 0, scaleRight_ = 210, scaleBottom_ = 290;
  bool ended_ = false;
  std::string failure_;
  const Translator* translator_ = nullptr;
};

}  // namespace corvane
