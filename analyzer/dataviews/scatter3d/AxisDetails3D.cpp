#include "analyzer/dataviews/scatter3d/AxisDetails3D.h"

#include "host/core/SignalConnectionCollection.h"
#include "host/plotsupport/AxisRangePropertyAbstract.h"
#include "property/PropertyInstantiations.h"

#include <vtkCubeAxesActor2D.h>

namespace
{

/// One end of the labelled range of an axis of the box.
class AxisRangeProperty : public AxisRangePropertyAbstract
{
public:
  AxisRangeProperty(vtkSmartPointer<vtkCubeAxesActor2D> axes, int axis, RangeType type)
    : AxisRangePropertyAbstract(axes, type)
    , m_axes(std::move(axes))
    , m_axis(axis)
  {
  }

private:
  int entry() const { return m_axis * 2 + rangeType(); }
  double retrieveValue() const override { return m_axes->GetRanges()[entry()]; }
  void storeValueInVTK(const double& value) override
  {
    double ranges[6];
    m_axes->GetRanges(ranges);
    ranges[entry()] = value;
    m_axes->SetRanges(ranges);
  }

  vtkSmartPointer<vtkCubeAxesActor2D> m_axes;
  int m_axis;
};

/// One end of the geometric extent of an axis of the box.
class AxisBoundsProperty : public VTKPropertyAbstract<double>
{
public:
  AxisBoundsProperty(vtkSmartPointer<vtkCubeAxesActor2D> axes, int axis, int end)
    : VTKPropertyAbstract<double>(axes)
    , m_axes(std::move(axes))
    , m_axis(axis)
    , m_end(end)
  {
  }

private:
  int entry() const { return m_axis * 2 + m_end; }
  double retrieveValue() const override { return m_axes->GetBounds()[entry()]; }
  void storeValueInVTK(const double& value) override
  {
    double bounds[6];
    m_axes->GetBounds(bounds);
    bounds[entry()] = value;
    m_axes->SetBounds(bounds);
  }

  vtkSmartPointer<vtkCubeAxesActor2D> m_axes;
  int m_axis;
  int m_end;
};

boost::shared_ptr<vantor::PropertyAbstract<double>> undoable(const std::string& label,
  boost::shared_ptr<vantor::PropertyAbstract<double>> property)
{
  return boost::make_shared<vantor::UndoablePropertyProxy<double>>(label, std::move(property));
}

} // namespace

struct AxisDetails3D::Impl
{
  boost::shared_ptr<vantor::PropertyAbstract<double>> min;
  boost::shared_ptr<vantor::PropertyAbstract<double>> max;
  boost::shared_ptr<vantor::PropertyAbstract<double>> boundsMin;
  boost::shared_ptr<vantor::PropertyAbstract<double>> boundsMax;
  SignalConnectionCollection connections;
};

AxisDetails3D::AxisDetails3D(vtkSmartPointer<vtkCubeAxesActor2D> axes,
  AxisDetailsInterface::Axis axis)
  : m_impl(std::make_unique<Impl>())
{
  const std::string name = axisName(axis);
  using Range = AxisRangePropertyAbstract;
  m_impl->min =
    undoable(name + " Min", boost::make_shared<AxisRangeProperty>(axes, axis, Range::Minimum));
  m_impl->max =
    undoable(name + " Max", boost::make_shared<AxisRangeProperty>(axes, axis, Range::Maximum));
  m_impl->boundsMin =
    undoable(name + " Bounds Min", boost::make_shared<AxisBoundsProperty>(axes, axis, 0));
  m_impl->boundsMax =
    undoable(name + " Bounds Max", boost::make_shared<AxisBoundsProperty>(axes, axis, 1));
  for (const auto& property : { m_impl->min, m_impl->max, m_impl->boundsMin, m_impl->boundsMax })
    m_impl->connections.add(
      property->signalValueChanged.connect([this](double) { signalAxisDetailsChanged(); }));
}

AxisDetails3D::~AxisDetails3D() = default;

std::string AxisDetails3D::axisName(int axis)
{
  switch (axis)
  {
    case X:
      return "X-Axis";
    case Y:
      return "Y-Axis";
    case Z:
      return "Z-Axis";
    default:
      return std::string();
  }
}

boost::shared_ptr<vantor::PropertyAbstract<double>> AxisDetails3D::min()
{
  return m_impl->min;
}

boost::shared_ptr<vantor::PropertyAbstract<double>> AxisDetails3D::max()
{
  return m_impl->max;
}

boost::shared_ptr<vantor::PropertyAbstract<bool>> AxisDetails3D::useCustomGridSpacing()
{
  return nullptr;
}

boost::shared_ptr<vantor::PropertyAbstract<double>> AxisDetails3D::gridSpacing()
{
  return nullptr;
}

boost::shared_ptr<vantor::PropertyAbstract<double>> AxisDetails3D::boundsMin()
{
  return m_impl->boundsMin;
}

boost::shared_ptr<vantor::PropertyAbstract<double>> AxisDetails3D::boundsMax()
{
  return m_impl->boundsMax;
}
