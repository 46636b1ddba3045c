// Report pages painted with QPainter: a PDF file or the system printer. The
// page scale maps onto the page's printable area, which for A4 is set to
// 210 × 290 mm so that the reports' (0, 0)-(210, 290) scale is millimetres.
// A device that fails (a page that cannot be started, a file that cannot be
// committed, a printer in its error state) is the job's failure().
#pragma once

#include <QFont>
#include <QPainter>
#include <QRectF>
#include <memory>
#include <string>

#include "model/print_surface.h"

class QPagedPaintDevice;
class QPrinter;

namespace corvane {

class QtPageSurface : public PrintSurface {
 protected:
  // Starts the page; `printable` is its printable area in device pixels
  // (the painter's origin is its top-left corner).
  bool begin(QPagedPaintDevice& device, QSizeF printable, double dotsPerInch);
  // Ends the painter without releasing the page (a report that stopped).
  void endPainting();
  // Hands the finished page on (commits the file, sends the job).
  virtual void release() = 0;

  void onScale(double x1, double y1, double x2, double y2) override;
  void onFont(const PrintFont& font) override;
  void onPrintCall(double, double, const std::vector<PrintItem>&) override {}
  void drawText(double x, double y, const std::string& text) override;
  void drawLine(double x1, double y1, double x2, double y2, Rgb color) override;
  void drawPicture(const Picture& picture, const std::string& name, double x, double y,
                   double width, double height) override;
  void drawFormImage(Form& form) override;
  void startNewPage() override;
  void finish() override;
  double textWidth(const std::string& text) const override;

  QPainter painter_;

 private:
  QPointF toDevice(double x, double y) const;
  double millimetres(double mm) const { return mm * dotsPerInch_ / 25.4; }

  QPagedPaintDevice* device_ = nullptr;
  QSizeF printable_;
  double dotsPerInch_ = 1200;
  double left_ = 0, top_ = 0;
  double unitX_ = 1, unitY_ = 1;  // device pixels per page unit
  QFont font_;
};

// A PDF file at `path`, written beside it under a temporary name and put in
// place by EndDoc; nullptr when the file cannot be created, with the reason
// in `why` when given.
std::unique_ptr<PrintSurface> makePdfSurface(const std::string& path, std::string* why = nullptr);
// The printer the user chose in the print dialog.
std::unique_ptr<PrintSurface> makePrinterSurface(std::unique_ptr<QPrinter> printer);

}  // namespace corvane
