#include "app/ui/brush_panel.h"

#include "app/panel_placement.h"

namespace cs {

BrushPanel::BrushPanel(QWidget* parent)
    : FloatingPanel("Panel_Brush", "PanelBrushCaption", tr("Brush"),
                    QSize(kBrushPanelWidth, kCaptionStripHeight + kBrushAreaHeight + kTextAreaHeight + 2), parent) {
  addCloseIcon("ImageBrushClose");
  brushArea_ = new QWidget(this);
  brushArea_->setObjectName("BrushArea");
  brushArea_->setGeometry(0, kCaptionStripHeight, kBrushPanelWidth, kBrushAreaHeight);
  textArea_ = new QWidget(this);
  textArea_->setObjectName("TextArea");
  textArea_->setGeometry(0, kCaptionStripHeight + kBrushAreaHeight, kBrushPanelWidth, kTextAreaHeight);
}

}  // namespace cs
