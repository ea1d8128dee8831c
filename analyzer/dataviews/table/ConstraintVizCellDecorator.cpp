#include "analyzer/dataviews/table/ConstraintVizCellDecorator.h"

#include "analyzer/dataviews/table/ConstraintVizProxyModel.h"
#include "analyzer/dataviews/table/TableRoles.h"

#include <QPainter>
#include <QPalette>
#include <QPointer>

namespace
{

struct PaintResources
{
  QBrush shade{ QColor(247, 232, 222, 255) };
  QBrush violation{ QColor(255, 0, 0, 255) };
  QPen marker{ QColor(174, 174, 174, 255) };
};

const PaintResources& paintResources()
{
  static const PaintResources resources;
  return resources;
}

void setViolationColours(QPalette& palette)
{
  const PaintResources& resources = paintResources();
  palette.setBrush(QPalette::Text, resources.violation);
  palette.setBrush(QPalette::HighlightedText, resources.violation);
}

} // namespace

struct ConstraintVizCellDecorator::Parts
{
  QPointer<ConstraintVizProxyModel> model;
  QPointer<QStyledItemDelegate> inner;
  std::function<bool(uint64_t)> caseSelected;
};

ConstraintVizCellDecorator::ConstraintVizCellDecorator(ConstraintVizProxyModel& model,
  QStyledItemDelegate& inner,
  QObject* parent)
  : QStyledItemDelegate(parent)
  , m_parts(new Parts{ &model, &inner, {} })
{
  // Editors may report through the inner delegate; the view listens to this one.
  connect(&inner, &QAbstractItemDelegate::commitData, this, &QAbstractItemDelegate::commitData);
  connect(&inner, &QAbstractItemDelegate::closeEditor, this, &QAbstractItemDelegate::closeEditor);
  connect(
    &inner, &QAbstractItemDelegate::sizeHintChanged, this, &QAbstractItemDelegate::sizeHintChanged);
}

ConstraintVizCellDecorator::~ConstraintVizCellDecorator() = default;

void ConstraintVizCellDecorator::setCaseSelectedTest(std::function<bool(uint64_t)> test)
{
  m_parts->caseSelected = std::move(test);
}

void ConstraintVizCellDecorator::paint(QPainter* painter,
  const QStyleOptionViewItem& given,
  const QModelIndex& index) const
{
  QStyleOptionViewItem option(given);
  if (m_parts->caseSelected && m_parts->caseSelected(index.data(CaseIdRole).toULongLong()))
    option.state |= QStyle::State_Selected;
  const QRect& rect = option.rect;
  const int left = rect.left();
  const int top = rect.top();
  const int height = rect.bottom() - top + 1;
  const int usableWidth = rect.right() - left - 3;
  const PaintResources& resources = paintResources();

  painter->save();
  painter->setClipRect(QRect(left + 2, top, usableWidth, height), Qt::ReplaceClip);

  const auto shaded = m_parts->model ? m_parts->model->shadedRange(index.column())
                                     : std::optional<std::pair<double, double>>();
  if (shaded)
  {
    painter->setPen(Qt::NoPen);
    painter->setBrush(resources.shade);
    const int startWidth = int(usableWidth * shaded->first);
    const int endOffset = int(usableWidth * shaded->second);
    painter->drawRect(left + 2, top, startWidth, height);
    painter->drawRect(left + 2 + endOffset, top, (rect.right() - left + 1) - endOffset - 2, height);
  }

  if (index.data(ConstraintViolationRole).toBool())
  {
    QStyleOptionViewItem violating(option);
    setViolationColours(violating.palette);
    m_parts->inner->paint(painter, violating, index);
  }
  else
    m_parts->inner->paint(painter, option, index);

  const QVariant position = index.data(ValuePositionRole);
  if (m_parts->model && m_parts->model->isNumericColumn(index.column()) && position.isValid())
  {
    const int x = int(usableWidth * position.toDouble() + left + 2.0);
    const int size = int(float(height) * 0.15f);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(resources.marker);
    painter->drawLine(x - size, top, x, top + size);
    painter->drawLine(x + size, top, x, top + size);
  }
  painter->restore();
}

QSize ConstraintVizCellDecorator::sizeHint(const QStyleOptionViewItem& option,
  const QModelIndex& index) const
{
  return m_parts->inner->sizeHint(option, index);
}

QWidget* ConstraintVizCellDecorator::createEditor(QWidget* parent,
  const QStyleOptionViewItem& option,
  const QModelIndex& index) const
{
  return m_parts->inner->createEditor(parent, option, index);
}

void ConstraintVizCellDecorator::setEditorData(QWidget* editor, const QModelIndex& index) const
{
  m_parts->inner->setEditorData(editor, index);
}

void ConstraintVizCellDecorator::setModelData(QWidget* editor,
  QAbstractItemModel* model,
  const QModelIndex& index) const
{
  m_parts->inner->setModelData(editor, model, index);
}

void ConstraintVizCellDecorator::updateEditorGeometry(QWidget* editor,
  const QStyleOptionViewItem& option,
  const QModelIndex& index) const
{
  m_parts->inner->updateEditorGeometry(editor, option, index);
}

bool ConstraintVizCellDecorator::editorEvent(QEvent* event,
  QAbstractItemModel* model,
  const QStyleOptionViewItem& option,
  const QModelIndex& index)
{
  QAbstractItemDelegate* inner = m_parts->inner;
  return inner->editorEvent(event, model, option, index);
}
