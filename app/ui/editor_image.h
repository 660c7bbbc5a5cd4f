// The editor image: the magnified picture the user paints on. It draws itself
// through the EditorCanvas from the editor state, and reports mouse presses,
// moves and releases in its own (editor-image) coordinates for the painting
// and selection code to handle.
#pragma once

#include <QWidget>

#include "app/ui/editor_canvas.h"
#include "edit/instruments.h"
#include "model/editor_state.h"

namespace cs {

class EditorImage : public QWidget {
  Q_OBJECT
 public:
  EditorImage(const EditorState& state, const ComposedImages& images, QWidget* parent);

  EditorCanvas& canvas() { return canvas_; }

  // Shows the rubber band of an open shape over the picture, in place of
  // any earlier one; only the two bands' rectangles are repainted.
  void setRubberBand(const RubberBand& band, QColor colour);
  // Forgets the band; the next repaint of its area no longer shows it.
  void clearRubberBand() { band_ = {}; }
  const RubberBand& rubberBand() const { return band_; }

 signals:
  void pressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
  void moved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint pos);
  void released(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  const EditorState& state_;
  EditorCanvas canvas_;
  RubberBand band_;
  QColor bandColour_;
};

}  // namespace cs
