#include "app/ui/reference_panel.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <algorithm>
#include <utility>

namespace cs {

namespace {

constexpr QSize kPanelSize(218, 196);

QSpinBox* spinBox(QWidget* parent, const QString& name, int low, int high, const QString& suffix,
                  QRect where) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(name);
  box->setGeometry(where);
  box->setRange(low, high);
  box->setSuffix(suffix);
  // Each digit typed shows at once; the arrows and the wheel step by one.
  box->setKeyboardTracking(true);
  // Only a click takes the focus: the window never hands it to a field on
  // its own, so the editor's keys stay the editor's.
  box->setFocusPolicy(Qt::ClickFocus);
  // Enter (or a click elsewhere) gives the keys back to the editor.
  QObject::connect(box, &QSpinBox::editingFinished, box, [box] { box->clearFocus(); });
  return box;
}

// Labels longer than their place (in a translation) take the room they
// need from the number fields to their right; the fields keep starting
// together and keep their right edge.
void makeRoom(std::initializer_list<std::pair<QLabel*, QSpinBox*>> rows) {
  int need = 0, place = 0;
  for (const auto& [label, box] : rows) {
    need = std::max(need, label->sizeHint().width());
    place = std::max(place, label->width());
  }
  if (need <= place) return;
  for (const auto& [label, box] : rows) {
    label->resize(need, label->height());
    const int left = label->x() + need + 4;
    box->setGeometry(left, box->y(), box->geometry().right() + 1 - left, box->height());
  }
}

}  // namespace

ReferencePanel::ReferencePanel(QWidget* parent)
    : FloatingPanel("Panel_Reference", "PanelReferenceCaption", tr("Reference"), kPanelSize, parent) {
  addCloseIcon("ImageReferenceClose");
  // Placed by hand, as on the other panels: the tests find the fields there.
  const auto label = [this](const QString& text, QRect where) {
    auto* l = new QLabel(text, this);
    l->setGeometry(where);
    return l;
  };
  QLabel* opacityLabel = label(tr("Opacity"), {8, 24, 68, 20});
  opacity_ = spinBox(this, "Reference_Opacity", 0, 100, " %", {80, 23, 130, 22});
  fit_ = new QRadioButton(tr("Fit"), this);
  fit_->setObjectName("Reference_Fit");
  fit_->setGeometry(8, 50, 96, 20);
  cover_ = new QRadioButton(tr("Cover"), this);
  cover_->setObjectName("Reference_Cover");
  cover_->setGeometry(110, 50, 100, 20);
  QLabel* scaleLabel = label(tr("Scale"), {8, 78, 68, 20});
  scale_ = spinBox(this, "Reference_Scale", kMinReferenceScale, kMaxReferenceScale, " %", {80, 77, 130, 22});
  makeRoom({{opacityLabel, opacity_}, {scaleLabel, scale_}});
  label(tr("X"), {8, 106, 18, 20});
  x_ = spinBox(this, "Reference_X", -kMaxReferenceOffset, kMaxReferenceOffset, {}, {26, 105, 74, 22});
  label(tr("Y"), {118, 106, 18, 20});
  y_ = spinBox(this, "Reference_Y", -kMaxReferenceOffset, kMaxReferenceOffset, {}, {136, 105, 74, 22});
  onPreview_ = new QCheckBox(tr("On the preview too"), this);
  onPreview_->setObjectName("Reference_OnPreview");
  onPreview_->setGeometry(8, 134, 202, 20);
  move_ = addButton("Reference_Move", tr("Move"), {8, 162, 98, 25});
  move_->setCheckable(true);
  clear_ = addButton("Reference_Clear", tr("Clear"), {112, 162, 98, 25});

  const auto edited = [this] { emit placementEdited(placement()); };
  for (QSpinBox* box : {opacity_, scale_, x_, y_}) connect(box, &QSpinBox::valueChanged, this, edited);
  connect(fit_, &QRadioButton::toggled, this, edited);
  connect(onPreview_, &QCheckBox::toggled, this, &ReferencePanel::onPreviewToggled);
  connect(move_, &QPushButton::toggled, this, &ReferencePanel::moveToggled);
  connect(clear_, &QPushButton::clicked, this, &ReferencePanel::clearClicked);
  // The panel's keys do not keep the focus: the editor's keys go on working.
  for (QWidget* w : std::initializer_list<QWidget*>{fit_, cover_, onPreview_, move_, clear_})
    w->setFocusPolicy(Qt::NoFocus);
  showState({});
}

ReferencePlacement ReferencePanel::placement() const {
  ReferencePlacement p;
  p.opacity = opacity_->value();
  p.fit = cover_->isChecked() ? ReferenceFit::Cover : ReferenceFit::Fit;
  p.scale = scale_->value();
  p.offsetX = x_->value();
  p.offsetY = y_->value();
  return p;
}

void ReferencePanel::showState(const ReferenceState& state) {
  const ReferencePlacement& p = state.placement;
  const QSignalBlocker blockers[] = {QSignalBlocker(opacity_),   QSignalBlocker(fit_), QSignalBlocker(cover_),
                                     QSignalBlocker(scale_),     QSignalBlocker(x_),   QSignalBlocker(y_),
                                     QSignalBlocker(onPreview_), QSignalBlocker(move_)};
  opacity_->setValue(p.opacity);
  fit_->setChecked(p.fit == ReferenceFit::Fit);
  cover_->setChecked(p.fit == ReferenceFit::Cover);
  scale_->setValue(p.scale);
  x_->setValue(p.offsetX);
  y_->setValue(p.offsetY);
  onPreview_->setChecked(state.onPreview);
  move_->setChecked(state.moving);
  for (QWidget* w : std::initializer_list<QWidget*>{opacity_, fit_, cover_, scale_, x_, y_, move_, clear_})
    w->setEnabled(state.loaded());
}

}  // namespace cs
