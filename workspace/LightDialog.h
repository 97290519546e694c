#pragma once
#include <QDialog>
#include <functional>

class QCheckBox;
class QSpinBox;
class TView;

// "Set light direction": three numbers for the direction the light comes
// from; with "Preview" each change is shown at once and then taken back.
class TfrmSetLight : public QDialog {
  Q_OBJECT
 public:
  TfrmSetLight(TView& view, std::function<void()> redraw, QWidget* parent = nullptr);

  // Fills the fields from the view's light direction.
  void LoadFromView();
  // OK: the fields become the light direction; the picture follows.
  void ApplyToView();
  // Cancel after a preview: the picture returns to the light it had.
  void Revert();

  QSpinBox *rxsX = nullptr, *rxsY = nullptr, *rxsZ = nullptr;
  QCheckBox* chkPreview = nullptr;

 private:
  void Preview();

  TView& view_;
  std::function<void()> redraw_;
  bool loading_ = false;
};
