#include "host/sample/BeamPicture.h"

#include "host/sample/BeamDesign.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace
{

/// Blue for low stress through green to red for high stress.
QColor stressColour(double stress)
{
  const double t = std::clamp(stress / 400.0, 0.0, 1.0);
  return QColor::fromHsvF((1.0 - t) * 0.66, 0.8, 0.9);
}

} // namespace

QImage BeamPicture::draw(const BeamDesign& beam)
{
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(QColor(250, 250, 245));
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);

  painter.fillRect(QRectF(8, 20, 12, 110), QBrush(QColor(120, 120, 120), Qt::BDiagPattern));
  painter.setPen(QPen(QColor(60, 60, 60), 2));
  painter.drawLine(QPointF(20, 20), QPointF(20, 130));

  const double length = 50.0 * beam.length;
  const double thickness = 0.2 * beam.height;
  const double top = 60.0 - thickness / 2.0;
  const double sag = std::min(beam.deflection * 2.0, 40.0);

  QPainterPath bent;
  bent.moveTo(20, top);
  bent.quadTo(20 + length * 0.6, top, 20 + length, top + sag);
  bent.lineTo(20 + length, top + sag + thickness);
  bent.quadTo(20 + length * 0.6, top + thickness, 20, top + thickness);
  bent.closeSubpath();
  painter.setPen(QPen(QColor(40, 40, 40), 1));
  painter.setBrush(stressColour(beam.stress));
  painter.drawPath(bent);

  painter.setPen(QPen(QColor(30, 30, 30, 160), 1));
  for (int rib = 1; rib <= beam.ribs; ++rib)
  {
    const double x = 20 + length * rib / (beam.ribs + 1.0);
    const double drop = sag * (x - 20) * (x - 20) / (length * length);
    painter.drawLine(QPointF(x, top + drop), QPointF(x, top + drop + thickness));
  }

  painter.setPen(QColor(200, 30, 30));
  painter.drawLine(QPointF(20 + length, top + sag - 18), QPointF(20 + length, top + sag - 2));
  painter.drawLine(QPointF(20 + length - 4, top + sag - 7), QPointF(20 + length, top + sag - 2));
  painter.drawLine(QPointF(20 + length + 4, top + sag - 7), QPointF(20 + length, top + sag - 2));

  painter.setPen(QColor(20, 20, 20));
  painter.drawText(QRectF(4, height - 18, width - 8, 16),
    Qt::AlignLeft,
    QStringLiteral("Case %1  %2").arg(beam.caseId).arg(QString::fromStdString(beam.material)));
  return image;
}
