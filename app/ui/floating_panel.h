// A tool window of the main window: a plain panel floating over the work
// area where it was put (custom alignment: no resize grips), with the
// sky-blue caption strip across its top, which drags it, and an optional
// close icon at the strip's right end. It starts hidden; hiding and showing
// never move it, except that it shows with its caption strip within reach
// in the work area (KeepCaptionInParent), wherever it was put. Its content is
// placed by hand in panel coordinates, the strip taking lines 0 ... 16, so the
// panel has no layout of its own.
#pragma once

#include <QWidget>

class QPushButton;

namespace cs {

class CaptionIcon;
class PanelCaptionStrip;

class FloatingPanel : public QWidget {
  Q_OBJECT
 public:
  FloatingPanel(const QString& name, const QString& stripName, const QString& caption, QSize size,
                QWidget* parent);

  PanelCaptionStrip* captionStrip() const { return strip_; }

  // ClosePanel: a 16 x 13 close icon in an 18 x 15 box at the right end of
  // the strip; a press on it hides this panel.
  CaptionIcon* addCloseIcon(const QString& name);

  // A push button of the panel; with `closes` it runs ButtonClosePanel,
  // which hides the panel that holds it.
  QPushButton* addButton(const QString& name, const QString& caption, QRect geometry, bool closes = false);

 signals:
  // The panel has become visible, by whatever command (a window restored
  // from the task bar does not count): content that is not kept up while
  // hidden is drawn now.
  void shown();

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void showEvent(QShowEvent* e) override;

 private:
  PanelCaptionStrip* strip_;
};

// The floating panel an icon of a caption strip belongs to, and the panel
// that directly holds a button.
void ClosePanel(CaptionIcon* icon);
void ButtonClosePanel(QWidget* button);

}  // namespace cs
