// "Import image...": the options of converting an image into the picture
// (dithering, its strength, cover or fit with border) and a preview of the
// mixed result that follows every change. Conversions run on a worker
// thread; a change of the options cancels the one under way, so the window
// never waits for a conversion it no longer needs.
#pragma once

#include <QDialog>
#include <QFuture>
#include <atomic>
#include <memory>
#include <vector>

#include "photo/image_import.h"
#include "model/picture.h"
#include "model/rgb_image.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;
class QSlider;

namespace cs {

class ImportImageDialog : public QDialog {
  Q_OBJECT
 public:
  // `options.cellHeight` is the picture's, which the dialog does not change.
  ImportImageDialog(RgbImage image, const ImportOptions& options, QWidget* parent = nullptr);
  ~ImportImageDialog() override;

  ImportOptions options() const;
  void setOptions(const ImportOptions& options);

  // True once the preview shows the current options.
  bool previewReady() const { return done_ != nullptr; }
  // The picture for the current options, waiting for its conversion if it
  // is still running.
  const Picture& result();

  QComboBox* ditherBox() const { return dither_; }
  QSlider* strengthSlider() const { return strength_; }
  QRadioButton* coverButton() const { return cover_; }
  QRadioButton* borderButton() const { return border_; }
  QCheckBox* balanceBox() const { return balance_; }
  QLabel* preview() const { return preview_; }

 signals:
  void previewUpdated();

 private:
  // One conversion: what it reads, its cancel flag and what it produces.
  struct Job {
    std::shared_ptr<const RgbImage> image;
    ImportOptions options;
    std::atomic<bool> cancel{false};
    Picture result;
    QFuture<bool> future;
  };
  void restart();
  void jobFinished(const std::shared_ptr<Job>& job);
  void showPreview(const Picture& pic);

  std::shared_ptr<const RgbImage> image_;
  int cellHeight_;
  std::shared_ptr<Job> current_;
  std::shared_ptr<Job> done_;  // the current job once it has finished
  std::vector<std::shared_ptr<Job>> running_;
  bool updating_ = false;  // setOptions is moving the controls

  QComboBox* dither_ = nullptr;
  QSlider* strength_ = nullptr;
  QLabel* strengthLabel_ = nullptr;
  QLabel* strengthValue_ = nullptr;
  QRadioButton* cover_ = nullptr;
  QRadioButton* border_ = nullptr;
  QCheckBox* balance_ = nullptr;
  QLabel* preview_ = nullptr;
};

}  // namespace cs
