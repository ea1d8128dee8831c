#pragma once

#include <QSize>
#include <QStyledItemDelegate>

/// Paints an image cell: the decoration image centred in a box of the image size, the display
/// text word-wrapped under it, and a frame when selected. Cells without an image (the empty
/// corner of a difference view) show only their text.
class ImageViewItemDelegate : public QStyledItemDelegate
{
  Q_OBJECT

public:
  static constexpr int margin = 4;
  /// Label lines beyond this are elided.
  static constexpr int maxTextLines = 3;

  explicit ImageViewItemDelegate(QObject* parent = nullptr);

  QSize imageSize() const { return m_imageSize; }
  void setImageSize(const QSize& size) { m_imageSize = size; }

  void paint(QPainter* painter,
    const QStyleOptionViewItem& option,
    const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
  int textHeight(const QFontMetrics& metrics, const QString& text) const;

  QSize m_imageSize;
};
