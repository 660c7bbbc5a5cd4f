// The Text instrument in the window: typing into the open text from the
// window's key preview, its cursor on the editor image, closing it with its
// history step, and the text area of the Brush panel ("Load font...", the
// font's name, "Opaque text"), whose font is remembered in the INI file.
#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <string>

class QLabel;
class QCheckBox;
class QPushButton;

namespace cs {

class MainWindow;
class PaintSink;

class TextController : public QObject {
  Q_OBJECT
 public:
  // Fills the Brush panel's text area and loads the remembered font.
  explicit TextController(MainWindow& w);
  ~TextController() override;

  // A key press seen by the window's key preview. True when it went into the
  // open text and the key table must not run: printable keys without Ctrl or
  // Alt, Return and Backspace. Esc and the Ctrl and Alt combinations close
  // the text first and then work as usual, as every key does once something
  // else (a menu command) has changed the Picture under the text.
  bool keyPressed(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text);
  // Closes the open text and records its step "Text" when it painted.
  void close();
  // Shows the text cursor while a text is open (after the image's redraw
  // from the composite has wiped it).
  void showCursor();
  // Reads a font file into the current font; a refused one is reported and
  // the current font kept. True when it loaded.
  bool loadFont(const std::string& path);

 private:
  void showFontName();

  MainWindow& w_;
  std::unique_ptr<PaintSink> sink_;
  QPushButton* load_ = nullptr;
  QLabel* name_ = nullptr;
  QCheckBox* opaque_ = nullptr;
};

}  // namespace cs
