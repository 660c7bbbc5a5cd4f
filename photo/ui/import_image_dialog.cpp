#include "photo/ui/import_image_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include "render/compose.h"

namespace cs {

ImportImageDialog::ImportImageDialog(RgbImage image, const ImportOptions& options, QWidget* parent)
    : QDialog(parent),
      image_(std::make_shared<const RgbImage>(std::move(image))),
      cellHeight_(options.cellHeight) {
  setObjectName("ImportImageDialog");
  setWindowTitle(tr("Import image"));

  dither_ = new QComboBox(this);
  dither_->setObjectName("ImportDither");
  dither_->addItems({tr("None"), tr("Ordered"), tr("Error diffusion")});
  strength_ = new QSlider(Qt::Horizontal, this);
  strength_->setObjectName("ImportStrength");
  strength_->setRange(0, 100);
  strengthValue_ = new QLabel(this);
  strengthValue_->setMinimumWidth(40);
  cover_ = new QRadioButton(tr("Cover the picture (cut off the overhang)"), this);
  cover_->setObjectName("ImportCover");
  border_ = new QRadioButton(tr("Fit inside the picture (black border)"), this);
  border_->setObjectName("ImportBorder");
  balance_ = new QCheckBox(tr("Balance flicker"), this);
  balance_->setObjectName("ImportBalanceFlicker");
  preview_ = new QLabel(this);
  preview_->setObjectName("ImportPreview");
  preview_->setFixedSize(2 * kWidth, 2 * kLines);
  preview_->setAlignment(Qt::AlignCenter);

  auto* strengthRow = new QHBoxLayout;
  strengthRow->addWidget(strength_);
  strengthRow->addWidget(strengthValue_);
  // The import converts at the picture's cell height; saying which, and
  // where it is changed, spares a surprise after OK.
  auto* cellHeight = new QLabel(
      tr("8x%1, the picture's (File > New or \"Change char size\" chooses another)").arg(cellHeight_), this);
  cellHeight->setObjectName("ImportCellHeight");
  auto* form = new QFormLayout;
  form->addRow(tr("Cell height:"), cellHeight);
  form->addRow(tr("Dithering:"), dither_);
  strengthLabel_ = new QLabel(tr("Diffusion strength:"), this);
  form->addRow(strengthLabel_, strengthRow);
  form->addRow(tr("Size:"), cover_);
  form->addRow("", border_);
  form->addRow("", balance_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(preview_);
  layout->addLayout(form);
  layout->addWidget(buttons);

  setOptions(options);
  connect(dither_, &QComboBox::currentIndexChanged, this, [this] { restart(); });
  connect(strength_, &QSlider::valueChanged, this, [this] { restart(); });
  connect(cover_, &QRadioButton::toggled, this, [this] { restart(); });
  connect(balance_, &QCheckBox::toggled, this, [this] { restart(); });
}

ImportImageDialog::~ImportImageDialog() {
  // The workers read nothing of the dialog, but no conversion should
  // outlive the window that asked for it.
  for (const auto& job : running_) job->cancel = true;
  for (const auto& job : running_) job->future.waitForFinished();
}

ImportOptions ImportImageDialog::options() const {
  ImportOptions o;
  o.cellHeight = cellHeight_;
  o.dither = static_cast<Dither>(dither_->currentIndex());
  o.strength = strength_->value();
  o.fit = cover_->isChecked() ? FitMode::Cover : FitMode::Border;
  o.balanceFlicker = balance_->isChecked();
  return o;
}

void ImportImageDialog::setOptions(const ImportOptions& options) {
  updating_ = true;
  dither_->setCurrentIndex(static_cast<int>(options.dither));
  strength_->setValue(options.strength);
  (options.fit == FitMode::Cover ? cover_ : border_)->setChecked(true);
  balance_->setChecked(options.balanceFlicker);
  updating_ = false;
  restart();
}

void ImportImageDialog::restart() {
  if (updating_) return;
  const ImportOptions o = options();
  // The strength, its label and its value look as inactive as they are
  // under a dithering that ignores them.
  for (QWidget* w : std::initializer_list<QWidget*>{strengthLabel_, strength_, strengthValue_})
    w->setEnabled(o.dither == Dither::Diffusion);
  strengthValue_->setText(tr("%1%").arg(o.strength));
  // The strength matters to error diffusion alone; moving it under another
  // dithering gives the same picture, so nothing is converted again.
  const auto picturePart = [](ImportOptions x) {
    if (x.dither != Dither::Diffusion) x.strength = 0;
    return x;
  };
  if (current_ && picturePart(current_->options) == picturePart(o)) return;
  if (current_) current_->cancel = true;
  done_.reset();
  auto job = std::make_shared<Job>();
  job->image = image_;
  job->options = o;
  current_ = job;
  running_.push_back(job);
  Job* raw = job.get();
  job->future =
      QtConcurrent::run([raw] { return ImportImage(*raw->image, raw->options, raw->result, &raw->cancel); });
  auto* watcher = new QFutureWatcher<bool>(this);
  connect(watcher, &QFutureWatcher<bool>::finished, this, [this, watcher, job] {
    watcher->deleteLater();
    jobFinished(job);
  });
  watcher->setFuture(job->future);
}

void ImportImageDialog::jobFinished(const std::shared_ptr<Job>& job) {
  std::erase(running_, job);
  if (job != current_ || !job->future.result()) return;
  done_ = job;
  showPreview(job->result);
  emit previewUpdated();
}

const Picture& ImportImageDialog::result() {
  if (!done_) {
    current_->future.waitForFinished();
    done_ = current_;
    showPreview(done_->result);
  }
  return done_->result;
}

void ImportImageDialog::showPreview(const Picture& pic) {
  ComposedImages images;
  ComposePicture(pic, ColourTables{}, images);
  const QImage view(reinterpret_cast<const uchar*>(images.preview.data()), images.preview.width(),
                    images.preview.height(), images.preview.bytesPerLine(), QImage::Format_RGB32);
  preview_->setPixmap(QPixmap::fromImage(view.copy()));
}

}  // namespace cs
