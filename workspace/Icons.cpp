#include "workspace/Icons.h"

#include <QDirIterator>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <cmath>

namespace {

constexpr int kSize = 24;
const QColor kInk(40, 40, 40);
const QColor kBrick(200, 40, 30);
const QColor kBlue(30, 90, 200);
const QColor kGreen(40, 150, 60);

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour) {
  p.setPen(QPen(colour, 2.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(from, to);
  const double angle = std::atan2(to.y() - from.y(), to.x() - from.x());
  const double head = 6, spread = 0.5;
  QPolygonF tip;
  tip << to
      << QPointF(to.x() - head * std::cos(angle - spread), to.y() - head * std::sin(angle - spread))
      << QPointF(to.x() - head * std::cos(angle + spread),
                 to.y() - head * std::sin(angle + spread));
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPolygon(tip);
}

// A small brick seen from the front left, with two studs.
void Brick(QPainter& p, QRectF box, const QColor& colour) {
  const double w = box.width(), h = box.height(), d = w * 0.3;
  const QPointF o = box.bottomLeft();
  QPolygonF front, top, side;
  front << o << QPointF(o.x() + w - d, o.y()) << QPointF(o.x() + w - d, o.y() - h + d)
        << QPointF(o.x(), o.y() - h + d);
  top << QPointF(o.x(), o.y() - h + d) << QPointF(o.x() + w - d, o.y() - h + d)
      << QPointF(o.x() + w, o.y() - h) << QPointF(o.x() + d, o.y() - h);
  side << QPointF(o.x() + w - d, o.y()) << QPointF(o.x() + w, o.y() - d)
       << QPointF(o.x() + w, o.y() - h) << QPointF(o.x() + w - d, o.y() - h + d);
  p.setPen(QPen(kInk, 1));
  p.setBrush(colour);
  p.drawPolygon(front);
  p.setBrush(colour.lighter(130));
  p.drawPolygon(top);
  p.setBrush(colour.darker(130));
  p.drawPolygon(side);
}

void Magnifier(QPainter& p, bool plus) {
  p.setPen(QPen(kInk, 2));
  p.setBrush(QColor(220, 235, 255));
  p.drawEllipse(QPointF(10, 10), 7, 7);
  p.setPen(QPen(kInk, 3.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(15, 15), QPointF(21, 21));
  p.setPen(QPen(kInk, 2));
  p.drawLine(QPointF(6.5, 10), QPointF(13.5, 10));
  if (plus) p.drawLine(QPointF(10, 6.5), QPointF(10, 13.5));
}

void Letters(QPainter& p, const QString& text, const QColor& colour, int pixelSize = 11) {
  QFont font = p.font();
  font.setPixelSize(pixelSize);
  font.setBold(true);
  p.setFont(font);
  p.setPen(colour);
  p.drawText(QRectF(0, 0, kSize, kSize), Qt::AlignCenter, text);
}

void CurvedArrow(QPainter& p, bool full) {
  p.setPen(QPen(kGreen, 2.5, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(4, 4, 16, 16), 90 * 16, full ? 270 * 16 : 180 * 16);
  Arrow(p, QPointF(12, 4), QPointF(16, 4.5), kGreen);
}

// A U-turn: up on the right, round over the top and down on the left with the
// head (undo); mirrored it points forward again (redo).
void UTurn(QPainter& p, bool mirrored) {
  p.save();
  if (mirrored) {
    p.translate(kSize, 0);
    p.scale(-1, 1);
  }
  p.setPen(QPen(kBlue, 2.5, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawLine(QPointF(19, 20), QPointF(19, 12));
  p.drawArc(QRectF(5, 5, 14, 14), 0, 180 * 16);
  Arrow(p, QPointF(5, 12), QPointF(5, 20), kBlue);
  p.restore();
}

void Paint(QPainter& p, IconKind kind) {
  switch (kind) {
    case IconKind::Load:
      p.setPen(QPen(kInk, 1));
      p.setBrush(QColor(240, 200, 90));
      p.drawRect(QRectF(2, 7, 18, 13));
      p.drawRect(QRectF(2, 5, 8, 3));
      Arrow(p, QPointF(16, 16), QPointF(16, 3), kBlue);
      break;
    case IconKind::Save:
      p.setPen(QPen(kInk, 1));
      p.setBrush(kBlue);
      p.drawRect(QRectF(3, 3, 18, 18));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(6, 3, 12, 7));
      p.setBrush(QColor(180, 180, 180));
      p.drawRect(QRectF(7, 14, 10, 7));
      break;
    case IconKind::NewModel:
      p.setPen(QPen(kInk, 1));
      p.setBrush(QColor(190, 190, 190));
      p.drawRect(QRectF(2, 15, 20, 4));
      for (int x = 4; x < 22; x += 5) p.drawRect(QRectF(x, 13, 3, 2));
      Letters(p, "*", kBrick, 14);
      break;
    case IconKind::Options:
      p.setPen(QPen(kInk, 2));
      p.setBrush(QColor(170, 170, 170));
      p.drawEllipse(QPointF(12, 12), 7, 7);
      p.setBrush(Qt::white);
      p.drawEllipse(QPointF(12, 12), 2.5, 2.5);
      for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4;
        p.drawLine(QPointF(12 + 7 * std::cos(a), 12 + 7 * std::sin(a)),
                   QPointF(12 + 10 * std::cos(a), 12 + 10 * std::sin(a)));
      }
      break;
    case IconKind::Exit:
      p.setPen(QPen(kInk, 1));
      p.setBrush(QColor(150, 110, 70));
      p.drawRect(QRectF(5, 2, 12, 20));
      Arrow(p, QPointF(9, 12), QPointF(22, 12), kBrick);
      break;
    case IconKind::RotateUp:
      Arrow(p, QPointF(12, 21), QPointF(12, 3), kBlue);
      break;
    case IconKind::RotateDown:
      Arrow(p, QPointF(12, 3), QPointF(12, 21), kBlue);
      break;
    case IconKind::RotateLeft:
      Arrow(p, QPointF(21, 12), QPointF(3, 12), kBlue);
      break;
    case IconKind::RotateRight:
      Arrow(p, QPointF(3, 12), QPointF(21, 12), kBlue);
      break;
    case IconKind::ZoomIn:
      Magnifier(p, true);
      break;
    case IconKind::ZoomOut:
      Magnifier(p, false);
      break;
    case IconKind::StandardView: {
      QPolygonF house;
      house << QPointF(3, 12) << QPointF(12, 3) << QPointF(21, 12) << QPointF(18, 12)
            << QPointF(18, 21) << QPointF(6, 21) << QPointF(6, 12);
      p.setPen(QPen(kInk, 1));
      p.setBrush(kBrick);
      p.drawPolygon(house);
      break;
    }
    case IconKind::OriginalView:
      Letters(p, "R", kBlue, 16);
      break;
    case IconKind::Refresh:
      CurvedArrow(p, true);
      break;
    case IconKind::Studs:
      p.setPen(QPen(kInk, 1));
      p.setBrush(kBrick);
      p.drawRect(QRectF(2, 12, 20, 9));
      p.drawEllipse(QRectF(4, 7, 6, 5));
      p.drawEllipse(QRectF(14, 7, 6, 5));
      break;
    case IconKind::Wireframe:
      p.setPen(QPen(kInk, 1.2));
      p.setBrush(Qt::NoBrush);
      p.drawRect(QRectF(3, 8, 13, 13));
      p.drawRect(QRectF(8, 3, 13, 13));
      p.drawLine(QPointF(3, 8), QPointF(8, 3));
      p.drawLine(QPointF(16, 8), QPointF(21, 3));
      p.drawLine(QPointF(3, 21), QPointF(8, 16));
      p.drawLine(QPointF(16, 21), QPointF(21, 16));
      break;
    case IconKind::SeeThrough:
      p.setPen(QPen(kInk, 1));
      p.setBrush(QBrush(QColor(120, 120, 120), Qt::DiagCrossPattern));
      p.drawRect(QRectF(2, 14, 20, 6));
      Brick(p, QRectF(6, 3, 12, 11), kBrick);
      break;
    case IconKind::ThickBase:
      p.setPen(QPen(kInk, 1));
      p.setBrush(QColor(160, 160, 160));
      p.drawRect(QRectF(2, 8, 20, 12));
      Letters(p, "3", kInk, 10);
      break;
    case IconKind::PreviousPage:
      Arrow(p, QPointF(19, 12), QPointF(5, 12), kInk);
      break;
    case IconKind::NextPage:
      Arrow(p, QPointF(5, 12), QPointF(19, 12), kInk);
      break;
    case IconKind::Pointer: {
      QPolygonF arrow;
      arrow << QPointF(6, 3) << QPointF(6, 19) << QPointF(10, 15) << QPointF(13, 21)
            << QPointF(16, 20) << QPointF(13, 14) << QPointF(18, 14);
      p.setPen(QPen(kInk, 1));
      p.setBrush(Qt::white);
      p.drawPolygon(arrow);
      break;
    }
    case IconKind::Undo:
      UTurn(p, false);
      break;
    case IconKind::Redo:
      UTurn(p, true);
      break;
    default:
      break;
  }
}

// Fixed views: a brick with a letter that names the side looked at.
const char* const kFixedViewLetters[10] = {"T", "F", "R", "L", "B", "FL", "BR", "BL", "FR", "S"};

}  // namespace

QIcon MakeIcon(IconKind kind) {
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const int first = static_cast<int>(IconKind::TopView);
  const int index = static_cast<int>(kind);
  if (index >= first && kind <= IconKind::FrontView) {
    Brick(p, QRectF(1, 7, 14, 12), QColor(230, 190, 40));
    QFont font = p.font();
    font.setPixelSize(9);
    font.setBold(true);
    p.setFont(font);
    p.setPen(kBlue);
    p.drawText(QRectF(8, 0, 16, 12), Qt::AlignRight | Qt::AlignTop,
               kFixedViewLetters[index - first]);
  } else {
    Paint(p, kind);
  }
  return QIcon(pixmap);
}

QIcon FixedViewIcon(int tag) {
  return MakeIcon(static_cast<IconKind>(static_cast<int>(IconKind::TopView) + tag));
}

QIcon ProgramIcon() {
  // Carried in the program as brikolo-<size>.png, one file per size.
  QIcon icon;
  QDirIterator files(":/icons", {"brikolo-*.png"});
  while (files.hasNext()) icon.addFile(files.next());
  return icon;
}
