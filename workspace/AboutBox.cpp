#include "workspace/AboutBox.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/FileLocations.h"
#include "workspace/Icons.h"
#include "workspace/MainWindow.h"

namespace {

struct Hint {
  const char* keys;
  const char* meaning;
};

// The keys and clicks worth knowing, a digest of the keyboard and mouse commands.
const Hint kCarrying[] = {
    {"Arrow keys", "move it by its own size; with Shift by one grid step"},
    {"Page Up, Page Down", "raise or lower it by its height; with Shift by one grid step"},
    {"Insert, right click", "turn it"},
    {"Enter, left click", "put it down"},
    {"Esc, Backspace, Delete", "drop it"},
};
const Hint kIdle[] = {
    {"Left, Right", "previous or next palette page"},
    {"Up, Down, Enter", "choose a palette entry and take it"},
    {"Shift + arrow keys", "move the view"},
    {"Ctrl + arrow keys", "turn and tilt the view"},
    {"Alt + Left, Right", "lower or raise the cut-off level"},
    {"Page Up, Page Down", "previous or next colour"},
    {"Delete, Esc", "delete the selected pieces, or clear the selection"},
};
const Hint kAlways[] = {
    {"+, -", "zoom in or out"},
    {"Home", "the standard view"},
    {"End, F1", "from the top"},
    {"F2 to F5", "from the four sides"},
    {"F6 to F9", "from the four corners"},
    {"F10", "from the side"},
    {"B, O, T", "see-through baseplate, studs, wireframe"},
    {"F12", "safe positioning on or off"},
    {"C or E; F, G or H; M", "new model; load a model; load a subassembly"},
    {"S; P", "save the model; save the selected pieces"},
};
const Hint kMouse[] = {
    {"Click on a palette entry", "pick up a new piece of it"},
    {"Click on a piece", "select it (its group; with Ctrl only the piece)"},
    {"Right click on a piece", "give it the current colour; with Ctrl turn it; with Alt its studs"},
    {"Shift + click on a piece", "pick up it, its group or the selection; with Alt a copy"},
    {"Shift + right drag", "turn the view"},
};

QString Escaped(const std::string& text) {
  return QString::fromLocal8Bit(text.c_str()).toHtmlEscaped();
}

QString Row(const QString& name, const QString& value) {
  return "<tr><td style='padding-right:12px'><b>" + name + "</b></td><td>" + value + "</td></tr>";
}

template <std::size_t N>
QString HintTable(const char* title, const Hint (&hints)[N]) {
  QString html = QString("<p><i>%1</i></p><table>").arg(title);
  for (const Hint& h : hints) html += Row(QString(h.keys).toHtmlEscaped(), h.meaning);
  return html + "</table>";
}

}  // namespace

QString AboutText(const FileLocations& files) {
  QString html =
      "<h2>Brikolo</h2>"
      "<p>Version " BRIKOLO_VERSION
      "</p>"
      "<p>Builds three-dimensional models out of toy construction bricks.</p>"
      "<p>Written by the Brikolo developers.</p>"
      "<p>Brikolo is free software under the GNU General Public License, version 3 or any "
      "later version. It comes with no warranty.</p>";

  html += "<h3>Files</h3><table>";
  html += Row("Program folder", Escaped(files.ProgramFolder()));
  html += Row("Settings file", Escaped(files.SettingsFile()));
  QString parts;
  for (const std::string& folder : files.PartsFolders())
    parts += (parts.isEmpty() ? "" : "<br>") + Escaped(folder);
  html += Row("Parts folder", parts);
  html += Row("Mapping list", Escaped(files.MappingList()));
  if (files.InUserFolders()) html += Row("Shipped files", Escaped(files.ShippedFolder()));
  html += "</table>";

  html += "<h3>Keyboard</h3>";
  html += HintTable("While a piece is carried", kCarrying);
  html += HintTable("While nothing is carried", kIdle);
  html += HintTable("At any time", kAlways);
  html += "<h3>Mouse</h3>";
  html += HintTable("In the view", kMouse);
  html +=
      "<p>Where the window manager takes Alt with a mouse button to move windows, the "
      "Windows key (Super) does what Alt does in these clicks.</p>";
  return html;
}

TAboutBox::TAboutBox(const FileLocations& files, QWidget* parent) : QDialog(parent) {
  setObjectName("AboutBox");
  setWindowTitle("About Brikolo");
  auto* column = new QVBoxLayout(this);
  auto* row = new QHBoxLayout();
  auto* picture = new QLabel(this);
  picture->setPixmap(ProgramIcon().pixmap(64, 64));
  picture->setAlignment(Qt::AlignTop);
  row->addWidget(picture);
  auto* text = new QTextBrowser(this);
  text->setObjectName("AboutText");
  text->setHtml(AboutText(files));
  text->setFrameShape(QFrame::NoFrame);
  row->addWidget(text, 1);
  column->addLayout(row, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  column->addWidget(buttons);
  resize(620, 560);
}

void AddAboutButton(TMainWindow& window) {
  auto* button = new QToolButton(window.tbMain);
  button->setObjectName("btnAbout");
  button->setToolTip("About Brikolo");
  button->setIcon(ProgramIcon());
  button->setFocusPolicy(Qt::NoFocus);  // the window keeps the keys
  window.tbMain->addWidget(button);
  QObject::connect(button, &QToolButton::clicked, &window, [&window] {
    auto* box = new TAboutBox(window.Setup().files, &window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
  });
}
