#include "analyzer/dataviews/line/SolidLineColorAssigner.h"

#include <vtkPlot.h>

SolidLineColorAssigner::SolidLineColorAssigner() = default;
SolidLineColorAssigner::~SolidLineColorAssigner() = default;

void SolidLineColorAssigner::assign(const std::vector<vtkSmartPointer<vtkPlot>>& plots)
{
  m_plots = plots;
  colorPlots();
}

void SolidLineColorAssigner::storeValue(const QColor& color)
{
  m_color = color;
  colorPlots();
}

void SolidLineColorAssigner::colorPlots() const
{
  for (const auto& plot : m_plots)
    plot->SetColor(static_cast<unsigned char>(m_color.red()),
      static_cast<unsigned char>(m_color.green()),
      static_cast<unsigned char>(m_color.blue()),
      255);
}
