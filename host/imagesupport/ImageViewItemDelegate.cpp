#include "host/imagesupport/ImageViewItemDelegate.h"

#include "host/viewsupport/ImageViewProperties.h"

#include <QImage>
#include <QPainter>

ImageViewItemDelegate::ImageViewItemDelegate(QObject* parent)
  : QStyledItemDelegate(parent)
  , m_imageSize(zoomLevelToImageSize(ImageViewProperties::defaultZoom))
{
}

void ImageViewItemDelegate::paint(QPainter* painter,
  const QStyleOptionViewItem& option,
  const QModelIndex& index) const
{
  painter->save();
  const QRect cell = option.rect;
  if (option.state & QStyle::State_Selected)
  {
    painter->fillRect(cell, option.palette.highlight().color().lighter(170));
    painter->setPen(QPen(option.palette.highlight().color(), 2));
    painter->drawRect(cell.adjusted(1, 1, -1, -1));
  }

  const QRect imageBox(cell.left() + (cell.width() - m_imageSize.width()) / 2,
    cell.top() + margin,
    m_imageSize.width(),
    m_imageSize.height());
  const QImage image = index.data(Qt::DecorationRole).value<QImage>();
  if (!image.isNull())
  {
    const QSize fitted = image.size().scaled(m_imageSize, Qt::KeepAspectRatio);
    const QRect target(imageBox.left() + (imageBox.width() - fitted.width()) / 2,
      imageBox.top() + (imageBox.height() - fitted.height()) / 2,
      fitted.width(),
      fitted.height());
    painter->setRenderHint(QPainter::SmoothPixmapTransform, fitted != image.size());
    painter->drawImage(target, image);
  }

  const QString text = index.data(Qt::DisplayRole).toString();
  if (!text.isEmpty())
  {
    const QRect textBox(cell.left() + margin,
      imageBox.bottom() + 1 + margin,
      cell.width() - 2 * margin,
      cell.bottom() - imageBox.bottom() - margin);
    painter->setPen(option.palette.text().color());
    painter->drawText(textBox, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text);
  }
  painter->restore();
}

QSize ImageViewItemDelegate::sizeHint(const QStyleOptionViewItem& option,
  const QModelIndex& index) const
{
  const QString text = index.isValid() ? index.data(Qt::DisplayRole).toString() : QString();
  const int textPart = text.isEmpty() ? 0 : margin + textHeight(option.fontMetrics, text);
  return QSize(m_imageSize.width() + 2 * margin, m_imageSize.height() + 2 * margin + textPart);
}

int ImageViewItemDelegate::textHeight(const QFontMetrics& metrics, const QString& text) const
{
  const QRect bounds = metrics.boundingRect(
    QRect(0, 0, m_imageSize.width(), 10000), Qt::AlignHCenter | Qt::TextWordWrap, text);
  return std::min(bounds.height(), maxTextLines * metrics.lineSpacing());
}
