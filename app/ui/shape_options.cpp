#include "app/ui/shape_options.h"

#include <QActionGroup>
#include <QMenu>
#include <functional>

#include "app/ui/brush_panel.h"
#include "app/ui/core_text.h"
#include "app/ui/icons.h"
#include "app/ui/main_window.h"
#include "app/ui/menu_item.h"
#include "app/ui/patterns_panel.h"
#include "app/ui/tool_key.h"
#include "edit/instrument_table.h"

namespace cs {

ShapeOptionsControls::ShapeOptionsControls(MainWindow& window) : QObject(&window), w_(window) {}

void ShapeOptionsControls::build(QWidget* toolbar, int left, QMenu* view) {
  int x = left;
  const auto addKey = [&](const char* name, const char* icon, const char* iconName, const QString& hint,
                          void (ShapeOptionsControls::*toggle)()) {
    auto* key = new ToolKey(name, MakeInstrumentIcon(icon), iconName, hint, toolbar);
    key->move(x, 4);
    x += kToolKeySize;
    connect(key, &ToolKey::pressed, this, toggle);
    return key;
  };
  filledKey_ = addKey("Key_FilledShapes", "filled", "Image_FilledShapes", tr("Filled shapes"),
                      &ShapeOptionsControls::toggleFilled);
  mirrorLeftRightKey_ = addKey("Key_MirrorLeftRight", "mirror-left-right", "Image_MirrorLeftRight",
                               tr("Mirror left-right"), &ShapeOptionsControls::toggleMirrorLeftRight);
  mirrorTopBottomKey_ = addKey("Key_MirrorTopBottom", "mirror-top-bottom", "Image_MirrorTopBottom",
                               tr("Mirror top-bottom"), &ShapeOptionsControls::toggleMirrorTopBottom);
  // The keys of the Patterns and Brush panels: lowered while the panel is
  // shown by its key.
  const auto addPanelKey = [&](const char* name, const char* icon, const char* iconName, const QString& hint,
                               void (MainWindow::*toggle)(), std::function<QWidget*()> panel) {
    auto* key = new ToolKey(name, MakeInstrumentIcon(icon), iconName, hint, toolbar);
    key->move(x, 4);
    x += kToolKeySize;
    connect(key, &ToolKey::pressed, this, [this, key, toggle, panel] {
      (w_.*toggle)();
      key->setOuterLowered(!panel()->isHidden());
    });
  };
  addPanelKey("Key_Patterns", "patterns", "Image_Patterns", tr("Patterns"), &MainWindow::TogglePatternsPanel,
              [this]() -> QWidget* { return w_.patternsPanel(); });
  addPanelKey("Key_Brush", "brush", "Image_Brush", tr("Brush"), &MainWindow::ToggleBrushPanel,
              [this]() -> QWidget* { return w_.brushPanel(); });
  keysEnd_ = x;

  view->addSeparator();
  mirrorLeftRightItem_ = AddMenuItem(view, "MirrorLeftRight1", tr("Mirror left-right"), this,
                                     [this] { toggleMirrorLeftRight(); });
  mirrorTopBottomItem_ = AddMenuItem(view, "MirrorTopBottom1", tr("Mirror top-bottom"), this,
                                     [this] { toggleMirrorTopBottom(); });
  mirrorLeftRightItem_->setCheckable(true);
  mirrorTopBottomItem_->setCheckable(true);

  QMenu* list = view->addMenu(tr("Instruments"));
  list->setObjectName("Instruments1");
  auto* group = new QActionGroup(list);
  for (const InstrumentInfo& i : Instruments()) {
    QString caption = TrCore(i.title);
    if (i.key) caption += QString("\t%1").arg(QChar(i.key));
    const Instrument value = i.value;
    QAction* a = AddMenuItem(list, QString(i.keyName).replace("Key_", "Menu_"), caption, this,
                             [this, value] { w_.SetInstrument(value); });
    a->setCheckable(true);
    group->addAction(a);
    instrumentItems_.push_back(a);
  }
  sync();
}

void ShapeOptionsControls::sync() {
  const ShapeOptions& o = w_.state().shapes;
  filledKey_->setInnerLowered(o.filled);
  mirrorLeftRightKey_->setInnerLowered(o.mirrorLeftRight);
  mirrorTopBottomKey_->setInnerLowered(o.mirrorTopBottom);
  mirrorLeftRightItem_->setChecked(o.mirrorLeftRight);
  mirrorTopBottomItem_->setChecked(o.mirrorTopBottom);
  instrumentChosen(w_.state().curInstrument);
}

void ShapeOptionsControls::instrumentChosen(Instrument n) {
  const auto table = Instruments();
  for (size_t i = 0; i < instrumentItems_.size(); ++i) instrumentItems_[i]->setChecked(table[i].value == n);
}

void ShapeOptionsControls::toggleFilled() {
  w_.state().shapes.filled = !w_.state().shapes.filled;
  sync();
}

void ShapeOptionsControls::toggleMirrorLeftRight() {
  w_.state().shapes.mirrorLeftRight = !w_.state().shapes.mirrorLeftRight;
  sync();
  w_.RefreshPicture(false);  // shows or wipes the axis
}

void ShapeOptionsControls::toggleMirrorTopBottom() {
  w_.state().shapes.mirrorTopBottom = !w_.state().shapes.mirrorTopBottom;
  sync();
  w_.RefreshPicture(false);
}

}  // namespace cs
