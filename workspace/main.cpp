// The desktop program: the model with its baseplate first, then the main
// window; a model named on the command line is loaded once the window shows.
#include <QImage>
#include <QTimer>
#include <cstdlib>
#include <string>
#include <vector>

#include "model/Document.h"
#include "platform/FileLocations.h"
#include "shapes/ShapeCache.h"
#include "workspace/MainWindow.h"
#include "workspace/ProgramApplication.h"

int main(int argc, char** argv) {
  TProgramApplication app(argc, argv);
  // View arithmetic is single precision throughout (float); only the number format needs setting.
  UseFixedNumberFormat();
  MainWindowSetup setup;
  setup.files = FileLocations::ForRunningProgram();
  std::vector<std::string> parameters(argv + 1, argv + argc);

  int result = 0;
  {
    TDocument document;
    TShapeCache shapes(setup.files.PartsFolders());
    TMainWindow window(document, shapes, setup);
    window.show();
    QTimer::singleShot(0, &window, [&window, parameters] {
      window.LoadCommandLine(parameters);
      // For pictures of the program: BRIKOLO_SCREENSHOT names a PNG to write, then the program
      // ends.
      if (const char* shot = std::getenv("BRIKOLO_SCREENSHOT")) {
        QTimer::singleShot(500, &window, [&window, path = std::string(shot)] {
          window.grab().save(QString::fromLocal8Bit(path.c_str()), "PNG");
          window.State().Unsaved = false;
          window.close();
        });
      }
    });
    result = app.exec();
  }
  return result;
}
