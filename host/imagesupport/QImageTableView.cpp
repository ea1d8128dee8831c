#include "host/imagesupport/QImageTableView.h"

#include "host/imagesupport/ImageViewItemDelegate.h"

#include <QHeaderView>

QImageTableView::QImageTableView(QWidget* parent)
  : QTableView(parent)
{
  setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setShowGrid(false);
  setWordWrap(true);
}

void QImageTableView::setImageDelegate(ImageViewItemDelegate* delegate)
{
  m_delegate = delegate;
  setItemDelegate(delegate);
  updateSectionSizes();
}

ImageViewItemDelegate* QImageTableView::imageDelegate() const
{
  return m_delegate;
}

QSize QImageTableView::cellSize() const
{
  if (!m_delegate)
    return QSize();
  QStyleOptionViewItem option;
  option.initFrom(this);
  const QModelIndex first = model() ? model()->index(0, 0) : QModelIndex();
  return m_delegate->sizeHint(option, first);
}

void QImageTableView::updateSectionSizes()
{
  const QSize size = cellSize();
  if (!size.isValid())
    return;
  // Every section takes the default size, unless a resize-to-contents mode overrides it.
  horizontalHeader()->setMinimumSectionSize(1);
  horizontalHeader()->setDefaultSectionSize(size.width());
  verticalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setDefaultSectionSize(size.height());
}
