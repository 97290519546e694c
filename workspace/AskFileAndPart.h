#pragma once
#include <QDialog>
#include <functional>
#include <string>

class QLineEdit;
class QPushButton;

// "Enter part information": the part definition file and the part name a new
// shape is stored under. Made once and reused; the fields keep their text.
class TAskFileAndPart : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* kCaption = "Enter part information";
  static constexpr const char* kMissingNames = "Filename and Partname must be entered";

  // Refusals are shown through showMessage.
  TAskFileAndPart(QWidget* parent, std::function<void(const std::string&)> showMessage);

  // Further checks of the names once both are given; the message refusing
  // them, or "" to take them.
  std::function<std::string(const std::string& fileName, const std::string& partName)> CheckNames;

  // OK: refused with a message, the dialog staying open, while a name is missing or not usable.
  void BitBtn2Click();
  std::string FileName() const;  // as typed, without surrounding blanks
  std::string PartName() const;

  QLineEdit *Edit1 = nullptr, *Edit2 = nullptr, *Edit3 = nullptr, *Edit4 = nullptr;
  QPushButton *BitBtn2 = nullptr, *BitBtn1 = nullptr;

 private:
  std::function<void(const std::string&)> showMessage_;
};
