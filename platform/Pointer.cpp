#include "platform/Pointer.h"

#include <QCursor>
#include <QWidget>

namespace {

class WidgetPointer : public PointerControl {
 public:
  explicit WidgetPointer(QWidget& widget) : widget_(widget) {}

  void SetHidden(bool hidden) override {
    if (hidden)
      widget_.setCursor(Qt::BlankCursor);
    else
      widget_.unsetCursor();
  }

  void MoveTo(TPoint point) override {
    QCursor::setPos(widget_.mapToGlobal(QPoint(point.x, point.y)));
  }

 private:
  QWidget& widget_;
};

}  // namespace

std::unique_ptr<PointerControl> CreateWidgetPointer(QWidget& widget) {
  return std::make_unique<WidgetPointer>(widget);
}
