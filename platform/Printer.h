#pragma once
#include <memory>
#include <string>

#include "platform/Bitmap.h"
#include "platform/Canvas.h"

class QWidget;

// A printer chosen for one document: the printable page in printer pixels
// and a canvas whose origin is the printable area's top-left corner.
class Printer {
 public:
  virtual ~Printer() = default;
  virtual int PageWidth() const = 0;
  virtual int PageHeight() const = 0;
  // Starts the document; the canvas lives until EndDoc.
  virtual Canvas& BeginDoc() = 0;
  virtual void EndDoc() = 0;
};

// Prints onto a white bitmap of the given page size.
class BitmapPrinter : public Printer {
 public:
  BitmapPrinter(int width, int height) : width_(width), height_(height) {}
  int PageWidth() const override { return width_; }
  int PageHeight() const override { return height_; }
  Canvas& BeginDoc() override;
  void EndDoc() override;

  const Bitmap& Page() const { return page_; }
  int DocumentsEnded() const { return ended_; }

 private:
  int width_, height_;
  Bitmap page_;
  std::unique_ptr<Canvas> canvas_;
  int ended_ = 0;
};

// A printer that writes a PDF file, A4 at the given resolution.
std::unique_ptr<Printer> CreatePdfPrinter(const std::string& fileName, int dotsPerInch = 300);

// The window system's print dialog (which may also print to a PDF file);
// nothing when it was cancelled.
std::unique_ptr<Printer> ChoosePrinter(QWidget* parent);
