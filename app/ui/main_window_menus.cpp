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
  fileMenu_ = menuBar()->addMenu("File");
  fileMenu_->setObjectName("File1");
  const auto add = [this](QMenu* menu, const QString& name, const char* caption, auto handler) {
    return AddMenuItem(menu, name, caption, this, std::move(handler));
  };

  QMenu* newMenu = fileMenu_->addMenu("New");
  newMenu->setObjectName("New1");
  add(newMenu, "N8x8StandartGigascreen1", "8x8 Standart Gigascreen", [this] { NewPicture(8); });
  add(newMenu, "N8x4MultiGigaScreen1", "8x4 MultiGigaScreen", [this] { NewPicture(4); });
  add(newMenu, "N8x2MultiGigaScreen1", "8x2 MultiGigaScreen", [this] { NewPicture(2); });
  add(newMenu, "N8x1MultiGigaScreen1", "8x1 MultiGigaScreen", [this] { NewPicture(1); });

  QMenu* convert = fileMenu_->addMenu("Change char size");
  convert->setObjectName("Changecharsize1");
  add(convert, "Convertto8x81", "Convert to 8x8", [this] { ConvertPicture(8); });
  add(convert, "Convertto8x41", "Convert to 8x4", [this] { ConvertPicture(4); });
  add(convert, "Convertto8x21", "Convert to 8x2", [this] { ConvertPicture(2); });
  add(convert, "Convertto8x11", "Convert to 8x1", [this] { ConvertPicture(1); });

  fileMenu_->addSeparator();
  add(fileMenu_, "Open1", "Open *.mgs", [this] { openPicture(); });
  add(fileMenu_, "Save1", "Save *.mgs", [this] { SaveMgsFile(); });

  fileMenu_->addSeparator();
  QMenu* import = fileMenu_->addMenu("Import");
  import->setObjectName("Import1");
  add(import, "Importfrommg1mg2mg4mg81", "Import from *.mg1/mg2/mg4/mg8", [this] { ImportMgFile(); });
  add(import, "Importfromimg2", "Import from *.img", [this] { ImportScreenFile(false, false, "*.img|*.img"); });
  add(import, "Importfromimg1", "Import from *.$img", [this] { ImportScreenFile(true, false, "*.$img|*.$img"); });
  add(import, "Importfromscr1", "Import from *.scr", [this] { ImportScreenFile(false, true, "*.scr|*.scr"); });
  add(import, "Importfromscr2", "Import from *.$scr", [this] { ImportScreenFile(true, true, "*.$scr|*.$scr"); });
  add(import, "ImportImage1", "Import image...", [this] { ImportImage(); });

  QMenu* exportMenu = fileMenu_->addMenu("Export");
  exportMenu->setObjectName("Export1");
  add(exportMenu, "Exporttomg01", "Export to *.mg1", [this] { ExportMgFile("*.mg1|*.mg1", ".mg1", true); });
  add(exportMenu, "Exporttomg11", "Export to *.mg2", [this] { ExportMgFile("*.mg2|*.mg2", ".mg2", false); });
  add(exportMenu, "Exporttomg21", "Export to *.mg4", [this] { ExportMgFile("*.mg4|*.mg4", ".mg4", false); });
  add(exportMenu, "Exporttomg81", "Export to *.mg8", [this] { ExportMgFile("*.mg8|*.mg8", ".mg8", false); });
  add(exportMenu, "Exporttoimg2", "Export to *.img", [this] { ExportImgFile(); });
  add(exportMenu, "ExporttoBMP1", "Export to *.PNG", [this] { showExportPng(); });
  exportMenu->addSeparator();
  for (const PictureWriter& writer : PictureWriters()) {
    const QString ext = QString::fromLatin1(writer.extension.data(), qsizetype(writer.extension.size()));
    add(exportMenu, ("Exportto" + ext.mid(1).remove('$') + "1").toLatin1().constData(),
        ("Export to *" + ext).toLatin1().constData(), [this, &writer] { ExportPictureKind(writer); });
  }
  add(exportMenu, "ExporttoSnapshot1", "Export to emulator snapshot", [this] { ExportSnapshot(); });
  add(fileMenu_, "MenuSaveSelection", "Save selection", [this] { showSaveSelection(); });
  add(fileMenu_, "PreviewonZX1", "Make trd/tap and preview in Emul", [this] { previewInEmulator(); });

  fileMenu_->addSeparator();
  add(fileMenu_, "Savewindowspositions1", "Save windows positions", [this] { SaveWindowsPositions(); });

  buildEditMenu();
  viewModes_->buildMenu(menuBar(), nullptr);
  QMenu* corrector = menuBar()->addMenu("Color Corrector");
  corrector->setObjectName("ColorCorrector1");
  add(corrector, "ShowHide1", "Show/Hide", [this] { ToggleCorrector(); });
  QAction* about = menuBar()->addAction("About");
  about->setObjectName("About1");
  connect(about, &QAction::triggered, this, [this] { toggleAbout(); });
}

void MainWindow::buildEditMenu() {
  QMenu* edit = menuBar()->addMenu("Edit");
  edit->setObjectName("Edit1");
  const struct {
    const char* name;
    const char* caption;
    void (MainWindow::*run)();
  } commands[] = {
      {"Removeselection1", "Remove selection (CTRL+D or ESC)", &MainWindow::removeSelection},
      {"Copy1", "Copy (CTRL+C)", &MainWindow::copySelection},
      {"Paste1", "Paste (CTRL+V)", &MainWindow::pasteSelection},
      {"Delete1", "Delete (DEL)", &MainWindow::deleteSelection},
  };
  for (const auto& c : commands) AddMenuItem(edit, c.name, c.caption, this, c.run);
  edit->addSeparator();
  const struct {
    const char* name;
    const char* caption;
    Transform t;
  } transforms[] = {
      {"FlipHorizontal1", "Flip Horizontal", Transform::FlipHorizontal},
      {"FlipVertical1", "Flip Vertical", Transform::FlipVertical},
      {"Rotate90cw1", "Rotate 90` cw", Transform::Rotate90},
      {"RotatepixelsRight1", "Rotate pixels Right (CTRL+CursorRight)", Transform::RotateRight},
      {"RotatepixelsLeft1", "Rotate pixels Left (CTRL+CursorLeft)", Transform::RotateLeft},
      {"RotatepixelsUp1", "Rotate pixels Up (CTRL+CursorUp)", Transform::RotateUp},
      {"RotatepixelsDown1", "Rotate pixels Down (CTRL+CursorDown)", Transform::RotateDown},
  };
  for (const auto& c : transforms)
    AddMenuItem(edit, c.name, c.caption, this, [this, t = c.t] { transform(t); });
  HistoryController::AddMenuItems(edit, *this);
  viewModes_->addEditItems(edit);
}

}  // namespace cs
