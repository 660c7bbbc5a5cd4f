#include "app/ui/history_panel.h"

#include <QFont>
#include <QListView>

#include "app/panel_placement.h"

namespace cs {

namespace {

constexpr int kThumbWidth = 64, kThumbHeight = 48;  // every fourth pixel of every fourth line
constexpr QSize kPanelSize(240, 420);
// Thumbnails kept; rows scrolled far away make theirs again when they return.
constexpr std::size_t kMaxThumbnails = 512;

}  // namespace

HistoryModel::HistoryModel(const History& history, const MixTable& mix, QObject* parent)
    : QAbstractListModel(parent), history_(history), mix_(mix) {}

int HistoryModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(history_.size());
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const std::size_t step = stepOf(index.row());
  switch (role) {
    case Qt::DisplayRole: return QString::fromStdString(history_.name(step));
    case Qt::DecorationRole: return thumbnail(step);
    case Qt::FontRole: {
      QFont f;
      f.setBold(step == history_.current());
      return f;
    }
    default: return {};
  }
}

void HistoryModel::reload() {
  beginResetModel();
  // Steps dropped or cut off take their thumbnails with them.
  if (thumbnails_.size() > kMaxThumbnails) thumbnails_.clear();
  endResetModel();
}

QImage HistoryModel::thumbnail(std::size_t step) const {
  const uint64_t id = history_.id(step);
  if (auto it = thumbnails_.find(id); it != thumbnails_.end()) return it->second;
  Picture pic;
  history_.pictureAt(step, pic);
  QImage img(kThumbWidth, kThumbHeight, QImage::Format_RGB32);
  for (int y = 0; y < kThumbHeight; ++y) {
    auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < kThumbWidth; ++x)
      line[x] = 0xFF000000u | mix_.at(pic.screenColour(0, x * 4, y * 4), pic.screenColour(1, x * 4, y * 4));
  }
  return thumbnails_.emplace(id, img).first->second;
}

HistoryPanel::HistoryPanel(const History& history, const MixTable& mix, QWidget* parent)
    : FloatingPanel("Panel_History", "PanelHistoryCaption", tr("History"), kPanelSize, parent) {
  addCloseIcon("ImageHistoryClose");
  model_ = new HistoryModel(history, mix, this);
  list_ = new QListView(this);
  list_->setObjectName("ListHistory");
  list_->setGeometry(2, kCaptionStripHeight + 1, kPanelSize.width() - 4,
                     kPanelSize.height() - kCaptionStripHeight - 3);
  list_->setIconSize({kThumbWidth, kThumbHeight});
  // Equal rows let the view ask only the rows in view for their data.
  list_->setUniformItemSizes(true);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setFocusPolicy(Qt::NoFocus);
  list_->setModel(model_);
  connect(list_, &QListView::clicked, this,
          [this](const QModelIndex& i) { emit stepChosen(model_->stepOf(i.row())); });
}

void HistoryPanel::refresh() {
  model_->reload();
  const QModelIndex current = model_->index(model_->currentRow(), 0);
  list_->setCurrentIndex(current);
  list_->scrollTo(current);
}

}  // namespace cs
