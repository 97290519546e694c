#pragma once
#include <QApplication>

// The application object of the desktop program: an error that leaves an
// event handler is shown in a message box and the program goes on.
class TProgramApplication : public QApplication {
 public:
  TProgramApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

// Numbers are read and written with '.' whatever the user's locale.
void UseFixedNumberFormat();
