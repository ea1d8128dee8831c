#pragma once

#include <QPointer>
#include <QTableView>

class ImageViewItemDelegate;

/// A table of image cells: one delegate paints every cell, and the sections are as large as
/// the delegate's cells (one size for all, so that thousands of cells lay out at once).
class QImageTableView : public QTableView
{
  Q_OBJECT

public:
  explicit QImageTableView(QWidget* parent = nullptr);

  void setImageDelegate(ImageViewItemDelegate* delegate);
  ImageViewItemDelegate* imageDelegate() const;
  /// After the image size or the labels changed.
  void updateSectionSizes();
  /// The size the delegate asks for a cell.
  QSize cellSize() const;

private:
  QPointer<ImageViewItemDelegate> m_delegate;
};
