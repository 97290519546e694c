#include "tests/support/RecordingCanvas.h"

void RecordingCanvas::Log(Kind kind, const TPoint* p, int n, std::string text) {
  Call call{kind, std::vector<TPoint>(p, p + n), pen_, brush_, style_, mode_, std::move(text)};
  calls.push_back(std::move(call));
}

std::vector<RecordingCanvas::Call> RecordingCanvas::Only(Kind kind) const {
  std::vector<Call> out;
  for (const Call& c : calls)
    if (c.kind == kind) out.push_back(c);
  return out;
}

int RecordingCanvas::Count(Kind kind) const {
  int n = 0;
  for (const Call& c : calls)
    if (c.kind == kind) ++n;
  return n;
}

void RecordingCanvas::line(int x1, int y1, int x2, int y2) {
  const TPoint p[2] = {{x1, y1}, {x2, y2}};
  Log(Kind::Line, p, 2);
}
void RecordingCanvas::rectangle(int x1, int y1, int x2, int y2) {
  const TPoint p[2] = {{x1, y1}, {x2, y2}};
  Log(Kind::Rectangle, p, 2);
}
void RecordingCanvas::ellipse(int x1, int y1, int x2, int y2) {
  const TPoint p[2] = {{x1, y1}, {x2, y2}};
  Log(Kind::Ellipse, p, 2);
}
void RecordingCanvas::fillRect(const TRect& r) {
  const TPoint p[2] = {{r.left, r.top}, {r.right, r.bottom}};
  Log(Kind::FillRect, p, 2);
}
void RecordingCanvas::setPixel(int x, int y, TColor c) {
  const TPoint p[1] = {{x, y}};
  TColor keep = pen_;
  pen_ = c;
  Log(Kind::Pixel, p, 1);
  pen_ = keep;
}
void RecordingCanvas::textOut(int x, int y, const std::string& text) {
  const TPoint p[1] = {{x, y}};
  Log(Kind::Text, p, 1, text);
}
void RecordingCanvas::draw(int x, int y, const Bitmap&) {
  const TPoint p[1] = {{x, y}};
  Log(Kind::Draw, p, 1);
}
void RecordingCanvas::stretchDraw(const TRect& r, const Bitmap&) {
  const TPoint p[2] = {{r.left, r.top}, {r.right, r.bottom}};
  Log(Kind::Stretch, p, 2);
}
