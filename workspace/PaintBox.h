#pragma once
#include <QWidget>
#include <functional>

class Bitmap;

// The paint area of the main window. It shows the scene's screen image and
// reports its size; the scene itself is painted by the scene, never here.
class TPaintBox : public QWidget {
  Q_OBJECT
 public:
  explicit TPaintBox(const Bitmap& screen, QWidget* parent = nullptr);

  std::function<void(int width, int height)> Resized;
  // The mouse, for placing and selecting pieces.
  std::function<void(QMouseEvent*)> MouseDown, MouseMove, MouseUp;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  const Bitmap& screen_;
};
