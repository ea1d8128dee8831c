#include "host/viewsupport/ImageTiles.h"

#include <QFileInfo>
#include <QPainter>

namespace
{

QImage blankTile(const QSize& size, const QColor& fill)
{
  QImage tile(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
  tile.fill(fill);
  return tile;
}

} // namespace

QImage ImageTiles::placeholder(const QSize& size)
{
  QImage tile = blankTile(size, QColor(236, 236, 236));
  QPainter painter(&tile);
  painter.setPen(QColor(150, 150, 150));
  painter.drawRect(tile.rect().adjusted(0, 0, -1, -1));
  painter.drawText(tile.rect(), Qt::AlignCenter, QStringLiteral("Loading..."));
  return tile;
}

QImage ImageTiles::errorTile(const QSize& size, const QString& filePath, const QString& reason)
{
  QImage tile = blankTile(size, QColor(253, 236, 234));
  QPainter painter(&tile);
  painter.setPen(QColor(180, 40, 30));
  painter.drawRect(tile.rect().adjusted(0, 0, -1, -1));
  QFont font = painter.font();
  font.setPointSizeF(std::max(6.0, font.pointSizeF() * 0.85));
  painter.setFont(font);
  const QString text = QFileInfo(filePath).fileName() + QLatin1Char('\n') + reason;
  painter.drawText(tile.rect().adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWordWrap, text);
  return tile;
}
