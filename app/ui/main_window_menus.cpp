// The menu bar: File, Edit, Color Corrector and About, each item named as the
// tests find it and wired to the window's command handlers.
#include <QMenuBar>

#include "app/ui/history_controller.h"
#include "app/ui/main_window.h"
#include "app/ui/menu_item.h"
#include "app/ui/view_modes.h"
#include "formats/picture_kinds.h"

namespace cs {

void MainWindow::buildMenus() {
  fileMenu_ = menuBar()->addMenu(tr("File"));
  fileMenu_->setObjectName("File1");
  const auto add = [this](QMenu* menu, const QString& name, const QString& caption, auto handler) {
    return AddMenuItem(menu, name, caption, this, std::move(handler));
  };

  QMenu* newMenu = fileMenu_->addMenu(tr("New"));
  newMenu->setObjectName("New1");
  add(newMenu, "N8x8StandartGigascreen1", tr("8x8 Standart Gigascreen"), [this] { NewPicture(8); });
  add(newMenu, "N8x4MultiGigaScreen1", tr("8x4 MultiGigaScreen"), [this] { NewPicture(4); });
  add(newMenu, "N8x2MultiGigaScreen1", tr("8x2 MultiGigaScreen"), [this] { NewPicture(2); });
  add(newMenu, "N8x1MultiGigaScreen1", tr("8x1 MultiGigaScreen"), [this] { NewPicture(1); });

  QMenu* convert = fileMenu_->addMenu(tr("Change char size"));
  convert->setObjectName("Changecharsize1");
  add(convert, "Convertto8x81", tr("Convert to 8x8"), [this] { ConvertPicture(8); });
  add(convert, "Convertto8x41", tr("Convert to 8x4"), [this] { ConvertPicture(4); });
  add(convert, "Convertto8x21", tr("Convert to 8x2"), [this] { ConvertPicture(2); });
  add(convert, "Convertto8x11", tr("Convert to 8x1"), [this] { ConvertPicture(1); });

  fileMenu_->addSeparator();
  add(fileMenu_, "Open1", tr("Open *.mgs"), [this] { openPicture(); });
  add(fileMenu_, "Save1", tr("Save *.mgs"), [this] { SaveMgsFile(); });

  fileMenu_->addSeparator();
  QMenu* import = fileMenu_->addMenu(tr("Import"));
  import->setObjectName("Import1");
  add(import, "Importfrommg1mg2mg4mg81", tr("Import from %1").arg("*.mg1/mg2/mg4/mg8"),
      [this] { ImportMgFile(); });
  add(import, "Importfromimg2", tr("Import from %1").arg("*.img"),
      [this] { ImportScreenFile(false, false, "*.img|*.img"); });
  add(import, "Importfromimg1", tr("Import from %1").arg("*.$img"),
      [this] { ImportScreenFile(true, false, "*.$img|*.$img"); });
  add(import, "Importfromscr1", tr("Import from %1").arg("*.scr"),
      [this] { ImportScreenFile(false, true, "*.scr|*.scr"); });
  add(import, "Importfromscr2", tr("Import from %1").arg("*.$scr"),
      [this] { ImportScreenFile(true, true, "*.$scr|*.$scr"); });
  add(import, "ImportImage1", tr("Import image..."), [this] { ImportImage(); });

  QMenu* exportMenu = fileMenu_->addMenu(tr("Export"));
  exportMenu->setObjectName("Export1");
  add(exportMenu, "Exporttomg01", tr("Export to %1").arg("*.mg1"),
      [this] { ExportMgFile("*.mg1|*.mg1", ".mg1", true); });
  add(exportMenu, "Exporttomg11", tr("Export to %1").arg("*.mg2"),
      [this] { ExportMgFile("*.mg2|*.mg2", ".mg2", false); });
  add(exportMenu, "Exporttomg21", tr("Export to %1").arg("*.mg4"),
      [this] { ExportMgFile("*.mg4|*.mg4", ".mg4", false); });
  add(exportMenu, "Exporttomg81", tr("Export to %1").arg("*.mg8"),
      [this] { ExportMgFile("*.mg8|*.mg8", ".mg8", false); });
  add(exportMenu, "Exporttoimg2", tr("Export to %1").arg("*.img"), [this] { ExportImgFile(); });
  add(exportMenu, "ExporttoBMP1", tr("Export to %1").arg("*.PNG"), [this] { showExportPng(); });
  exportMenu->addSeparator();
  for (const PictureWriter& writer : PictureWriters()) {
    const QString ext = QString::fromLatin1(writer.extension.data(), qsizetype(writer.extension.size()));
    add(exportMenu, "Exportto" + ext.mid(1).remove('$') + "1", tr("Export to %1").arg("*" + ext),
        [this, &writer] { ExportPictureKind(writer); });
  }
  add(exportMenu, "ExporttoSnapshot1", tr("Export to emulator snapshot"), [this] { ExportSnapshot(); });
  add(fileMenu_, "MenuSaveSelection", tr("Save selection"), [this] { showSaveSelection(); });
  add(fileMenu_, "PreviewonZX1", tr("Make trd/tap and preview in Emul"), [this] { previewInEmulator(); });

  fileMenu_->addSeparator();
  add(fileMenu_, "Savewindowspositions1", tr("Save windows positions"), [this] { SaveWindowsPositions(); });

  buildEditMenu();
  viewModes_->buildMenu(menuBar(), nullptr);
  QMenu* corrector = menuBar()->addMenu(tr("Color Corrector"));
  corrector->setObjectName("ColorCorrector1");
  add(corrector, "ShowHide1", tr("Show/Hide"), [this] { ToggleCorrector(); });
  QAction* about = menuBar()->addAction(tr("About"));
  about->setObjectName("About1");
  connect(about, &QAction::triggered, this, [this] { toggleAbout(); });
}

void MainWindow::buildEditMenu() {
  QMenu* edit = menuBar()->addMenu(tr("Edit"));
  edit->setObjectName("Edit1");
  const struct {
    const char* name;
    const char* caption;
    void (MainWindow::*run)();
  } commands[] = {
      {"Removeselection1", QT_TR_NOOP("Remove selection (CTRL+D or ESC)"), &MainWindow::removeSelection},
      {"Copy1", QT_TR_NOOP("Copy (CTRL+C)"), &MainWindow::copySelection},
      {"Paste1", QT_TR_NOOP("Paste (CTRL+V)"), &MainWindow::pasteSelection},
      {"Delete1", QT_TR_NOOP("Delete (DEL)"), &MainWindow::deleteSelection},
  };
  for (const auto& c : commands) AddMenuItem(edit, c.name, tr(c.caption), this, c.run);
  edit->addSeparator();
  const struct {
    const char* name;
    const char* caption;
    Transform t;
  } transforms[] = {
      {"FlipHorizontal1", QT_TR_NOOP("Flip Horizontal"), Transform::FlipHorizontal},
      {"FlipVertical1", QT_TR_NOOP("Flip Vertical"), Transform::FlipVertical},
      {"Rotate90cw1", QT_TR_NOOP("Rotate 90` cw"), Transform::Rotate90},
      {"RotatepixelsRight1", QT_TR_NOOP("Rotate pixels Right (CTRL+CursorRight)"), Transform::RotateRight},
      {"RotatepixelsLeft1", QT_TR_NOOP("Rotate pixels Left (CTRL+CursorLeft)"), Transform::RotateLeft},
      {"RotatepixelsUp1", QT_TR_NOOP("Rotate pixels Up (CTRL+CursorUp)"), Transform::RotateUp},
      {"RotatepixelsDown1", QT_TR_NOOP("Rotate pixels Down (CTRL+CursorDown)"), Transform::RotateDown},
  };
  for (const auto& c : transforms)
    AddMenuItem(edit, c.name, tr(c.caption), this, [this, t = c.t] { transform(t); });
  HistoryController::AddMenuItems(edit, *this);
  viewModes_->addEditItems(edit);
}

}  // namespace cs
