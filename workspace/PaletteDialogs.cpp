#include "workspace/PaletteDialogs.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "workspace/PalettePages.h"

namespace {

QString Q(const std::string& text) {
  return QString::fromLocal8Bit(text.c_str());
}
std::string S(const QString& text) {
  return text.toLocal8Bit().toStdString();
}

QDialogButtonBox* OkCancel(QDialog& dialog) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  return buttons;
}

class WindowPageDialogs : public PageDialogs {
 public:
  WindowPageDialogs(QWidget* parent, TPalettePanel& palette) : parent_(parent), palette_(palette) {}

  bool EditProperties(PageProperties& p) override {
    QDialog dialog(parent_);
    dialog.setWindowTitle("Page properties");
    auto* form = new QFormLayout(&dialog);
    auto* header = new QLineEdit(Q(p.Header), &dialog);
    header->setObjectName("Edit1");
    auto* height = new QSpinBox(&dialog);
    height->setObjectName("RxSpinEdit1");
    height->setRange(1, 255);
    height->setValue(p.Height);
    auto* scale = new QLineEdit(Q(p.Scale), &dialog);
    scale->setObjectName("Edit2");
    form->addRow("Header", header);
    form->addRow("Height", height);
    form->addRow("Scale", scale);
    form->addRow(OkCancel(dialog));
    if (dialog.exec() != QDialog::Accepted) return false;
    p.Header = S(header->text());
    p.Height = height->value();
    p.Scale = S(scale->text());
    return true;
  }

  bool ReorderPages(std::vector<PalettePage>& pages) override {
    QDialog dialog(parent_);
    dialog.setWindowTitle("Reorder pages");
    auto* column = new QVBoxLayout(&dialog);
    auto* row = new QHBoxLayout();
    auto* list = new QListWidget(&dialog);
    auto* buttons = new QVBoxLayout();
    auto* up = new QToolButton(&dialog);
    up->setObjectName("RxSpeedButton3");
    up->setArrowType(Qt::UpArrow);
    auto* down = new QToolButton(&dialog);
    down->setObjectName("RxSpeedButton4");
    down->setArrowType(Qt::DownArrow);
    buttons->addWidget(up);
    buttons->addWidget(down);
    buttons->addStretch(1);
    row->addWidget(list, 1);
    row->addLayout(buttons);
    column->addLayout(row);
    column->addWidget(OkCancel(dialog));
    std::vector<PalettePage> work = pages;
    auto fill = [&](int selected) {
      list->clear();
      for (const PalettePage& p : work) list->addItem(Q(p.Title));
      list->setCurrentRow(selected);
    };
    auto move = [&](int delta) {
      const int at = list->currentRow();
      if (MovePage(work, at, delta)) fill(at + delta);
    };
    QObject::connect(up, &QToolButton::clicked, &dialog, [&] { move(-1); });
    QObject::connect(down, &QToolButton::clicked, &dialog, [&] { move(+1); });
    fill(work.empty() ? -1 : 0);
    if (dialog.exec() != QDialog::Accepted) return false;
    pages = std::move(work);
    return true;
  }

  bool CustomizePages(std::vector<PalettePage>& pages, int currentPage) override {
    return RunCustomizePagesDialog(parent_, palette_, pages, currentPage);
  }

 private:
  QWidget* parent_;
  TPalettePanel& palette_;
};

}  // namespace

std::unique_ptr<PageDialogs> CreateWindowPageDialogs(QWidget* parent, TPalettePanel& palette) {
  return std::make_unique<WindowPageDialogs>(parent, palette);
}
