// The reference image: View > "Reference image..." opens it, Z and View >
// "Show reference image" show and hide it, the Reference panel sets how it
// lies over the picture, and with the panel's Move key down a drag on the
// editor image moves it and Ctrl+wheel scales it about the mouse. It is laid
// over the editor image (and the preview when asked) from one layer at
// picture size, rebuilt only when the image or its placement changes. For a
// picture with a file name it is remembered in the state folder's
// references.ini and comes back when that picture is opened again.
#pragma once

#include <QImage>
#include <QObject>
#include <QPoint>
#include <string>

#include "app/reference_store.h"
#include "model/reference.h"
#include "model/rgb_image.h"
#include "render/reference_layer.h"

class QAction;
class QMenu;
class QPointF;
class QRect;
class QTimer;

namespace cs {

class FileDialog;
class MainWindow;
class ReferencePanel;

class ReferenceController : public QObject {
  Q_OBJECT
 public:
  // `storeFolder` empty: the user's state folder.
  ReferenceController(MainWindow& window, const std::string& storeFolder = {});
  ~ReferenceController() override;

  ReferencePanel* panel() const { return panel_; }
  QAction* showAction() const { return showAction_; }
  FileDialog& dialog() const { return *dialog_; }
  const ReferenceLayer& layer() const { return layer_; }
  const ReferenceStore& store() const { return store_; }

  // View > "Reference image...": asks for the file, then opens it.
  void chooseFile();
  // Opens the image (any picture kind the editor opens, or an image the
  // loader reads) fitted, at 50 %, shown, and shows the panel. A file that
  // cannot be read gets the loader's message and nothing changes.
  bool openFile(const std::string& name);
  void setShown(bool shown);
  void toggleShown();
  // Forgets the reference, here and in the remembered entries.
  void clear();
  // The panel's Move key, and Esc while it is down.
  void setMoving(bool on);

  // The editor image's mouse while Move is down; true when taken.
  bool mousePress(Qt::MouseButton button, QPoint pos);
  bool mouseMove(Qt::MouseButtons buttons, QPoint pos);
  bool mouseRelease();
  // A notch of the wheel with Ctrl at `global`; true when it scaled.
  bool wheel(bool up, QPoint global);

  // Lays the reference over `canvas` (the preview at 2:1) in `block`, when
  // it is shown there.
  void drawOnPreview(RgbImage& canvas, const QRect& block) const;

  // The picture now has the file name `name` (opened or saved): an open
  // brings back what was remembered for it, a save remembers the reference
  // under the new name.
  void pictureOpened(const std::string& name);
  void pictureSaved(const std::string& name);
  // A new picture starts without a reference and without a name.
  void pictureNew();
  // Writes a change not yet remembered.
  void flush();

 private:
  ReferenceState& state() const;
  void unload();
  void takeImage(RgbImage image);
  // After any change of the placement: the layer anew, the panel, the views.
  void placementChanged();
  void redraw();
  void changed();
  void remember();
  void storeNote(StoreProblem problem);
  // Picture pixel under an editor-image position.
  QPointF picturePoint(QPoint pos) const;

  MainWindow& w_;
  ReferencePanel* panel_;
  FileDialog* dialog_;
  QAction* showAction_ = nullptr;
  QTimer* saveTimer_;
  ReferenceStore store_;
  // The absolute name of the picture, or empty while it has none.
  std::string pictureName_;
  RgbImage image_;
  QImage source_;  // wraps image_
  QImage scaled_;  // the image at its placed size, kept while only the offset changes
  QImage drawn_;   // the image as placed on the picture, coverage in alpha
  ReferenceLayer layer_;
  // The entry the next write puts, taken when the change happened.
  ReferenceEntry pending_;
  bool dragging_ = false;
  QPoint dragStart_;
  ReferencePlacement dragFrom_;
};

}  // namespace cs
