// The History panel (Panel_History): the session's steps, newest first, each
// with its name and a small thumbnail of the mixed picture, the current one
// marked; a click on a row jumps there. Thumbnails are made only for the rows
// in view, when they are first shown, and kept per step.
#pragma once

#include <QAbstractListModel>
#include <QImage>
#include <unordered_map>

#include "app/ui/floating_panel.h"
#include "model/colour.h"
#include "model/history.h"

class QListView;

namespace cs {

class HistoryModel : public QAbstractListModel {
  Q_OBJECT
 public:
  HistoryModel(const History& history, const MixTable& mix, QObject* parent);
  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  // The history changed: the rows are read anew.
  void reload();
  // Row of a step and step of a row: the newest step is row 0.
  int rowOf(std::size_t step) const { return int(history_.size() - 1 - step); }
  std::size_t stepOf(int row) const { return history_.size() - 1 - std::size_t(row); }
  int currentRow() const { return rowOf(history_.current()); }

 private:
  QImage thumbnail(std::size_t step) const;

  const History& history_;
  const MixTable& mix_;
  mutable std::unordered_map<uint64_t, QImage> thumbnails_;
};

class HistoryPanel : public FloatingPanel {
  Q_OBJECT
 public:
  HistoryPanel(const History& history, const MixTable& mix, QWidget* parent);
  QListView* list() const { return list_; }
  HistoryModel* model() const { return model_; }
  // Reads the steps anew and marks the current one.
  void refresh();

 signals:
  // A row was clicked: the history jumps to that step.
  void stepChosen(std::size_t step);

 private:
  HistoryModel* model_;
  QListView* list_;
};

}  // namespace cs
