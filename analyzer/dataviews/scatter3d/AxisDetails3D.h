#pragma once

#include "host/viewsupport/AxisDetailsInterface.h"

#include <boost/enable_shared_from_this.hpp>
#include <memory>
#include <string>
#include <vtkSmartPointer.h>

class vtkCubeAxesActor2D;

/// One axis of the 3D axes box: its labelled range and the geometric bounds it is drawn at,
/// as undoable properties stored in the box itself.
class AxisDetails3D
  : public virtual AxisDetailsInterface
  , public boost::enable_shared_from_this<AxisDetails3D>
{
public:
  AxisDetails3D(vtkSmartPointer<vtkCubeAxesActor2D> axes, AxisDetailsInterface::Axis axis);
  ~AxisDetails3D() override;

  /// "X-Axis", "Y-Axis", "Z-Axis"; empty for any other index.
  static std::string axisName(int axis);

  boost::shared_ptr<vantor::PropertyAbstract<double>> min() override;
  boost::shared_ptr<vantor::PropertyAbstract<double>> max() override;
  boost::shared_ptr<vantor::PropertyAbstract<bool>> useCustomGridSpacing() override;
  boost::shared_ptr<vantor::PropertyAbstract<double>> gridSpacing() override;
  boost::shared_ptr<vantor::PropertyAbstract<double>> boundsMin() override;
  boost::shared_ptr<vantor::PropertyAbstract<double>> boundsMax() override;

private:
  struct Impl;
  std::unique_ptr<Impl> m_impl;
};
