#include "workspace/ShapeEditorWidgets.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

// The row being dragged out of a list: the one pressed, which became current.
int DraggedRow(QWidget* source) {
  auto* list = qobject_cast<QListWidget*>(source);
  return list ? list->currentRow() : -1;
}

// Takes a drag or drop from a widget the target accepts, always as a copy;
// the widget it comes from, or nothing when it is refused.
QWidget* TakeDrop(QDropEvent* event, const std::function<bool(QWidget*)>& accepts) {
  auto* source = qobject_cast<QWidget*>(event->source());
  if (!source || !accepts || !accepts(source)) {
    event->ignore();
    return nullptr;
  }
  event->setDropAction(Qt::CopyAction);
  event->accept();
  return source;
}

}  // namespace

TDropList::TDropList(const char* name, QWidget* parent) : QListWidget(parent) {
  setObjectName(name);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setDragEnabled(true);
  setAcceptDrops(true);
  setDropIndicatorShown(true);
  setDragDropMode(QAbstractItemView::DragDrop);
  // A drop copies: the source list never loses a row by itself.
  setDefaultDropAction(Qt::CopyAction);
}

void TDropList::dragEnterEvent(QDragEnterEvent* event) {
  TakeDrop(event, Accepts);
}

void TDropList::dragMoveEvent(QDragMoveEvent* event) {
  QListWidget::dragMoveEvent(event);  // shows where the row would go
  TakeDrop(event, Accepts);
}

void TDropList::dropEvent(QDropEvent* event) {
  QWidget* source = TakeDrop(event, Accepts);
  const int sourceRow = DraggedRow(source);
  const QModelIndex at = indexAt(event->position().toPoint());
  if (Dropped && sourceRow >= 0) Dropped(source, sourceRow, at.isValid() ? at.row() : -1);
}

void TDropList::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  if (Typed && text.size() == 1 && text[0].isPrint() && text[0].unicode() < 128) {
    if (Typed(static_cast<char>(text[0].unicode()))) return;
  }
  QListWidget::keyPressEvent(event);
}

void TDropList::mouseReleaseEvent(QMouseEvent* event) {
  const QModelIndex at = indexAt(event->position().toPoint());
  const bool leftClick = event->button() == Qt::LeftButton && at.isValid();
  QListWidget::mouseReleaseEvent(event);
  // A drag that ended elsewhere never releases here, so a release is a click.
  if (leftClick && RowClicked && at.row() == currentRow()) RowClicked(at.row());
}

TDropButton::TDropButton(const char* name, QWidget* parent) : QToolButton(parent) {
  setObjectName(name);
  setAcceptDrops(true);
}

void TDropButton::dragEnterEvent(QDragEnterEvent* event) {
  TakeDrop(event, Accepts);
}

void TDropButton::dragMoveEvent(QDragMoveEvent* event) {
  TakeDrop(event, Accepts);
}

void TDropButton::dropEvent(QDropEvent* event) {
  QWidget* source = TakeDrop(event, Accepts);
  const int row = DraggedRow(source);
  if (Dropped && row >= 0) Dropped(source, row);
}

void TCornerRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
  QStyleOptionViewItem shifted = option;
  shifted.rect.setLeft(option.rect.left() + 8);
  // The selection shows over the whole row, the mark included.
  if (option.state.testFlag(QStyle::State_Selected))
    painter->fillRect(option.rect, option.palette.highlight());
  QStyledItemDelegate::paint(painter, shifted, index);
  if (!edgeDrawn_ || !edgeDrawn_(index.row())) return;
  const int left = option.rect.left();
  const int top = option.rect.top();
  const int bottom = option.rect.bottom() + 1;  // the row's exclusive bottom
  painter->save();
  painter->setPen(Qt::black);
  painter->drawLine(left + 5, top + 1, left + 5, bottom - 1);
  for (const QPoint p : {QPoint(4, -2), QPoint(6, -2), QPoint(3, -3), QPoint(7, -3)})
    painter->drawPoint(left + p.x(), bottom + p.y());
  painter->restore();
}
