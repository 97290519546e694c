#include "platform/Printer.h"

#include <QPrintDialog>
#include <QPrinter>

#include "platform/Error.h"
#include "platform/QtCanvas.h"

Canvas& BitmapPrinter::BeginDoc() {
  page_.resize(width_, height_, 0xFFFFFF);
  page_.fill(0xFFFFFF);
  canvas_ = CreateBitmapCanvas(page_);
  return *canvas_;
}

void BitmapPrinter::EndDoc() {
  canvas_.reset();
  ++ended_;
}

namespace {

class WindowPrinter : public Printer {
 public:
  WindowPrinter() : printer_(QPrinter::HighResolution) {}
  WindowPrinter(const std::string& pdfFile, int dotsPerInch) {
    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setOutputFileName(QString::fromLocal8Bit(pdfFile.c_str()));
    printer_.setPageSize(QPageSize(QPageSize::A4));
    printer_.setResolution(dotsPerInch);
  }
  QPrinter& Device() { return printer_; }

  int PageWidth() const override { return Printable().width(); }
  int PageHeight() const override { return Printable().height(); }
  Canvas& BeginDoc() override {
    canvas_ = std::make_unique<QtCanvas>(&printer_);
    // A printer or file that cannot be opened leaves the painter inactive;
    // that must not pass for a printed page.
    if (!canvas_->painter().isActive()) {
      canvas_.reset();
      throw FileError("The printer could not start the document");
    }
    return *canvas_;
  }
  void EndDoc() override { canvas_.reset(); }  // ending the painter ends the job

 private:
  QRect Printable() const { return printer_.pageLayout().paintRectPixels(printer_.resolution()); }

  QPrinter printer_;
  std::unique_ptr<QtCanvas> canvas_;
};

}  // namespace

std::unique_ptr<Printer> CreatePdfPrinter(const std::string& fileName, int dotsPerInch) {
  return std::make_unique<WindowPrinter>(fileName, dotsPerInch);
}

std::unique_ptr<Printer> ChoosePrinter(QWidget* parent) {
  auto printer = std::make_unique<WindowPrinter>();
  QPrintDialog dialog(&printer->Device(), parent);
  if (dialog.exec() != QDialog::Accepted) return nullptr;
  return printer;
}
