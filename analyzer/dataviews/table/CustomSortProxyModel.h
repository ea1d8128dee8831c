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

protected:
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
  struct Impl;
  std::unique_ptr<Impl> m_impl;
};
