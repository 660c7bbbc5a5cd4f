#include "app/ui/reference_controller.h"

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>

#include "app/recovery.h"
#include "app/ui/editor_image.h"
#include "app/ui/file_dialog.h"
#include "app/ui/main_window.h"
#include "app/ui/menu_item.h"
#include "app/ui/reference_panel.h"
#include "app/ui/status_bar.h"
#include "formats/image_file.h"
#include "formats/picture_kinds.h"
#include "render/reference_placement.h"

namespace cs {

namespace {

// A burst of changes (a drag, the arrows of a number) costs one write.
constexpr int kRememberDelayMs = 400;
// Larger placed sizes are drawn straight from the image rather than scaled
// whole first.
constexpr qint64 kMaxScaledPixels = qint64{4096} * 4096;

QString decode(const std::string& bytes) { return QFile::decodeName(QByteArray::fromStdString(bytes)); }

std::string currentFolder() { return QFile::encodeName(QDir::currentPath()).toStdString(); }

std::string storePath(const std::string& folder) {
  const std::string dir =
      folder.empty() ? RecoveryFolder(std::getenv("XDG_STATE_HOME"), std::getenv("HOME")) : folder;
  return dir.empty() ? std::string{} : dir + "/" + kReferencesFileName;
}

// "Reference image..." offers every image the loader reads and every
// picture kind the editor opens.
QString referenceFilter() {
  return ReferenceController::tr("Images and pictures") + "|" + ImageFilePatterns() + ";" +
         QString::fromStdString(AllPicturePatterns());
}

}  // namespace

ReferenceController::ReferenceController(MainWindow& window, const std::string& storeFolder)
    : QObject(&window),
      w_(window),
      panel_(new ReferencePanel(window.workSpace())),
      dialog_(new FileDialog("OpenReferenceDialog", FileDialog::Kind::Open, &window)),
      saveTimer_(new QTimer(this)),
      store_(storePath(storeFolder)),
      drawn_(kWidth, kLines, QImage::Format_ARGB32_Premultiplied) {
  window.registerPanel(panel_, &WindowPositions::referenceX, &WindowPositions::referenceY);
  saveTimer_->setSingleShot(true);
  saveTimer_->setInterval(kRememberDelayMs);
  connect(saveTimer_, &QTimer::timeout, this, &ReferenceController::remember);
  connect(panel_, &ReferencePanel::placementEdited, this, [this](ReferencePlacement p) {
    state().placement = ClampPlacement(p);
    placementChanged();
  });
  connect(panel_, &ReferencePanel::onPreviewToggled, this, [this](bool on) {
    state().onPreview = on;
    redraw();
    changed();
  });
  connect(panel_, &ReferencePanel::moveToggled, this, &ReferenceController::setMoving);
  connect(panel_, &ReferencePanel::clearClicked, this, &ReferenceController::clear);

  QMenu* view = window.menuBar()->findChild<QMenu*>("View1");
  if (!view) return;
  view->addSeparator();
  AddMenuItem(view, "ViewReferenceImage1", tr("Reference image..."), this, [this] { chooseFile(); });
  showAction_ = AddMenuItem(view, "ViewShowReference1", tr("Show reference image"), this,
                            [this] { setShown(showAction_->isChecked()); });
  showAction_->setCheckable(true);
  showAction_->setEnabled(false);
  AddMenuItem(view, "ViewReferencePanel1", tr("Reference panel"), this, [this] {
    panel_->setVisible(panel_->isHidden());
    if (panel_->isVisible()) panel_->raise();
  });
}

ReferenceController::~ReferenceController() {
  // The window's state is gone by now: only what was taken when the change
  // happened is written.
  if (saveTimer_->isActive()) remember();
}

ReferenceState& ReferenceController::state() const { return w_.state().reference; }

void ReferenceController::chooseFile() {
  dialog_->filter = referenceFilter();
  if (dialog_->initialDir.isEmpty()) dialog_->initialDir = w_.openDialog().initialDir;
  if (!dialog_->execute()) return;
  // The click that closed the dialog must not paint on the picture.
  w_.state().clickGuard = true;
  openFile(dialog_->fileName);
}

bool ReferenceController::openFile(const std::string& name) {
  RgbImage image;
  if (w_.reportOpenError(LoadReferenceImage(name, w_.tables(), image), name, false)) return false;
  takeImage(std::move(image));
  ReferenceState& s = state();
  s.fileName = AbsoluteFileName(name, currentFolder());
  s.placement = {};
  s.shown = true;
  s.onPreview = false;
  panel_->show();
  panel_->raise();
  placementChanged();
  return true;
}

void ReferenceController::takeImage(RgbImage image) {
  image_ = std::move(image);
  source_ = QImage(reinterpret_cast<const uchar*>(image_.data()), image_.width(), image_.height(),
                   image_.bytesPerLine(), QImage::Format_RGB32);
  scaled_ = {};
}

void ReferenceController::setShown(bool shown) {
  state().shown = shown && state().loaded();
  redraw();
  changed();
}

void ReferenceController::toggleShown() {
  if (state().loaded()) setShown(!state().shown);
}

void ReferenceController::clear() {
  saveTimer_->stop();
  if (!pictureName_.empty()) {
    StoreProblem problem = StoreProblem::None;
    store_.remove(pictureName_, problem);
    storeNote(problem);
  }
  unload();
}

void ReferenceController::unload() {
  setMoving(false);
  state() = {};
  image_ = {};
  source_ = {};
  scaled_ = {};
  redraw();
}

void ReferenceController::setMoving(bool on) {
  ReferenceState& s = state();
  s.moving = on && s.loaded();
  dragging_ = false;
  EditorImage* editor = w_.editorImage();
  if (s.moving)
    editor->setCursor(Qt::SizeAllCursor);
  else
    editor->unsetCursor();
  panel_->showState(s);
}

void ReferenceController::placementChanged() {
  if (!state().loaded()) return;
  const ReferencePlacement& p = state().placement;
  const PictureRect r = PlaceReference(image_.width(), image_.height(), p);
  drawn_.fill(Qt::transparent);
  {
    QPainter painter(&drawn_);
    if (qint64{r.width} * r.height <= kMaxScaledPixels) {
      // Scaled whole once per size, with the smooth filter; a move only
      // shifts it.
      if (scaled_.size() != QSize(r.width, r.height))
        scaled_ = source_.scaled(r.width, r.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
      painter.drawImage(QPoint(r.x, r.y), scaled_);
    } else {
      painter.setRenderHint(QPainter::SmoothPixmapTransform);
      painter.drawImage(QRect(r.x, r.y, r.width, r.height), source_);
    }
  }
  BuildReferenceLayer(reinterpret_cast<const uint32_t*>(drawn_.constBits()), drawn_.bytesPerLine() / 4,
                      p.opacity, layer_);
  redraw();
  changed();
}

void ReferenceController::redraw() {
  const ReferenceState& s = state();
  panel_->showState(s);
  if (showAction_) {
    showAction_->setEnabled(s.loaded());
    showAction_->setChecked(s.shown);
  }
  w_.editorImage()->canvas().setReference(s.loaded() && s.shown ? &layer_ : nullptr);
  w_.RefreshPicture(false);
}

void ReferenceController::changed() {
  if (pictureName_.empty() || !state().loaded() || !store_.usable()) return;
  const ReferenceState& s = state();
  pending_ = {pictureName_, s.fileName, s.placement, s.shown, s.onPreview};
  saveTimer_->start();
}

void ReferenceController::remember() {
  saveTimer_->stop();
  StoreProblem problem = StoreProblem::None;
  store_.put(pending_, problem);
  storeNote(problem);
}

void ReferenceController::flush() {
  if (saveTimer_->isActive()) remember();
}

void ReferenceController::storeNote(StoreProblem problem) {
  if (problem == StoreProblem::None) return;
  // Once: the store has stopped and says nothing more.
  const QString text = problem == StoreProblem::Unwritable
                           ? tr("References are not remembered: %1 is not writable")
                           : tr("References are not remembered: %1 is unreadable or damaged");
  w_.statusBar1()->notice()->setText(text.arg(decode(store_.path())));
}

void ReferenceController::pictureOpened(const std::string& name) {
  flush();
  unload();
  pictureName_ = AbsoluteFileName(name, currentFolder());
  StoreProblem problem = StoreProblem::None;
  const std::optional<ReferenceEntry> entry = store_.find(pictureName_, problem);
  storeNote(problem);
  if (!entry) return;
  RgbImage image;
  if (LoadReferenceImage(entry->reference, w_.tables(), image)) {
    // The entry stays: the file may come back, or the user clears it.
    w_.statusBar1()->notice()->setText(
        tr("The reference image %1 is missing; the picture opened without it").arg(decode(entry->reference)));
    return;
  }
  takeImage(std::move(image));
  ReferenceState& s = state();
  s.fileName = entry->reference;
  s.placement = ClampPlacement(entry->placement);
  s.shown = entry->shown;
  s.onPreview = entry->onPreview;
  placementChanged();
}

void ReferenceController::pictureSaved(const std::string& name) {
  pictureName_ = AbsoluteFileName(name, currentFolder());
  changed();
  flush();
}

void ReferenceController::pictureNew() {
  flush();
  pictureName_.clear();
  unload();
}

QPointF ReferenceController::picturePoint(QPoint pos) const {
  const double s = w_.state().view.pixelScale();
  return {pos.x() / s, pos.y() / s};
}

bool ReferenceController::mousePress(Qt::MouseButton button, QPoint pos) {
  if (!state().moving) return false;
  if (button == Qt::LeftButton) {
    dragging_ = true;
    dragStart_ = pos;
    dragFrom_ = state().placement;
  }
  return true;  // no button paints while Move is down
}

bool ReferenceController::mouseMove(Qt::MouseButtons buttons, QPoint pos) {
  if (!state().moving) return false;
  if (!dragging_ || !(buttons & Qt::LeftButton)) {
    dragging_ = false;
    return buttons != Qt::NoButton;  // a plain hover still shows the cell's colours
  }
  const ReferencePlacement p = DragReference(dragFrom_, pos.x() - dragStart_.x(), pos.y() - dragStart_.y(),
                                             w_.state().view.pixelScale());
  if (p != state().placement) {
    state().placement = p;
    placementChanged();
  }
  return true;
}

bool ReferenceController::mouseRelease() {
  if (!state().moving) return false;
  dragging_ = false;
  return true;
}

bool ReferenceController::wheel(bool up, QPoint global) {
  if (!state().moving) return false;
  EditorImage* editor = w_.editorImage();
  const QPoint pos = editor->mapFromGlobal(global);
  if (!editor->rect().contains(pos)) return false;
  const QPointF at = picturePoint(pos);
  ReferencePlacement& p = state().placement;
  p = ScaleReferenceAbout(image_.width(), image_.height(), p, WheelReferenceScale(p.scale, up), at.x(),
                          at.y());
  placementChanged();
  return true;
}

void ReferenceController::drawOnPreview(RgbImage& canvas, const QRect& block) const {
  const ReferenceState& s = state();
  if (s.loaded() && s.shown && s.onPreview)
    BlendReferenceArea(canvas, 2, layer_, block.x(), block.y(), block.width(), block.height());
}

}  // namespace cs
