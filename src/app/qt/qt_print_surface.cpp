#include "app/qt/qt_print_surface.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <algorithm>

#include "app/qt/form_view.h"
#include "app/qt/qt_convert.h"
#include "app/qt/qt_drawing.h"
#include "model/form.h"
#include "model/picture.h"

namespace corvane {

namespace {

// mm of white round a form image, so its frame is never cut at the paper edge
constexpr double kFormImageMarginMm = 10;

// A4 with 3.5 mm above and below: a printable area of 210 × 290 mm.
QPageLayout a4Report() {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 3.5, 0, 3.5),
                     QPageLayout::Millimeter);
}

constexpr double kLineWidthMm = 0.2;
constexpr double kPictureTextPoints = 9;
constexpr double kTwipsPerMm = 1440 / 25.4;
constexpr double kScreenDotsPerInch = 96;

class PdfSurface : public QtPageSurface {
 public:
  explicit PdfSurface(const QString& path) : file_(path) {}
  ~PdfSurface() override { endPainting(); }  // an unfinished page leaves no file

  std::string deviceName() const override { return toStd(file_.fileName()); }
  QString openError() const { return file_.errorString(); }

  bool start() {
    if (!file_.open(QIODevice::WriteOnly)) return false;
    writer_ = std::make_unique<QPdfWriter>(&file_);
    writer_->setPageLayout(a4Report());
    writer_->setCreator(QStringLiteral("Corvane"));
    double dpi = writer_->resolution();
    return begin(*writer_, writer_->pageLayout().paintRectPixels(dpi).size(), dpi);
  }

 protected:
  void release() override {
    if (!file_.commit()) fail(toStd(file_.errorString()));
  }

 private:
  QSaveFile file_;
  std::unique_ptr<QPdfWriter> writer_;
};

class PrinterSurface : public QtPageSurface {
 public:
  explicit PrinterSurface(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {}
  ~PrinterSurface() override {
    if (painter_.isActive()) printer_->abort();  // a report that stopped prints nothing
    endPainting();
  }

  std::string deviceName() const override {
    if (printer_->outputFormat() == QPrinter::PdfFormat && !printer_->outputFileName().isEmpty())
      return toStd(printer_->outputFileName());
    QString name = printer_->printerName();
    return name.isEmpty() ? std::string("打印机") : toStd(name);
  }

  bool start() {
    printer_->setPageLayout(a4Report());  // the printer keeps its own wider margins if it must
    double dpi = printer_->resolution();
    return begin(*printer_, printer_->pageLayout().paintRectPixels(dpi).size(), dpi);
  }

 protected:
  void release() override {
    if (printer_->printerState() == QPrinter::Error) fail("打印机报告错误，打印作业未完成");
  }

 private:
  std::unique_ptr<QPrinter> printer_;
};

}  // namespace

bool QtPageSurface::begin(QPagedPaintDevice& device, QSizeF printable, double dotsPerInch) {
  device_ = &device;
  printable_ = printable;
  dotsPerInch_ = dotsPerInch;
  if (!painter_.begin(&device)) return false;
  painter_.setRenderHint(QPainter::Antialiasing);
  scale(0, 0, 210, 290);
  onFont(font());
  return true;
}

void QtPageSurface::endPainting() {
  if (painter_.isActive()) painter_.end();
}

void QtPageSurface::startNewPage() {
  if (!device_ || !device_->newPage()) fail("无法开始新的一页");
}

void QtPageSurface::finish() {
  if (painter_.isActive() && !painter_.end()) fail("页面无法完成");
  release();
}

void QtPageSurface::onScale(double x1, double y1, double x2, double y2) {
  if (x1 == x2 || y1 == y2) return;
  left_ = x1;
  top_ = y1;
  unitX_ = printable_.width() / (x2 - x1);
  unitY_ = printable_.height() / (y2 - y1);
}

QPointF QtPageSurface::toDevice(double x, double y) const {
  return {(x - left_) * unitX_, (y - top_) * unitY_};
}

// The painter draws in device pixels, so a point size is a true point size.
void QtPageSurface::onFont(const PrintFont& font) {
  font_ = QFont(toQString(font.name));
  font_.setPointSizeF(font.size > 0 ? font.size : kPictureTextPoints);
  if (painter_.isActive()) painter_.setFont(font_);
}

double QtPageSurface::textWidth(const std::string& text) const {
  if (!painter_.isActive() || unitX_ == 0) return PrintSurface::textWidth(text);
  QFontMetricsF metrics(font_, painter_.device());
  return metrics.horizontalAdvance(toQString(text)) / std::fabs(unitX_);
}

// The text's top is where the ink of a full-height character begins, as on
// the faces the reports were laid out for; the substitute CJK face has a
// taller ascent than its characters, which would push every line down into
// the rule below it.
void QtPageSurface::drawText(double x, double y, const std::string& text) {
  QFontMetricsF metrics(font_, painter_.device());
  const double inkTop = -metrics.tightBoundingRect(QStringLiteral("变国")).top();
  painter_.setFont(font_);
  painter_.setPen(Qt::black);
  painter_.drawText(toDevice(x, y) + QPointF(0, inkTop), toQString(text));
}

void QtPageSurface::drawLine(double x1, double y1, double x2, double y2, Rgb color) {
  QPen pen(toQColor(color));
  pen.setWidthF(millimetres(kLineWidthMm));
  painter_.setPen(pen);
  painter_.drawLine(toDevice(x1, y1), toDevice(x2, y2));
}

// The picture is drawn again at the page's resolution, so its lines stay
// sharp and its texts stay texts.
void QtPageSurface::drawPicture(const Picture& picture, const std::string&, double x, double y,
                                double width, double height) {
  QRectF target(toDevice(x, y), toDevice(x + width, y + height));
  target = target.normalized();
  double widthMm = target.width() * 25.4 / dotsPerInch_;
  double heightMm = target.height() * 25.4 / dotsPerInch_;
  painter_.save();
  painter_.setClipRect(target);
  QFont text(QStringLiteral("宋体"));
  text.setPointSizeF(kPictureTextPoints);
  painter_.setFont(text);
  QColor back = toQColor(picture.backColor());
  painter_.fillRect(target, back);
  QtDrawing drawing(painter_, target, QRectF(0, 0, widthMm * kTwipsPerMm, heightMm * kTwipsPerMm),
                    back, millimetres(kLineWidthMm));
  picture.replay(drawing);
  painter_.restore();
}

// The form's image at its size on the screen, inside a margin of the page,
// made smaller where it would not fit beside the current position.
void QtPageSurface::drawFormImage(Form& form) {
  std::unique_ptr<FormView> temporary;
  FormView* view = FormView::find(form);
  if (!view) {
    // no window shows the form (a scripted run): lay it out just for the page
    temporary = std::make_unique<FormView>(form);
    view = temporary.get();
  }
  QWidget* canvas = view->canvas();
  if (canvas->width() <= 0 || canvas->height() <= 0) return;
  const double margin = millimetres(kFormImageMarginMm);
  QPointF origin = toDevice(currentX(), currentY());
  origin = {std::max(origin.x(), margin), std::max(origin.y(), margin)};
  double scale = dotsPerInch_ / kScreenDotsPerInch;
  scale = std::min({scale, (printable_.width() - margin - origin.x()) / canvas->width(),
                    (printable_.height() - margin - origin.y()) / canvas->height()});
  if (scale <= 0) return;
  painter_.save();
  painter_.translate(origin);
  painter_.scale(scale, scale);
  canvas->render(&painter_, QPoint(), QRegion(),
                 QWidget::DrawWindowBackground | QWidget::DrawChildren);
  painter_.restore();
}

std::unique_ptr<PrintSurface> makePdfSurface(const std::string& path, std::string* why) {
  auto surface = std::make_unique<PdfSurface>(toQString(path));
  if (!surface->start()) {
    if (why) *why = toStd(surface->openError());
    return nullptr;
  }
  return surface;
}

std::unique_ptr<PrintSurface> makePrinterSurface(std::unique_ptr<QPrinter> printer) {
  auto surface = std::make_unique<PrinterSurface>(std::move(printer));
  if (!surface->start()) return nullptr;
  return surface;
}

}  // namespace corvane
