#pragma once

#include "analyzer/dataviews/line/LineStyleAssignerInterface.h"
#include "property/PropertyAbstract.h"

#include <QColor>

/// One colour for every line; a new colour recolours the lines last assigned at once, without
/// rebuilding them.
class SolidLineColorAssigner
  : public virtual LineStyleAssignerInterface
  , public vantor::PropertyAbstract<QColor>
{
public:
  SolidLineColorAssigner();
  ~SolidLineColorAssigner() override;

  void assign(const std::vector<vtkSmartPointer<vtkPlot>>& plots) override;

protected:
  void storeValue(const QColor& color) override;

private:
  QColor retrieveValue() const override { return m_color; }
  void colorPlots() const;

  QColor m_color = Qt::red;
  std::vector<vtkSmartPointer<vtkPlot>> m_plots;
};
