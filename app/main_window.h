// The main window: owns the editor state and the views over it.
#pragma once

#include <QMainWindow>

#include "model/editor_state.h"
#include "render/compose.h"

class QScrollArea;

namespace cs {

class PictureView;

inline constexpr const char* kCaption = "chromaSmith x0.94";

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(QWidget* parent = nullptr);

  EditorState& state() { return state_; }
  const ComposedImages& images() const { return images_; }
  // Recomposes if asked and repaints the editor image.
  void RefreshPicture(bool recompose);

 private:
  EditorState state_;
  ColourTables tables_;
  ComposedImages images_;
  QScrollArea* scroll_ = nullptr;
  PictureView* view_ = nullptr;
};

}  // namespace cs
