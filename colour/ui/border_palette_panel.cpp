#include "colour/ui/border_palette_panel.h"

#include <QWidget>

#include "colour/palette_actions.h"
#include "colour/palette_images.h"
#include "colour/ui/palette_widgets.h"

namespace cs {

BorderPalettePanel::BorderPalettePanel(EditorState& state, QWidget* panel) : QObject(panel), state_(state) {
  auto* box = new QWidget(panel);
  box->setObjectName("Panel6");
  box->setGeometry(8, 26, 128, 128);
  image_ = new PaletteImage("Img_Palette_Border", box);
  connect(image_, &PaletteImage::pressed, this, [this](QPoint p) {
    ChooseBorder(state_, p.x(), p.y());
    ShowBorder();
    emit borderChosen();
  });
  ShowBorder();
}

void BorderPalettePanel::ShowBorder() {
  image_->setImage(MakeBorderPaletteView(state_.picture.borderIndex0, state_.picture.borderIndex1));
}

}  // namespace cs
