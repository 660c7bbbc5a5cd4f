#include "app/ui/main_window.h"
#include "app/ui/main_window_text.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QFile>
#include <QFrame>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <QWindow>

#include "app/ui/editor_image.h"
#include "app/ui/file_dialog.h"
#include "app/ui/file_drop.h"
#include "app/ui/free_panel.h"
#include "app/ui/history_controller.h"
#include "app/ui/reference_controller.h"
#include "app/ui/icons.h"
#include "app/ui/scroll_box.h"
#include "app/ui/status_bar.h"
#include "app/ui/tool_key.h"
#include "app/ui/view_modes.h"
#include "app/ui/window_manager.h"
#include "edit/painting.h"
#include "render/view_geometry.h"

namespace cs {

namespace {

constexpr int kToolbarHeight = 41;
constexpr int kKeyTop = 4;

QString withSeparator(QString dir) {
  if (!dir.endsWith('/')) dir += '/';
  return dir;
}

}  // namespace

MainWindow::MainWindow(StartupOptions options)
    : messages_(std::move(options.messages)), confirm_(std::move(options.confirm)) {
  setObjectName("Form1");
  setWindowTitle(kCaption);
  // The selection's clipboard format needs no registration with Qt: copy and
  // paste use kSelectionClipboardFormat as the MIME type directly.
  programDir_ = withSeparator(options.programDir.isEmpty() ? QCoreApplication::applicationDirPath()
                                                           : options.programDir);
  const std::string programDir = QFile::encodeName(programDir_).toStdString();
  folders_ = ChooseProgramFolders(
      programDir, ProbeProgramDir(programDir),
      QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).toStdString(),
      QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).toStdString());

  openDialog_ = new FileDialog("OpenDialog1", FileDialog::Kind::Open, this);
  saveDialog_ = new FileDialog("SaveDialog1", FileDialog::Kind::Save, this);
  new FileDropFilter(this, [this](const QString& name) { openPictureFile(QFile::encodeName(name).toStdString()); });

  editMode_ = new QWidget(this);
  editMode_->setObjectName("EditMode_MGS");
  auto* column = new QVBoxLayout(editMode_);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  buildToolbar();
  workSpace_ = new QWidget(editMode_);
  workSpace_->setObjectName("Panel_WorkSpace");
  statusBar_ = new StatusBar(editMode_);
  column->addWidget(instruments_);
  column->addWidget(workSpace_, 1);
  column->addWidget(statusBar_);
  setCentralWidget(editMode_);
  buildPictureWindow();
  viewModes_ = new ViewModes(*this);
  buildMenus();

  readWindowPositions();
  buildPanels();
  // A window manager maximizes the window with its frame within the screen;
  // a bare X server maximizes nothing, so there the window covers the
  // screen's available area itself.
  if (WindowManagerRunning())
    setWindowState(Qt::WindowMaximized);
  else if (QScreen* s = screen())
    setGeometry(s->availableGeometry());

  tables_.mix = BuildMixTable(MakeFullPaletteImage());
  buildInstrumentKeys();
  buildPaletteContent();
  buildDrawingPanels();
  text_ = new TextController(*this);
  buildCorrector();
  connectEditorImage();
  history_ = new HistoryController(*this, QFile::encodeName(options.recoveryFolder).toStdString());
  reference_ = new ReferenceController(*this, QFile::encodeName(options.recoveryFolder).toStdString());

  timer1_ = new QTimer(this);
  timer1_->setObjectName("Timer1");
  timer1_->setInterval(100);
  connect(timer1_, &QTimer::timeout, this, &MainWindow::tickTimer);
  timer1_->start();

  if (!options.arguments) {
    options.arguments.emplace();
    for (const QString& argument : QCoreApplication::arguments().mid(1))
      options.arguments->append(QFile::encodeName(argument));
  }
  openCommandLineFile(*options.arguments);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildToolbar() {
  instruments_ = new QWidget(editMode_);
  instruments_->setObjectName("Panel_Instruments");
  instruments_->setFixedHeight(kToolbarHeight);

  static const struct {
    const char* name;
    const char* iconName;
    Icon icon;
  } kZoomKeys[4] = {{"KEY_Zoom1_1", "ImageZoom4", Icon::Zoom1},
                    {"KEY_Zoom2_1", "ImageZoom8", Icon::Zoom2},
                    {"KEY_Zoom3_1", "ImageZoom12", Icon::Zoom3},
                    {"KEY_Zoom4_1", "ImageZoom16", Icon::Zoom4}};
  for (int i = 0; i < 4; ++i) {
    const int level = i + 1;
    auto* key = new ToolKey(kZoomKeys[i].name, MakeIcon(kZoomKeys[i].icon), kZoomKeys[i].iconName,
                            tr("Zoom x%1").arg(level), instruments_);
    key->move(4 + kToolKeySize * i, kKeyTop);
    connect(key, &ToolKey::pressed, this, [this, level] {
      SetZoom(level);
      RefreshPicture(false);
    });
    zoomKeys_[static_cast<size_t>(i)] = key;
  }
  // Start-up shows level 1, as the first SetZoom would.
  zoomKeys_[0]->setInnerLowered(true);

  gridKey_ = new ToolKey("Key_Grid", MakeIcon(Icon::CharGrid), "Image4", tr("PerChar Grid (use hotkey 'G')"),
                         instruments_);
  gridKey_->move(140, kKeyTop);
  connect(gridKey_, &ToolKey::pressed, this, &MainWindow::ToggleCharGrid);
  zGridKey_ = new ToolKey("Key_zGrid", MakeIcon(Icon::PixelGrid), "Image5",
                          tr("PerPixel Grid (use hotkey 'H')"), instruments_);
  zGridKey_->move(172, kKeyTop);
  connect(zGridKey_, &ToolKey::pressed, this, &MainWindow::TogglePixelGrid);

  pixKey_ = new ToolKey("KEY_EditMode_PIX", "PIX", 41, instruments_);
  pixKey_->move(572, kKeyTop);
  pixKey_->setInnerLowered(state_.pixModeOn);
  connect(pixKey_, &ToolKey::pressed, this, &MainWindow::TogglePixMode);
  rgbKey_ = new ToolKey("KEY_EditMode_RGB", "RGB", 49, instruments_);
  rgbKey_->move(613, kKeyTop);
  rgbKey_->setInnerLowered(state_.rgbModeOn);
  connect(rgbKey_, &ToolKey::pressed, this, &MainWindow::ToggleRgbMode);
}

void MainWindow::buildPictureWindow() {
  picturePanel_ = new TFreePanel(workSpace_);
  picturePanel_->setObjectName("Panel_Editor_Picture");
  picturePanel_->MinWidth = kPictureMinWidth;
  picturePanel_->MinHeight = kPictureMinHeight;
  auto* column = new QVBoxLayout(picturePanel_);
  column->setContentsMargins(1, 1, 1, 1);
  column->setSpacing(0);
  pictureCaption_ = new PanelCaptionStrip("Panel3", tr("Picture"), picturePanel_);
  image6_ = pictureCaption_->addIcon("Image6", MakeResizeMinIcon());
  connect(image6_, &CaptionIcon::clicked, this, &MainWindow::TogglePictureMaximised);
  column->addWidget(pictureCaption_);

  scrollBox_ = new ScrollBox(picturePanel_);
  scrollBox_->setObjectName("ScrollBox_EditPicture");
  column->addWidget(scrollBox_, 1);

  editPanel_ = new QFrame;
  editPanel_->setObjectName("Panel_EditPicture");
  editPanel_->setFrameShape(QFrame::Box);
  editPanel_->setLineWidth(kEditPanelBorder);
  // Its frame and the editor image cover every pixel of it. Saying so lets
  // a scroll move what is on the screen and repaint only the strip uncovered.
  editPanel_->setAttribute(Qt::WA_OpaquePaintEvent);
  editorImage_ = new EditorImage(state_, images_, editPanel_);
  editorImage_->move(kEditPanelBorder, kEditPanelBorder);
  const int level = state_.view.zoomLevel;
  editorImage_->setFixedSize(EditorImageWidth(level), EditorImageHeight(level));
  scrollBox_->setPanel(editPanel_);
  scrollBox_->panWithMiddleButton(editorImage_);
  scrollBox_->setPanelSize(EditPanelWidth(level), EditPanelHeight(level));

  connect(scrollBox_, &ScrollBox::resized, this, &MainWindow::CenterEditorPicture);
}

// Values out of range were dropped on reading; a panel placed outside the
// work area comes back with its caption strip inside when it shows.
void MainWindow::readWindowPositions() {
  positions_ = LoadWindowPositions(WindowPositionsPath(folders_.iniDir));
  const WindowPositions& p = positions_;
  picturePanel_->setAlign(PanelAlign::None);
  picturePanel_->setBounds({p.pictureX, p.pictureY, p.pictureWidth, p.pictureHeight});
  if (p.pictureAlign == 0) picturePanel_->setAlign(PanelAlign::Client);
  image6_->setImage(picturePanel_->align() == PanelAlign::Client ? MakeResizeMinIcon() : MakeResizeMaxIcon());
  viewModes_->setLowFlickerPainting(p.lowFlicker == 1);
}

void MainWindow::registerPanel(QWidget* panel, int WindowPositions::*left, int WindowPositions::*top) {
  panel->move(positions_.*left, positions_.*top);
  panels_.push_back({panel, left, top});
}

void MainWindow::SaveWindowsPositions() {
  // Whatever their visibility; panels not built yet keep what was read.
  for (const PanelSlot& slot : panels_) {
    positions_.*slot.left = slot.panel->x();
    positions_.*slot.top = slot.panel->y();
  }
  const PanelRect b = picturePanel_->bounds();
  positions_.pictureX = b.left;
  positions_.pictureY = b.top;
  positions_.pictureWidth = b.width;
  positions_.pictureHeight = b.height;
  positions_.pictureAlign = picturePanel_->align() == PanelAlign::None ? 1 : 0;
  positions_.lowFlicker = state_.lowFlickerPainting ? 1 : 0;
  const std::string path = WindowPositionsPath(folders_.iniDir);
  // The user's configuration folder may not exist yet; the program's own does.
  const FileError err = folders_.installed ? MakeFolder(folders_.iniDir) : FileError{};
  if (err || SaveWindowPositions(path, positions_))
    showMessage(MessageKind::Error, tr("Unable to write to %1").arg(QFile::decodeName(path.c_str())));
}

FileError MainWindow::prepareZxviewFolder() {
  if (!folders_.installed) return {};
  return FillMissingFiles(folders_.zxviewSource, folders_.zxviewDir);
}

void MainWindow::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  if (shown_) return;
  shown_ = true;
  // Key preview and the form's wheel: one application-wide filter, which
  // takes each key and wheel event as it reaches the window, before any of
  // its widgets (dialogs are windows of their own and keep their keys).
  qApp->installEventFilter(this);
  RefreshPicture(true);
  // Over the window: the question about a picture an earlier editor left.
  QTimer::singleShot(0, history_, &HistoryController::offerRecovery);
  if (!pendingMessages_.empty())
    QTimer::singleShot(0, this, [this] {
      for (const auto& [kind, text] : std::exchange(pendingMessages_, {})) showMessage(kind, text);
    });
}

void MainWindow::closeEvent(QCloseEvent* e) {
  if (history_->mayClose())
    QMainWindow::closeEvent(e);
  else
    e->ignore();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched != windowHandle() || !windowHandle()) return false;
  if (event->type() == QEvent::KeyPress) {
    const auto* k = static_cast<QKeyEvent*>(event);
    keyPressed(k->key(), k->modifiers(), k->nativeScanCode(), k->timestamp(), k->text());
    return false;  // the focused control still gets the key
  }
  if (event->type() == QEvent::KeyRelease) {
    const auto* k = static_cast<QKeyEvent*>(event);
    keyReleased(k->key(), k->modifiers(), k->isAutoRepeat(), k->timestamp());
    return false;
  }
  if (event->type() == QEvent::Wheel) {
    const auto* wheel = static_cast<QWheelEvent*>(event);
    const int dy = wheel->angleDelta().y();
    // With Move down, Ctrl+wheel over the editor image scales the reference.
    if (dy != 0 && (wheel->modifiers() & Qt::ControlModifier) &&
        reference_->wheel(dy > 0, wheel->globalPosition().toPoint()))
      return true;
    if (dy != 0) zoomByWheel(dy > 0, static_cast<unsigned>(wheel->timestamp()));
    return true;
  }
  return false;
}

bool MainWindow::confirm(const QString& text) {
  if (confirm_) return confirm_(text);
  return QMessageBox::question(this, "chromaSmith", text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
         QMessageBox::Yes;
}

void MainWindow::showMessage(MessageKind kind, const QString& text) {
  if (messages_) return messages_(kind, text);
  if (!shown_) {
    pendingMessages_.emplace_back(kind, text);
    return;
  }
  QMessageBox::critical(this, kind == MessageKind::FormatError ? tr("Error") : QString("chromaSmith"), text,
                        QMessageBox::Ok);
}

void MainWindow::setFileCaption(const std::string& name) {
  state_.currentFileName = name;
  setWindowTitle(QString(kCaption) + " - " + QFile::decodeName(name.c_str()));
}

}  // namespace cs
