#pragma once
#include <QDialog>
#include <QString>

class FileLocations;
class TMainWindow;

// "About Brikolo": the version, who wrote it and under which licence, where
// its files are, and the keys and clicks most worth knowing.
class TAboutBox : public QDialog {
 public:
  explicit TAboutBox(const FileLocations& files, QWidget* parent = nullptr);
};

// The box's text, as rich text.
QString AboutText(const FileLocations& files);

// The "About Brikolo" button at the end of the main toolbar; it opens the box.
void AddAboutButton(TMainWindow& window);
