#include "workspace/LightDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

#include "render/View.h"

TfrmSetLight::TfrmSetLight(TView& view, std::function<void()> redraw, QWidget* parent)
    : QDialog(parent), view_(view), redraw_(std::move(redraw)) {
  setObjectName("frmSetLight");
  setWindowTitle("Set light direction");
  auto* form = new QFormLayout(this);
  auto field = [this, form](const char* name, const char* label) {
    auto* spin = new QSpinBox(this);
    spin->setObjectName(name);
    spin->setRange(-1000, 1000);
    form->addRow(label, spin);
    connect(spin, qOverload<int>(&QSpinBox::valueChanged), this, [this] { Preview(); });
    return spin;
  };
  rxsX = field("rxsX", "X:");
  rxsY = field("rxsY", "Y:");
  rxsZ = field("rxsZ", "Z:");
  chkPreview = new QCheckBox("Preview", this);
  chkPreview->setObjectName("chkPreview");
  form->addRow(chkPreview);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  form->addRow(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  LoadFromView();
}

void TfrmSetLight::LoadFromView() {
  loading_ = true;
  rxsX->setValue(view_.LightDirection[0]);
  rxsY->setValue(view_.LightDirection[1]);
  rxsZ->setValue(view_.LightDirection[2]);
  loading_ = false;
}

void TfrmSetLight::Preview() {
  if (loading_ || !chkPreview->isChecked()) return;
  int saved[3];
  std::copy(view_.LightDirection, view_.LightDirection + 3, saved);
  view_.LightDirection[0] = rxsX->value();
  view_.LightDirection[1] = rxsY->value();
  view_.LightDirection[2] = rxsZ->value();
  view_.UpdateLighting();
  if (redraw_) redraw_();
  std::copy(saved, saved + 3, view_.LightDirection);
}

void TfrmSetLight::ApplyToView() {
  view_.LightDirection[0] = rxsX->value();
  view_.LightDirection[1] = rxsY->value();
  view_.LightDirection[2] = rxsZ->value();
  view_.UpdateLighting();
  if (redraw_) redraw_();
}

void TfrmSetLight::Revert() {
  // The preview left its factors behind; the old direction is worked out again.
  view_.UpdateLighting();
  if (redraw_) redraw_();
}
