// The main window, Form1: owns the editor state, the composed images, the
// menus, the toolbar, the status bar and the picture window, and holds the
// command handlers. Other parts reach the display through RefreshPicture,
// RedrawCell and the signals below; floating panels are widgets of their
// own, created and owned here.
#pragma once

#include <QByteArrayList>
#include <QMainWindow>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/program_folders.h"
#include "app/ui/startup_options.h"
#include "app/window_positions.h"
#include "edit/keyboard.h"
#include "edit/transforms.h"
#include "formats/file_error.h"
#include "photo/image_import.h"
#include "model/editor_state.h"
#include "render/compose.h"

class QMenu;
class QTimer;
class QFrame;

namespace cs {

class AboutPanel;
class BorderPalettePanel;
class CaptionIcon;
class CorrectorPanel;
class CurrentColoursPanel;
class EditorImage;
class ExportPngPanel;
class FileDialog;
class FloatingPanel;
class HistoryController;
class ShapeOptionsControls;
class PaintSink;
class PalettePanel;
class PanelCaptionStrip;
class PatternsPanel;
class BrushPanel;
class BrushControls;
class PreviewPanel;
class ReferenceController;
struct PictureWriter;
class SaveSelectionPanel;
class ScrollBox;
class StatusBar;
class TextController;
class TFreePanel;
class ToolKey;
class ViewModes;
class ZoomPreviewPanel;

inline constexpr const char* kCaption = "chromaSmith x0.94";
inline constexpr const char* kSelectionClipboardFormat = "ChromaSmith Selection";

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(StartupOptions options = {});
  ~MainWindow() override;

  EditorState& state() { return state_; }
  const ColourTables& tables() const { return tables_; }
  ComposedImages& images() { return images_; }
  const ComposedImages& images() const { return images_; }
  // The View menu's state: what the editor and the previews show.
  ViewModes& viewModes() { return *viewModes_; }
  const QString& programDir() const { return programDir_; }
  // Where the INI file and the zxview folder are.
  const ProgramFolders& folders() const { return folders_; }
  // The zxview folder, ready for the emulator preview: an installed program
  // first copies in the installed files the user's copy lacks.
  FileError prepareZxviewFolder();
  // The panel positions read from the INI file.
  const WindowPositions& positions() const { return positions_; }
  // A floating panel built by its own part: moves it to its stored position
  // and has "Save windows positions" write where it is then.
  void registerPanel(QWidget* panel, int WindowPositions::*left, int WindowPositions::*top);

  // --- display ---
  // Recomposes the off-screen images when asked, repaints the editor image
  // and tells the previews (pictureRefreshed). Only a change of the Picture
  // needs the recomposition: grids, zoom and selections are drawn over the
  // composition when the editor image is painted.
  void RefreshPicture(bool recompose);
  // Recolours one cell after a pen point and repaints only its rectangle.
  void RedrawCell(int column, int cellRow);

  // --- view ---
  void SetZoom(int level);
  // Places the picture in the middle of a larger scroll box, or at its origin.
  void CenterEditorPicture();
  // Image6: the picture window fills the work area or floats at RestoreBounds.
  void TogglePictureMaximised();
  // One wheel notch over the window, sent at `eventMs` (0: unknown); zooms at
  // most one level per timer tick and per 100 ms of event time.
  void zoomByWheel(bool up, unsigned eventMs);
  void tickTimer();

  // --- toggles of the toolbar keys ---
  void ToggleCharGrid();
  void TogglePixelGrid();
  void TogglePixMode();
  void ToggleRgbMode();

  // --- floating panels and their keys (main_window_panels.cpp) ---
  // Each flips its panel and shows the state on its key's outer bevel.
  void TogglePalettePanel();
  void ToggleBorderPalettePanel();
  void TogglePreviewPanel();
  void ToggleZoomPreviewPanel();
  // The Patterns and Brush panels (main_window_drawing_panels.cpp).
  void TogglePatternsPanel();
  PatternsPanel* patternsPanel() const { return patternsPanel_; }
  void ToggleBrushPanel();
  BrushPanel* brushPanel() const { return brushPanel_; }
  BrushControls* brushControls() const { return brushControls_; }
  // The preview image shows the composed preview again, without the frame.
  void ShowPreview();
  // The preview, the magnifier and the preview's frame show the view's
  // current frame (or catch up when next shown).
  void refreshPreviews();
  // The magnifier shows the preview around the last mouse position over the
  // editor image.
  void ShowZoomPreview();
  // Outlines on the preview the area a click there would show, at the
  // target zoom, with that zoom's icon in its corner.
  void DrawPreviewFrame();
  // Editor_IMG_Preview: a move picks the 8 x 8 block under the mouse; a press
  // jumps the editor there at the target zoom and hides the preview.
  void previewMouseMove(QPoint pos);
  void previewMousePress();
  // Menu "About": centres the About panel in the window, then flips it.
  void toggleAbout();
  // Menu "Export to *.PNG" shows the export panel; its "Ok" writes the file.
  void showExportPng();
  void exportPng();
  // Menu "Save selection": shows its panel while a selection is visible;
  // its "Ok" asks for a name and dumps the selection.
  void showSaveSelection();
  void saveSelectionOk();

  // --- the colour corrector (main_window_corrector.cpp) ---
  // Menu "Color Corrector" > "Show/Hide" and the key X: flip the corrector.
  // Whenever it becomes visible it fits its neighbourhood boxes to the cell
  // height and redraws itself whole from the Picture.
  void ToggleCorrector();
  // Recomposes when asked and shows both screens in the corrector's views.
  void RefreshCorrectorViews(bool recompose);

  // --- the Edit menu (main_window_edit.cpp) ---
  void removeSelection();
  void selectAll();
  // Copy and paste go through the clipboard under the selection's format.
  void copySelection();
  void pasteSelection();
  void deleteSelection();
  void transform(Transform t);
  // The mouse cursor is over the panel that holds the editor image.
  bool mouseOverPicture() const;

  // The two palette panels are empty shells here: their content is placed
  // in panel coordinates below the 17-pixel caption strip.
  QWidget* palettePanel() const;
  QWidget* borderPanel() const;
  QWidget* correctorPanel() const;
  PreviewPanel* previewPanel() const { return previewPanel_; }
  ZoomPreviewPanel* zoomPreviewPanel() const { return zoomPreviewPanel_; }
  ExportPngPanel* exportPngPanel() const { return exportPngPanel_; }
  SaveSelectionPanel* saveSelectionPanel() const { return saveSelectionPanel_; }
  CorrectorPanel* correctorContent() const { return corrector_; }
  // The session's history, its panel and the recovery copies.
  HistoryController* history() const { return history_; }
  ReferenceController* reference() const { return reference_; }
  AboutPanel* aboutPanel() const { return aboutPanel_; }

  // --- keyboard (main_window_keys.cpp): every key of the window, before
  // the focused control. `scanCode` is the window system's code of the key's
  // position (0 when unknown). ---
  // `time` is the event's time (0 when unknown), `text` what the key types.
  void keyPressed(int qtKey, Qt::KeyboardModifiers modifiers, quint32 scanCode = 0, quint64 time = 0,
                  const QString& text = {});
  // Every key release: ends a run of cursor steps and the pen's Shift-line
  // when Shift is let go.
  void keyReleased(int qtKey, Qt::KeyboardModifiers modifiers, bool autoRepeat = false, quint64 time = 0);

  // --- painting on the editor image (editor-image coordinates) ---
  void editorMousePress(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
  void editorMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint pos);
  void editorMouseRelease();
  // The four mixed colours of the cell under (X, Y) in the status bar.
  void ShowCellColours(int X, int Y);
  // The instrument and the bevels of the instrument keys.
  void SetInstrument(Instrument n);

  // --- current colours ---
  // Everything that shows the four current colours, and the mix selection.
  void RedrawPalettePanels();
  void ShowMixSelection();
  // A mix swatch or the keys 1..4.
  void SelectMix(int n);

  // --- file commands ---
  void NewPicture(int cellHeight);
  void ConvertPicture(int cellHeight);
  // "Open *.mgs" and "Save *.mgs".
  void openPicture();
  void SaveMgsFile();
  // Read a file into the Picture; on failure the user sees why and the
  // Picture, the view and the caption stay as they were.
  bool LoadMgsFile(const QString& name);
  bool LoadMgFile(const QString& name);
  void ImportMgFile();
  void ImportScreenFile(bool withHeader, bool singleScreen, const char* filter);
  // "Import image...": any image the toolkit reads, converted at the
  // picture's cell height as one undo step (main_window_import.cpp).
  void ImportImage();
  void importImageFile(const std::string& name);
  void ExportMgFile(const char* filter, const char* extension, bool mg1Layout);
  void ExportImgFile();
  // Any picture kind by its extension (the "All pictures" filter and dropped
  // files); what the picture cannot show of the file goes to the status bar.
  // `nameAlways` names the file in any failure's message (the command line).
  bool openPictureFile(const std::string& path, bool nameAlways = false);
  void ExportPictureKind(const PictureWriter& writer);
  void ExportSnapshot();  // "Export to emulator snapshot": .szx, .z80 or .sna
  // "Make trd/tap and preview in Emul": writes the Picture into the zxview
  // folder and starts the script of its cell height there, without waiting.
  void previewInEmulator();
  void SaveWindowsPositions();

  FileDialog& openDialog() { return *openDialog_; }
  FileDialog& saveDialog() { return *saveDialog_; }

  void setMessageSink(MessageSink sink) { messages_ = std::move(sink); }
  void setConfirmSink(ConfirmSink sink) { confirm_ = std::move(sink); }
  void setImportDialogRunner(ImportDialogRunner runner) { importDialogRunner_ = std::move(runner); }

  EditorImage* editorImage() const { return editorImage_; }
  ScrollBox* scrollBox() const { return scrollBox_; }
  TFreePanel* picturePanel() const { return picturePanel_; }
  QWidget* workSpace() const { return workSpace_; }
  StatusBar* statusBar1() const { return statusBar_; }
  QWidget* toolbar() const { return instruments_; }
  QMenu* fileMenu() const { return fileMenu_; }
  PalettePanel* paletteContent() const { return paletteContent_; }
  BorderPalettePanel* borderContent() const { return borderContent_; }
  CurrentColoursPanel* currentColours() const { return currentColours_; }

 signals:
  // After every RefreshPicture: the previews redraw from the images.
  void pictureRefreshed();
  // After RedrawCell: the cell's rectangle in picture pixels.
  void cellRedrawn(CellRect cell);
  // Every Timer1 tick, after the selection outline has moved.
  void timerTicked();
  // The Picture's border pair changed (a load, an import or the border
  // palette): the border palette's marker and the preview frame follow it.
  void borderChanged();

 protected:
  void showEvent(QShowEvent*) override;
  // Asks about unsaved changes first; the answer may keep the window open.
  void closeEvent(QCloseEvent*) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class HistoryController;
  friend class ReferenceController;
  friend class TextController;
  friend class BrushControls;
  void buildMenus();
  void buildEditMenu();
  void buildToolbar();
  void buildPictureWindow();
  void buildInstrumentKeys();
  void buildPaletteContent();
  void buildCorrector();
  void connectEditorImage();
  void readWindowPositions();
  void openCommandLineFile(const QByteArrayList& arguments);
  // Loads the file `path`, its name as the system spells it, with `load`.
  bool loadPictureFile(const std::string& path, FileError (*load)(const std::string&, Picture&),
                       bool nameAlways = false);
  void showZoomOnKeys();
  void buildPanels();
  void buildPanelKeys();
  void buildDrawingPanels();
  void togglePanel(QWidget* panel, ToolKey* key);
  // Shows (raised above the other floating panels) or hides a panel.
  void showOnTop(QWidget* panel, bool show);
  void runKeyCommand(KeyCommand c, int key);
  // The mouse cursor moved by screen pixels, and a click where it is.
  void moveCursorBy(int dx, int dy);
  void clickAtCursor(Qt::MouseButton button);
  void showMessage(MessageKind kind, const QString& text);
  bool confirm(const QString& text);
  // Shows the error's text (a format error in an error box); true if failed.
  bool reportFileError(const FileError& error);
  // The same for opening `path`, naming the file where the message needs it.
  bool reportOpenError(const FileError& error, const std::string& path, bool nameAlways);
  bool runOpenDialog(const QString& filter);
  // The chosen name with its extension ensured, or nothing for cancel.
  std::optional<std::string> runSaveDialog(const char* filter, const char* extension);
  // Asks about the first of `names` that exists; true when none does or the
  // user agrees to replace it.
  bool mayReplace(const std::vector<std::string>& names);
  // After a load or import: zoom level 1, recomposed; a named file goes into
  // the caption and both dialogs.
  void pictureReplaced(const std::string& name);
  void setFileCaption(const std::string& name);

  EditorState state_;
  ColourTables tables_;
  ComposedImages images_;
  ViewModes* viewModes_ = nullptr;
  WindowPositions positions_;
  struct PanelSlot {
    QWidget* panel;
    int WindowPositions::*left;
    int WindowPositions::*top;
  };
  std::vector<PanelSlot> panels_;
  QString programDir_;
  ProgramFolders folders_;
  MessageSink messages_;
  ConfirmSink confirm_;
  ImportDialogRunner importDialogRunner_;
  // The import options last confirmed, offered again by the next import.
  ImportOptions importOptions_;

  QWidget* editMode_ = nullptr;
  QWidget* instruments_ = nullptr;
  std::array<ToolKey*, 4> zoomKeys_{};
  ToolKey* gridKey_ = nullptr;
  ToolKey* zGridKey_ = nullptr;
  ToolKey* pixKey_ = nullptr;
  ToolKey* rgbKey_ = nullptr;
  std::vector<ToolKey*> instrumentKeys_;  // in the order of the instrument table
  ShapeOptionsControls* shapeOptions_ = nullptr;
  CurrentColoursPanel* currentColours_ = nullptr;
  PalettePanel* paletteContent_ = nullptr;
  BorderPalettePanel* borderContent_ = nullptr;
  std::unique_ptr<PaintSink> paintSink_;
  QWidget* workSpace_ = nullptr;
  TFreePanel* picturePanel_ = nullptr;
  PanelCaptionStrip* pictureCaption_ = nullptr;
  CaptionIcon* image6_ = nullptr;
  ScrollBox* scrollBox_ = nullptr;
  QFrame* editPanel_ = nullptr;
  EditorImage* editorImage_ = nullptr;
  StatusBar* statusBar_ = nullptr;
  QTimer* timer1_ = nullptr;
  FileDialog* openDialog_ = nullptr;
  FileDialog* saveDialog_ = nullptr;
  QMenu* fileMenu_ = nullptr;

  FloatingPanel* palettePanel_ = nullptr;
  FloatingPanel* borderPanel_ = nullptr;
  PreviewPanel* previewPanel_ = nullptr;
  ZoomPreviewPanel* zoomPreviewPanel_ = nullptr;
  FloatingPanel* correctorPanel_ = nullptr;
  CorrectorPanel* corrector_ = nullptr;
  ExportPngPanel* exportPngPanel_ = nullptr;
  SaveSelectionPanel* saveSelectionPanel_ = nullptr;
  AboutPanel* aboutPanel_ = nullptr;
  HistoryController* history_ = nullptr;
  PatternsPanel* patternsPanel_ = nullptr;
  BrushPanel* brushPanel_ = nullptr;
  ReferenceController* reference_ = nullptr;
  TextController* text_ = nullptr;
  BrushControls* brushControls_ = nullptr;
  ToolKey* paletteKey_ = nullptr;
  ToolKey* borderPaletteKey_ = nullptr;
  ToolKey* previewKey_ = nullptr;
  ToolKey* zoomPreviewKey_ = nullptr;
  // ImageZoom8, ImageZoom12, ImageZoom16 as the preview frame copies them.
  std::array<RgbImage, 3> zoomTargetIcons_;
  bool shown_ = false;
  // The preview image missed a refresh while neither it nor the magnifier
  // (which copies from it) was shown.
  bool previewStale_ = false;
  KeyReleaseMemo lastRelease_;
  // Errors raised before the window is first shown (a bad command-line
  // file) wait for it, so their box stands over the window, not alone.
  std::vector<std::pair<MessageKind, QString>> pendingMessages_;
};

}  // namespace cs
