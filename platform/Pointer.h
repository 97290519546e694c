#pragma once
#include <memory>

#include "platform/Geometry.h"

class QWidget;

// The mouse pointer over one widget: hidden while a piece floats under it,
// and moved onto a point of the widget (its own pixel coordinates).
class PointerControl {
 public:
  virtual ~PointerControl() = default;
  virtual void SetHidden(bool hidden) = 0;
  virtual void MoveTo(TPoint point) = 0;
};

// The real pointer over the widget, which must outlive the control.
std::unique_ptr<PointerControl> CreateWidgetPointer(QWidget& widget);
