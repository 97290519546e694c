#include "workspace/AskFileAndPart.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

std::string Trimmed(const QLineEdit* edit) {
  return edit->text().trimmed().toLocal8Bit().toStdString();
}

}  // namespace

TAskFileAndPart::TAskFileAndPart(QWidget* parent,
                                 std::function<void(const std::string&)> showMessage)
    : QDialog(parent), showMessage_(std::move(showMessage)) {
  setObjectName("AskFileAndPart");
  setWindowTitle(kCaption);
  auto* form = new QFormLayout(this);
  auto field = [this](const char* name) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setMinimumWidth(220);
    return edit;
  };
  Edit1 = field("Edit1");
  Edit2 = field("Edit2");
  Edit3 = field("Edit3");
  Edit4 = field("Edit4");
  form->addRow("File name:", Edit1);
  form->addRow("Part name:", Edit2);
  // Identity and author are kept for the file's header one day; nothing reads them yet.
  Edit3->hide();
  Edit4->hide();
  auto* buttons = new QHBoxLayout();
  BitBtn2 = new QPushButton("OK", this);
  BitBtn2->setObjectName("BitBtn2");
  BitBtn2->setDefault(true);
  BitBtn1 = new QPushButton("Cancel", this);
  BitBtn1->setObjectName("BitBtn1");
  buttons->addStretch(1);
  buttons->addWidget(BitBtn2);
  buttons->addWidget(BitBtn1);
  form->addRow(buttons);
  connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
  connect(BitBtn1, &QPushButton::clicked, this, [this] { reject(); });
}

std::string TAskFileAndPart::FileName() const {
  return Trimmed(Edit1);
}

std::string TAskFileAndPart::PartName() const {
  return Trimmed(Edit2);
}

void TAskFileAndPart::BitBtn2Click() {
  if (FileName().empty() || PartName().empty()) {
    showMessage_(kMissingNames);
    return;
  }
  if (CheckNames) {
    const std::string refused = CheckNames(FileName(), PartName());
    if (!refused.empty()) {
      showMessage_(refused);
      return;
    }
  }
  accept();
}
