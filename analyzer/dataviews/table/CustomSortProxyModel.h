#pragma once

#include <QAbstractProxyModel>
#include <memory>
#include <vector>

/// Sorts rows by the value type of the column's variable: text alphabetically, numbers by
/// value, NaN and NULL after them by the host's variant ordering. Rows of equal value keep
/// their source order, either way. The order follows the source's data: an edit in the sort
/// column, or any other change of the source, sorts again.
///
/// Each sort reads the column's values once and orders the rows on them; numeric columns on
/// the table model's order keys, so a header click and the re-sort after a reset compare the
/// same exact values. Rows in the source's own order map to themselves without a table, so a
/// table opened in case-id order costs nothing per row here.
class CustomSortProxyModel : public QAbstractProxyModel
{
  Q_OBJECT

public:
  explicit CustomSortProxyModel(QObject* parent = nullptr);
  ~CustomSortProxyModel() override;

  void setSourceModel(QAbstractItemModel* source) override;

  /// Sorts by the column, or shows the source's order for column -1.
  void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

  QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
  QModelIndex parent(const QModelIndex& child) const override;
  QModelIndex sibling(int row, int column, const QModelIndex& index) const override;
  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  bool hasChildren(const QModelIndex& parent = QModelIndex()) const override;
  /// Columns are the source's own, also when there are no rows to map through.
  QVariant headerData(int section,
    Qt::Orientation orientation,
    int role = Qt::DisplayRole) const override;
  QModelIndex mapToSource(const QModelIndex& proxyIndex) const override;
  QModelIndex mapFromSource(const QModelIndex& sourceIndex) const override;

private:
  void connectToSource();
  void onSourceDataChanged(const QModelIndex& topLeft,
    const QModelIndex& bottomRight,
    const QVector<int>& roles);
  void onSourceHeaderDataChanged(Qt::Orientation orientation, int first, int last);
  void beginSourceChange();
  void endSourceChange();
  void resort();
  /// Source rows in the order to show; empty when that is the source's own order.
  std::vector<int> orderedRows() const;
  int sourceRow(int row) const;
  int proxyRow(int sourceRow) const;

  struct Impl;
  std::unique_ptr<Impl> m_impl;
};
