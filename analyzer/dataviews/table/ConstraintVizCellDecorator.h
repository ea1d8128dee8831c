#pragma once

#include <QStyledItemDelegate>
#include <cstdint>
#include <functional>
#include <memory>

class ConstraintVizProxyModel;

/// Paints, under and over a cell drawn by an inner delegate, the parts of the variable's range
/// that a filter excludes, a caret above the value's position, and violating values in red.
/// Everything else is the inner delegate's.
class ConstraintVizCellDecorator : public QStyledItemDelegate
{
  Q_OBJECT

public:
  ConstraintVizCellDecorator(ConstraintVizProxyModel& model,
    QStyledItemDelegate& inner,
    QObject* parent = nullptr);
  ~ConstraintVizCellDecorator() override;

  /// Rows whose case the test accepts are painted selected, as the rows of the view's own item
  /// selection are: the view draws the shared selection this way.
  void setCaseSelectedTest(std::function<bool(uint64_t)> test);

  void paint(QPainter* painter,
    const QStyleOptionViewItem& option,
    const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QWidget* createEditor(QWidget* parent,
    const QStyleOptionViewItem& option,
    const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor,
    QAbstractItemModel* model,
    const QModelIndex& index) const override;
  void updateEditorGeometry(QWidget* editor,
    const QStyleOptionViewItem& option,
    const QModelIndex& index) const override;
  bool editorEvent(QEvent* event,
    QAbstractItemModel* model,
    const QStyleOptionViewItem& option,
    const QModelIndex& index) override;

private:
  struct Parts;
  std::unique_ptr<Parts> m_parts;
};
