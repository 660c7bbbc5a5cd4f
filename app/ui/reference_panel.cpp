#include "app/ui/reference_panel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include "app/panel_placement.h"

namespace cs {

namespace {

constexpr QSize kPanelSize(220, 214);

QSpinBox* spinBox(QWidget* parent, const QString& name, int low, int high, const QString& suffix) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(name);
  box->setRange(low, high);
  box->setSuffix(suffix);
  // Each digit typed shows at once; the arrows and the wheel step by one.
  box->setKeyboardTracking(true);
  return box;
}

}  // namespace

ReferencePanel::ReferencePanel(QWidget* parent)
    : FloatingPanel("Panel_Reference", "PanelReferenceCaption", tr("Reference"), kPanelSize, parent) {
  addCloseIcon("ImageReferenceClose");
  auto* content = new QWidget(this);
  content->setGeometry(0, kCaptionStripHeight, kPanelSize.width(), kPanelSize.height() - kCaptionStripHeight);
  auto* grid = new QGridLayout(content);
  grid->setContentsMargins(8, 6, 8, 6);
  grid->setVerticalSpacing(4);

  opacity_ = spinBox(content, "Reference_Opacity", 0, 100, " %");
  fit_ = new QRadioButton(tr("Fit"), content);
  fit_->setObjectName("Reference_Fit");
  cover_ = new QRadioButton(tr("Cover"), content);
  cover_->setObjectName("Reference_Cover");
  scale_ = spinBox(content, "Reference_Scale", kMinReferenceScale, kMaxReferenceScale, " %");
  x_ = spinBox(content, "Reference_X", -kMaxReferenceOffset, kMaxReferenceOffset, {});
  y_ = spinBox(content, "Reference_Y", -kMaxReferenceOffset, kMaxReferenceOffset, {});
  onPreview_ = new QCheckBox(tr("On the preview too"), content);
  onPreview_->setObjectName("Reference_OnPreview");
  move_ = new QPushButton(tr("Move"), content);
  move_->setObjectName("Reference_Move");
  move_->setCheckable(true);
  clear_ = new QPushButton(tr("Clear"), content);
  clear_->setObjectName("Reference_Clear");

  grid->addWidget(new QLabel(tr("Opacity"), content), 0, 0);
  grid->addWidget(opacity_, 0, 1, 1, 3);
  grid->addWidget(fit_, 1, 0, 1, 2);
  grid->addWidget(cover_, 1, 2, 1, 2);
  grid->addWidget(new QLabel(tr("Scale"), content), 2, 0);
  grid->addWidget(scale_, 2, 1, 1, 3);
  grid->addWidget(new QLabel(tr("X"), content), 3, 0);
  grid->addWidget(x_, 3, 1);
  grid->addWidget(new QLabel(tr("Y"), content), 3, 2);
  grid->addWidget(y_, 3, 3);
  grid->addWidget(onPreview_, 4, 0, 1, 4);
  grid->addWidget(move_, 5, 0, 1, 2);
  grid->addWidget(clear_, 5, 2, 1, 2);

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
  const QSignalBlocker blockers[] = {QSignalBlocker(opacity_), QSignalBlocker(fit_),    QSignalBlocker(cover_),
                                     QSignalBlocker(scale_),   QSignalBlocker(x_),      QSignalBlocker(y_),
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
