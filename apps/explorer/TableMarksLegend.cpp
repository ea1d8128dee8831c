#include "apps/explorer/TableMarksLegend.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

namespace
{

// The table's own colours, so the key looks like what it explains.
const QColor violationColour(255, 0, 0);
const QColor shadeColour(247, 232, 222);
const QColor markerColour(174, 174, 174);
const QSize sampleSize(44, 18);

enum Mark
{
  FailsFilter,
  ExcludedRange,
  ValueMarker,
  LockedVariable
};

QPixmap cellSample(const QWidget& widget, Mark mark)
{
  QPixmap pixmap(sampleSize * widget.devicePixelRatioF());
  pixmap.setDevicePixelRatio(widget.devicePixelRatioF());
  pixmap.fill(widget.palette().color(QPalette::Base));
  QPainter painter(&pixmap);
  const QRect cell(0, 0, sampleSize.width() - 1, sampleSize.height() - 1);
  painter.setPen(widget.palette().color(QPalette::Mid));
  painter.drawRect(cell);
  switch (mark)
  {
    case FailsFilter:
      painter.setPen(violationColour);
      painter.drawText(cell, Qt::AlignCenter, QStringLiteral("120.5"));
      break;
    case ExcludedRange:
      painter.fillRect(QRect(1, 1, 10, cell.height() - 1), shadeColour);
      painter.fillRect(QRect(cell.width() - 14, 1, 14, cell.height() - 1), shadeColour);
      painter.setPen(widget.palette().color(QPalette::Text));
      painter.drawText(cell, Qt::AlignCenter, QStringLiteral("80"));
      break;
    case ValueMarker:
    {
      const int x = cell.width() * 2 / 3;
      const int size = 4;
      painter.setPen(markerColour);
      painter.drawLine(x - size, 1, x, 1 + size);
      painter.drawLine(x + size, 1, x, 1 + size);
      painter.setPen(widget.palette().color(QPalette::Text));
      painter.drawText(cell, Qt::AlignCenter, QStringLiteral("95"));
      break;
    }
    case LockedVariable:
      QIcon(QStringLiteral(":/images/lock_48.png"))
        .paint(&painter, QRect(2, 1, cell.height() - 2, cell.height() - 2));
      painter.setPen(widget.palette().color(QPalette::Text));
      painter.drawText(cell.adjusted(cell.height(), 0, 0, 0), Qt::AlignCenter, QStringLiteral("A"));
      break;
  }
  return pixmap;
}

} // namespace

TableMarksLegend::TableMarksLegend(QWidget* parent)
  : QWidget(parent)
{
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(6, 2, 6, 2);
  const QStringList texts = { QStringLiteral("fails a filter"),
    QStringLiteral("excluded range"),
    QStringLiteral("value in its range"),
    QStringLiteral("locked") };
  const QStringList tips = explanations();
  for (int mark = FailsFilter; mark <= LockedVariable; ++mark)
  {
    auto* sample = new QLabel(this);
    sample->setPixmap(cellSample(*this, static_cast<Mark>(mark)));
    auto* text = new QLabel(texts[mark], this);
    for (QLabel* label : { sample, text })
      label->setToolTip(tips[mark]);
    layout->addWidget(sample);
    layout->addWidget(text);
    layout->addSpacing(8);
  }
  layout->addStretch(1);
  // A narrow table keeps its width; the key is then cut on the right, not the table.
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

QStringList TableMarksLegend::explanations()
{
  return { QStringLiteral("Red text: the case fails the filter on this column's variable."),
    QStringLiteral("Shaded ends of a cell: the part of the variable's range that a range filter "
                   "excludes."),
    QStringLiteral("Caret at the top of a cell: where the value lies between the variable's "
                   "lowest and highest value."),
    QStringLiteral("Padlock in a column header: the variable is locked; its cells cannot be "
                   "edited.") };
}
