#pragma once

#include <QIdentityProxyModel>
#include <boost/shared_ptr.hpp>
#include <memory>
#include <optional>
#include <utility>

class DataPipelineManagerInterface;

/// Adds to a table model where each numeric cell's value lies in its variable's range
/// (ValuePositionRole), whether the case violates the filter of the cell's variable
/// (ConstraintViolationRole), and, per column, the part of the range a range filter allows.
/// Rows and columns are the source's own, mapped without a table.
class ConstraintVizProxyModel : public QIdentityProxyModel
{
  Q_OBJECT

public:
  ConstraintVizProxyModel(QAbstractItemModel& source,
    boost::shared_ptr<const DataPipelineManagerInterface> pipeline);
  ~ConstraintVizProxyModel() override;

  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

  /// The allowed interval of a filtered column, as fractions of the variable's range.
  std::optional<std::pair<double, double>> shadedRange(int column) const;
  bool isNumericColumn(int column) const;

private:
  struct State;
  std::unique_ptr<State> m_state;
};
