#include "app/ui/main_window_text.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/font_setting.h"
#include "app/program_folders.h"
#include "app/ui/brush_panel.h"
#include "app/ui/editor_image.h"
#include "app/ui/file_dialog.h"
#include "app/ui/history_controller.h"
#include "app/ui/main_window.h"
#include "app/ui/view_modes.h"
#include "app/window_positions.h"
#include "colour/ui/current_colours_panel.h"
#include "edit/text_instrument.h"
#include "formats/font_file.h"

namespace cs {

namespace {

// Typed glyphs repaint their cells; the status bar keeps what it showed.
class TextPaintSink : public PaintSink {
 public:
  explicit TextPaintSink(MainWindow& w) : w_(w) {}
  void redrawCell(int column, int cellRow, int) override { w_.RedrawCell(column, cellRow); }
  void showPaintedPoint(const PointInfo&) override {}

 private:
  MainWindow& w_;
};

}  // namespace

TextController::TextController(MainWindow& w)
    : QObject(&w), w_(w), sink_(std::make_unique<TextPaintSink>(w)) {
  QWidget* area = w.brushPanel()->textArea();
  load_ = new QPushButton(tr("Load font..."), area);
  load_->setObjectName("Key_LoadFont");
  name_ = new QLabel(area);
  name_->setObjectName("Label_FontName");
  opaque_ = new QCheckBox(tr("Opaque text"), area);
  opaque_->setObjectName("Check_OpaqueText");
  // Keys typed into a text must not also press these controls.
  for (QWidget* c : {static_cast<QWidget*>(load_), static_cast<QWidget*>(opaque_)})
    c->setFocusPolicy(Qt::NoFocus);
  // The button, the font's name and the check box each have a row of their
  // own: the panel is narrow, and the captions of some languages are long.
  auto* rows = new QVBoxLayout(area);
  rows->setContentsMargins(8, 4, 8, 4);
  rows->setSpacing(2);
  rows->addWidget(load_, 0, Qt::AlignLeft);
  rows->addWidget(name_);
  rows->addWidget(opaque_);
  rows->addStretch(1);

  connect(opaque_, &QCheckBox::toggled, this, [this](bool on) { w_.state().text.opaque = on; });
  connect(load_, &QPushButton::clicked, this, [this] {
    FileDialog& dialog = w_.openDialog();
    dialog.filter = tr("Spectrum fonts") + "|*.ch8;*.chr;*.fnt;*.bin;*.udg|" + tr("All files") + "|*";
    if (!dialog.execute()) return;
    w_.state().clickGuard = true;  // the click that closed the dialog paints nothing
    loadFont(dialog.fileName);
  });

  // The remembered font, quietly: a file gone since is no reason for a box.
  const std::string remembered = ReadFontSetting(WindowPositionsPath(w.folders().iniDir));
  if (!remembered.empty()) LoadFontFile(remembered, w.state().text.font);
  showFontName();
}

TextController::~TextController() = default;

bool TextController::loadFont(const std::string& path) {
  EditorState& s = w_.state();
  if (w_.reportFileError(LoadFontFile(path, s.text.font))) return false;
  showFontName();
  const ProgramFolders& f = w_.folders();
  if (!f.installed || !MakeFolder(f.iniDir)) SaveFontSetting(WindowPositionsPath(f.iniDir), path);
  return true;
}

void TextController::showFontName() {
  const std::string& name = w_.state().text.font.name;
  name_->setText(name.empty() ? tr("Built-in font") : QFile::decodeName(name.c_str()));
  name_->setToolTip(name_->text());
}

bool TextController::keyPressed(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text) {
  EditorState& s = w_.state();
  if (!s.text.open) return false;
  if (qtKey == Qt::Key_Escape || (modifiers & (Qt::ControlModifier | Qt::AltModifier)) ||
      !TextOwnsPicture(s)) {
    close();
    return false;
  }
  if (qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter) {
    TextReturn(s);
  } else if (qtKey == Qt::Key_Backspace) {
    TextBackspace(s, *sink_);
    w_.RefreshPicture(true);
  } else if (!text.isEmpty() && text.at(0) >= QChar(' ') && text.at(0) != QChar(0x7F)) {
    const QList<uint> codes = text.toUcs4();
    TypeText(s, *sink_, std::u32string(codes.begin(), codes.end()));
  } else {
    return false;
  }
  showCursor();
  return true;
}

void TextController::close() {
  EditorState& s = w_.state();
  if (!s.text.open) return;
  const bool painted = CloseText(s);
  w_.editorImage()->setRubberBand({}, {});
  if (!painted) return;
  w_.viewModes().keepFlickerLow(w_.history()->recordedPicture());
  w_.history()->record(tr("Text"));
}

void TextController::showCursor() {
  const EditorState& s = w_.state();
  if (s.text.open) w_.editorImage()->setRubberBand(TextCursorBand(s), w_.currentColours()->curMixColour());
}

}  // namespace cs
