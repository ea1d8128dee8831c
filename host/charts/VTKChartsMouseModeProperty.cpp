#include "host/charts/VTKChartsMouseModeProperty.h"

#include <boost/make_shared.hpp>
#include <vtkChart.h>
#include <vtkContextMouseEvent.h>

namespace
{

class NoRotationValidator : public vantor::ValidatorInterface<DataViewInterface::MouseMode>
{
public:
  vantor::ValidationResult validate(const DataViewInterface::MouseMode& mode) const override
  {
    if (mode == DataViewInterface::Select || mode == DataViewInterface::Pan ||
        mode == DataViewInterface::Zoom)
      return {};
    return vantor::ValidationResult::invalid("A chart can only select, pan and zoom.");
  }
};

} // namespace

VTKChartsMouseModeProperty::VTKChartsMouseModeProperty(vtkSmartPointer<vtkChart> chart)
  : PropertyAbstract<DataViewInterface::MouseMode>(boost::make_shared<NoRotationValidator>())
  , m_chart(std::move(chart))
{
  storeValue(DataViewInterface::Select);
}

void VTKChartsMouseModeProperty::storeValue(const DataViewInterface::MouseMode& mode)
{
  m_mode = mode;
  const int left = vtkContextMouseEvent::LEFT_BUTTON;
  switch (mode)
  {
    case DataViewInterface::Pan:
      m_chart->SetActionToButton(vtkChart::PAN, left);
      break;
    case DataViewInterface::Zoom:
      m_chart->SetActionToButton(vtkChart::ZOOM, left);
      break;
    default:
      m_chart->SetActionToButton(vtkChart::SELECT, left);
      break;
  }
}
