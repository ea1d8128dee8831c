#pragma once

#include <QSortFilterProxyModel>
#include <memory>

/// Sorts rows by the value type of the column's variable: text alphabetically, numbers by
/// value, NaN and NULL after them by the host's variant ordering.
class CustomSortProxyModel : public QSortFilterProxyModel
{
  Q_OBJECT

public:
  explicit CustomSortProxyModel(QObject* parent = nullptr);
  ~CustomSortProxyModel() override;

  void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

protected:
  /// Every row passes: the proxy filters nothing, and asks nothing per row.
  bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
  void follow();
  bool rowsComeSortedBy(int column) const;

  struct Impl;
  std::unique_ptr<Impl> m_impl;
};
