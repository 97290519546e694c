#include "workspace/PalettePanel.h"

#include <QApplication>
#include <QComboBox>
#include <QDockWidget>
#include <QGridLayout>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "model/ColorTable.h"
#include "platform/QtCanvas.h"
#include "workspace/MainWindow.h"

namespace {

constexpr int kMaxEntryHeight = 255;
constexpr int kColorFieldSize = 18;
// The colour fields as the panel lays them out, two rows of seven.
constexpr const char* kColorFieldLayout[kColorFieldCount] = {
    "edWhite", "edGray", "edDarkGray", "edBlack", "Edit1",  "Edit11", "Edit13",
    "Edit6",   "Edit7",  "edBlue",     "Edit9",   "Edit10", "Edit12", "Edit14"};

class PaletteDelegate : public QStyledItemDelegate {
 public:
  PaletteDelegate(TPalettePanel& panel, QObject* parent)
      : QStyledItemDelegate(parent), panel_(panel) {}
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    panel_.PaintListEntry(*painter, option, index.row());
  }
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
    return QSize(option.rect.width(), std::min(panel_.EntryHeight(), kMaxEntryHeight));
  }

 private:
  TPalettePanel& panel_;
};

TColor SystemColor(QPalette::ColorRole role) {
  return FromQColor(QApplication::palette().color(role));
}

}  // namespace

TPalettePanel::TPalettePanel(TMainWindow& window) : QObject(&window), window_(window) {
  QListWidget* list = window_.ListBox1;
  list->setItemDelegate(new PaletteDelegate(*this, list));
  list->setUniformItemSizes(true);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  connect(list, &QListWidget::clicked, this,
          [this](const QModelIndex& index) { ListBox1Click(index.row()); });
  connect(window_.ComboBox1, qOverload<int>(&QComboBox::currentIndexChanged), this,
          [this](int index) { ComboBox1Change(index); });
  if (auto* prev = window_.findChild<QToolButton*>("btnPrevPage"))
    connect(prev, &QToolButton::clicked, this, [this] { btnPrevPageClick(); });
  if (auto* next = window_.findChild<QToolButton*>("btnNextPage"))
    connect(next, &QToolButton::clicked, this, [this] { btnNextPageClick(); });
  for (QToolButton* toggle : {window_.btnPieceStuds, window_.btnTransparent})
    if (toggle) connect(toggle, &QToolButton::toggled, this, [this] { Repaint(); });
  auto* dock = window_.findChild<QDockWidget*>("Panel2");
  dock->widget()->installEventFilter(this);
  BuildColorFields(dock->widget());
  BuildPageMenu();
}

TPalettePanel::~TPalettePanel() = default;

void TPalettePanel::BuildColorFields(QWidget* panel) {
  auto* column = qobject_cast<QVBoxLayout*>(panel->layout());
  auto* grid = new QGridLayout();
  grid->setSpacing(2);
  for (int i = 0; i < kColorFieldCount; ++i) {
    const ColorField& field = ColorFieldNamed(kColorFieldLayout[i]);
    auto* w = new QWidget(panel);
    w->setObjectName(field.name);
    w->setFixedSize(kColorFieldSize, kColorFieldSize);
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, ToQColor(field.color));
    w->setPalette(p);
    w->installEventFilter(this);
    grid->addWidget(w, i / 7, i % 7);
    colorFields_.push_back(w);
  }
  auto* choose = new QToolButton(panel);
  choose->setObjectName("btnColorDlg");
  choose->setText("...");
  choose->setToolTip("Choose color");
  choose->setFocusPolicy(Qt::NoFocus);
  grid->addWidget(choose, 0, 7, 2, 1);
  grid->setColumnStretch(8, 1);
  connect(choose, &QToolButton::clicked, this, [this] { btnColorDlgClick(); });
  column->insertLayout(1, grid);
}

bool TPalettePanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::MouseButtonPress) return QObject::eventFilter(watched, event);
  const auto* mouse = static_cast<QMouseEvent*>(event);
  auto at = std::find(colorFields_.begin(), colorFields_.end(), watched);
  if (at != colorFields_.end()) {
    const int field = static_cast<int>(at - colorFields_.begin());
    if (mouse->button() == Qt::LeftButton) ColorFieldLeftClick(field);
    if (mouse->button() == Qt::RightButton) ColorFieldRightClick(field);
    return true;
  }
  if (mouse->button() == Qt::RightButton) {
    // The panel itself: the background goes back to the button face.
    window_.SetBackgroundColor(SystemColor(QPalette::Button));
    return true;
  }
  return QObject::eventFilter(watched, event);
}

void TPalettePanel::RefillChooser(int index) {
  refilling_ = true;
  QComboBox* chooser = window_.ComboBox1;
  chooser->clear();
  for (const std::string& title : window_.State().ChooserTitles())
    chooser->addItem(QString::fromLocal8Bit(title.c_str()));
  chooser->setCurrentIndex(index);
  refilling_ = false;
}

void TPalettePanel::Fill(const std::vector<std::string>& entries, int height) {
  entryHeight_ = std::clamp(height, 1, kMaxEntryHeight);
  items_.clear();
  QListWidget* list = window_.ListBox1;
  list->clear();
  for (const std::string& text : entries) {
    items_.push_back(MakeItem(text));
    list->addItem(QString::fromLocal8Bit(text.c_str()));
  }
  list->doItemsLayout();
  list->viewport()->update();
}

PaletteItem TPalettePanel::MakeItem(const std::string& text) {
  return PaletteItem::Make(text, window_.Shapes(), window_.Setup().files);
}

TColor TPalettePanel::CurrentColor() const {
  return window_.CurrentColor();
}

void TPalettePanel::ShowPage(int index) {
  WorkspaceState& state = window_.State();
  const int page = WrapPageIndex(index, static_cast<int>(state.Pages.size()));
  showingRecent_ = false;
  if (page < 0) {
    state.CurrentPage = 0;
    Fill({}, 65);
    RefillChooser(-1);
    return;
  }
  state.CurrentPage = page;
  const PalettePage& p = state.Pages[static_cast<std::size_t>(page)];
  entryScale_ = p.Scale;
  Fill(p.Entries, p.Height);
  RefillChooser(page + 1);
}

void TPalettePanel::ShowRecentlyUsed() {
  showingRecent_ = true;
  std::vector<std::string> entries;
  for (const RecentlyUsedList::Entry& e : recent_.Entries()) entries.push_back(e.Text);
  // The pieces of the recently used list are drawn at the scale of the page they came from.
  const WorkspaceState& state = window_.State();
  const int page = WrapPageIndex(state.CurrentPage, static_cast<int>(state.Pages.size()));
  entryScale_ = page < 0 ? 0.5f : state.Pages[static_cast<std::size_t>(page)].Scale;
  Fill(entries, recent_.Height());
  RefillChooser(0);
}

void TPalettePanel::ClearRecentlyUsed() {
  recent_.Clear();
  if (showingRecent_) ShowRecentlyUsed();
}

void TPalettePanel::btnPrevPageClick() {
  ShowPage(window_.State().CurrentPage - 1);
}

void TPalettePanel::btnNextPageClick() {
  ShowPage(window_.State().CurrentPage + 1);
}

void TPalettePanel::ComboBox1Change(int index) {
  if (refilling_ || index < 0) return;
  if (index == 0)
    ShowRecentlyUsed();
  else
    ShowPage(index - 1);
}

TColor TPalettePanel::EntryColor(int row) const {
  if (showingRecent_ && row >= 0 && row < static_cast<int>(recent_.Entries().size()))
    return recent_.Entries()[static_cast<std::size_t>(row)].Color;
  return window_.CurrentColor();
}

void TPalettePanel::ListBox1Click(int row) {
  if (row < 0 || row >= static_cast<int>(items_.size())) return;
  if (std::fabs(window_.Context().view.Tilt - 1.5707963f) < 0.1f) return;
  const PaletteItem& item = items_[static_cast<std::size_t>(row)];
  if (item.IsModel) {
    // A model from the palette does not move the folder subassemblies are loaded from.
    std::string& folder = window_.State().Folder(FolderKind::LoadSubassembly);
    const std::string kept = folder;
    window_.LoadModel(item.ModelFile, LoadMode::Subassembly);
    folder = kept;
    return;
  }
  if (!item.Piece) return;  // an entry that makes no piece does nothing
  const TColor color = EntryColor(row);
  if (!window_.PlacePiece(item.Piece->Clone())) return;
  TCarrying& carrying = window_.Carrying();
  if (color != carrying.CarriedPiece->Color) {
    window_.Scene().RestoreScreen();
    carrying.CarriedPiece->Color = color;
    carrying.DrawCarried();
  }
  const std::string text = item.Text;
  const int was = recent_.Use(text, window_.CurrentColor(), entryHeight_);
  if (showingRecent_ && was != 0) ShowRecentlyUsed();
  if (showingRecent_) window_.ListBox1->setCurrentRow(0);
}

void TPalettePanel::ColorFieldLeftClick(int field) {
  const TColor color = ColorFieldNamed(kColorFieldLayout[field]).color;
  window_.SetCurrentColor(color, true);
  if (window_.Carrying().Carrying()) recent_.RecolorNewest(color);
  Repaint();
}

void TPalettePanel::ColorFieldRightClick(int field) {
  window_.SetBackgroundColor(ColorFieldNamed(kColorFieldLayout[field]).color);
}

void TPalettePanel::btnColorDlgClick() {
  if (const std::optional<TColor> color = window_.Ask().ChooseColor(window_.CurrentColor())) {
    window_.SetCurrentColor(*color, false);
    Repaint();
  }
}

void TPalettePanel::Repaint() {
  window_.ListBox1->viewport()->update();
}

void TPalettePanel::PaintEntry(QPainter& painter, const QRect& rect, PaletteItem& item,
                               TColor color, bool selected, float scale) {
  if (rect.width() <= 0 || rect.height() <= 0) return;
  if (entryBitmap_.width() != rect.width() || entryBitmap_.height() != rect.height())
    entryBitmap_.resize(rect.width(), rect.height());
  const RenderContext& main = window_.Context();
  rc_.view = main.view;  // the lighting; the angles are the palette's own
  rc_.switches = main.switches;
  PaletteLook look;
  look.Background = window_.Scene().BackgroundColor;  // the entries lie on the window's colour
  look.SelectedBackground = SystemColor(QPalette::Dark);
  look.Selected = selected;
  look.Color = color;
  look.Studded = !(window_.btnPieceStuds && window_.btnPieceStuds->isChecked());
  look.Transparent = window_.btnTransparent && window_.btnTransparent->isChecked();
  look.Scale = scale;
  {
    QtCanvas canvas(entryBitmap_);
    canvas.painter().setFont(window_.ListBox1->font());
    DrawPaletteEntry(item, look, entryBitmap_, canvas, rc_);
  }
  const QImage image(reinterpret_cast<const uchar*>(entryBitmap_.raw()), entryBitmap_.width(),
                     entryBitmap_.height(), entryBitmap_.bytesPerLine(), QImage::Format_RGB32);
  painter.drawImage(rect.topLeft(), image);
}

void TPalettePanel::PaintListEntry(QPainter& painter, const QStyleOptionViewItem& option, int row) {
  if (row < 0 || row >= static_cast<int>(items_.size())) return;
  PaintEntry(painter, option.rect, items_[static_cast<std::size_t>(row)], EntryColor(row),
             option.state.testFlag(QStyle::State_Selected), entryScale_);
}
