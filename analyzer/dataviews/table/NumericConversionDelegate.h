#pragma once

#include <QStyledItemDelegate>

/// Writes edited cells through the model and tells the user when a value is not a number; the
/// model then keeps its old value.
class NumericConversionDelegate : public QStyledItemDelegate
{
  Q_OBJECT

public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void setModelData(QWidget* editor,
    QAbstractItemModel* model,
    const QModelIndex& index) const override;
};
