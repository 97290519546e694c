#include "workspace/ProgramApplication.h"

#include <QLocale>
#include <QMessageBox>
#include <clocale>
#include <exception>

#include "workspace/Icons.h"

TProgramApplication::TProgramApplication(int& argc, char** argv) : QApplication(argc, argv) {
  // The desktop matches the windows with the menu entry brikolo.desktop and its icon.
  setDesktopFileName("brikolo");
  setWindowIcon(ProgramIcon());
}

bool TProgramApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    QMessageBox::critical(activeWindow(), QStringLiteral("Brikolo"),
                          QString::fromLocal8Bit(e.what()));
  }
  return false;
}

void UseFixedNumberFormat() {
  // The window system set the locale from the environment; numbers go back to the C form.
  std::setlocale(LC_NUMERIC, "C");
  QLocale::setDefault(QLocale::c());
}
