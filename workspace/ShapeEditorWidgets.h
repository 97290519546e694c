#pragma once
#include <QListWidget>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <functional>

// The lists of the shape editor: rows may be dragged out of them, and a list
// may take rows dropped from the lists it accepts. A drop never moves rows by
// itself; the editor is told and rebuilds the list.
class TDropList : public QListWidget {
  Q_OBJECT
 public:
  explicit TDropList(const char* name, QWidget* parent = nullptr);

  // Which lists rows may come from; none: the list takes no drops.
  std::function<bool(QWidget* source)> Accepts;
  // A row of source dropped on row target (-1: below the last row).
  std::function<void(QWidget* source, int sourceRow, int targetRow)> Dropped;
  // A key typed into the list (a character, not a movement key); true when taken.
  std::function<bool(char key)> Typed;
  // A left click on a row, after the row became current.
  std::function<void(int row)> RowClicked;

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

// The trash: takes a row of any of the editor's lists.
class TDropButton : public QToolButton {
  Q_OBJECT
 public:
  explicit TDropButton(const char* name, QWidget* parent = nullptr);

  std::function<bool(QWidget* source)> Accepts;
  std::function<void(QWidget* source, int sourceRow)> Dropped;

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

};

// The rows of the corner list: the corner's text 8 pixels in, and left of it
// a small downward arrow when the edge leaving that corner is drawn.
class TCornerRowDelegate : public QStyledItemDelegate {
 public:
  TCornerRowDelegate(std::function<bool(int row)> edgeDrawn, QObject* parent)
      : QStyledItemDelegate(parent), edgeDrawn_(std::move(edgeDrawn)) {}
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  std::function<bool(int row)> edgeDrawn_;
};
