// "Customize block pages": two lists of page entries side by side; entries
// move from one page to the other and up and down the right-hand page.
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "workspace/MainWindow.h"
#include "workspace/PaletteDialogs.h"
#include "workspace/PalettePages.h"
#include "workspace/PalettePanel.h"

namespace {

// One side of the dialog: its page chooser and the entries of the page chosen.
struct Side {
  QComboBox* chooser = nullptr;
  QListWidget* list = nullptr;
  std::vector<PaletteItem> items;
  int height = 40;
  float scale = 0.5f;
  // The page shown, or -1 for "<Recently used>".
  int Page() const { return chooser->currentIndex() - 1; }
};

class SideDelegate : public QStyledItemDelegate {
 public:
  SideDelegate(Side& side, TPalettePanel& palette, QObject* parent)
      : QStyledItemDelegate(parent), side_(side), palette_(palette) {}
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const int row = index.row();
    if (row < 0 || row >= static_cast<int>(side_.items.size())) return;
    palette_.PaintEntry(*painter, option.rect, side_.items[static_cast<std::size_t>(row)],
                        palette_.CurrentColor(), option.state.testFlag(QStyle::State_Selected),
                        side_.scale);
  }
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
    return QSize(option.rect.width(), std::clamp(side_.height, 1, 255));
  }

 private:
  Side& side_;
  TPalettePanel& palette_;
};

QToolButton* Arrow(QDialog& dialog, const char* name, Qt::ArrowType arrow) {
  auto* b = new QToolButton(&dialog);
  b->setObjectName(name);
  b->setArrowType(arrow);
  return b;
}

}  // namespace

bool RunCustomizePagesDialog(QWidget* parent, TPalettePanel& palette,
                             std::vector<PalettePage>& pages, int currentPage) {
  QDialog dialog(parent);
  dialog.setWindowTitle("Customize block pages");
  dialog.resize(480, 420);
  auto* grid = new QGridLayout(&dialog);
  std::vector<PalettePage> work = pages;
  Side left, right;
  const char* names[2][2] = {{"cmbLeft", "lbLeft"}, {"cmbRight", "lbRight"}};
  Side* sides[2] = {&left, &right};
  for (int s = 0; s < 2; ++s) {
    Side& side = *sides[s];
    side.chooser = new QComboBox(&dialog);
    side.chooser->setObjectName(names[s][0]);
    side.chooser->addItem(WorkspaceState::kRecentlyUsedTitle);
    for (const PalettePage& p : work)
      side.chooser->addItem(QString::fromLocal8Bit(p.Title.c_str()));
    side.list = new QListWidget(&dialog);
    side.list->setObjectName(names[s][1]);
    side.list->setUniformItemSizes(true);
    side.list->setItemDelegate(new SideDelegate(side, palette, side.list));
    grid->addWidget(side.chooser, 0, s * 2);
    grid->addWidget(side.list, 1, s * 2);
  }
  auto fill = [&](Side& side, int selected) {
    side.items.clear();
    side.list->clear();
    const int page = side.Page();
    if (page >= 0 && page < static_cast<int>(work.size())) {
      const PalettePage& p = work[static_cast<std::size_t>(page)];
      side.height = p.Height;
      side.scale = p.Scale;
      for (const std::string& e : p.Entries) {
        side.items.push_back(palette.MakeItem(e));
        side.list->addItem(QString::fromLocal8Bit(e.c_str()));
      }
    }
    side.list->setCurrentRow(std::min(selected, side.list->count() - 1));
  };
  for (Side* side : sides) {
    QObject::connect(side->chooser, qOverload<int>(&QComboBox::currentIndexChanged), &dialog,
                     [&fill, side] { fill(*side, -1); });
    side->chooser->setCurrentIndex(currentPage + 1);
  }

  auto across = [&](Side& from, Side& to) {
    const int row = from.list->currentRow();
    const int after = to.list->currentRow();
    if (!MoveEntryToPage(work, from.Page(), row, to.Page(), after)) return;
    fill(from, row);
    fill(to, after);
  };
  auto upDown = [&](int delta) {
    const int page = right.Page();
    if (page < 0 || page >= static_cast<int>(work.size())) return;
    const int row = right.list->currentRow();
    if (MoveEntry(work[static_cast<std::size_t>(page)].Entries, row, delta))
      fill(right, row + delta);
  };
  auto* buttons = new QVBoxLayout();
  QToolButton* toRight = Arrow(dialog, "RxSpeedButton1", Qt::RightArrow);
  QToolButton* toLeft = Arrow(dialog, "RxSpeedButton2", Qt::LeftArrow);
  QToolButton* up = Arrow(dialog, "RxSpeedButton3", Qt::UpArrow);
  QToolButton* down = Arrow(dialog, "RxSpeedButton4", Qt::DownArrow);
  for (QToolButton* b : {toRight, toLeft, up, down}) buttons->addWidget(b);
  buttons->addStretch(1);
  grid->addLayout(buttons, 1, 1);
  QObject::connect(toRight, &QToolButton::clicked, &dialog, [&] { across(left, right); });
  QObject::connect(toLeft, &QToolButton::clicked, &dialog, [&] { across(right, left); });
  QObject::connect(up, &QToolButton::clicked, &dialog, [&] { upDown(-1); });
  QObject::connect(down, &QToolButton::clicked, &dialog, [&] { upDown(+1); });
  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(box, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(box, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  grid->addWidget(box, 2, 0, 1, 3);
  if (dialog.exec() != QDialog::Accepted) return false;
  pages = std::move(work);
  return true;
}
