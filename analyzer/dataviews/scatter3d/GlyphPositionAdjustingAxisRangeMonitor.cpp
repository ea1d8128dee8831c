#include "analyzer/dataviews/scatter3d/GlyphPositionAdjustingAxisRangeMonitor.h"

#include "host/core/SignalConnectionCollection.h"
#include "host/viewsupport/AxisDetailsInterface.h"

#include <vtkNew.h>
#include <vtkTransform.h>
#include <vtkTransformPolyDataFilter.h>

struct GlyphPositionAdjustingAxisRangeMonitor::Impl
{
  std::vector<boost::shared_ptr<AxisDetailsInterface>> axes;
  vtkSmartPointer<vtkTransformPolyDataFilter> transform;
  SignalConnectionCollection connections;
};

GlyphPositionAdjustingAxisRangeMonitor::GlyphPositionAdjustingAxisRangeMonitor(
  vtkSmartPointer<vtkTransformPolyDataFilter> transform,
  std::vector<boost::shared_ptr<AxisDetailsInterface>> axes)
  : m_impl(std::make_unique<Impl>())
{
  m_impl->axes = std::move(axes);
  m_impl->transform = std::move(transform);
  for (const auto& axis : m_impl->axes)
    for (const auto& property : { axis->min(), axis->max(), axis->boundsMin(), axis->boundsMax() })
      m_impl->connections.add(
        property->signalValueChanged.connect([this](double) { recompute(); }));
}

GlyphPositionAdjustingAxisRangeMonitor::~GlyphPositionAdjustingAxisRangeMonitor() = default;

void GlyphPositionAdjustingAxisRangeMonitor::recompute()
{
  double scale[3];
  double translate[3];
  for (std::size_t i = 0; i < 3 && i < m_impl->axes.size(); ++i)
  {
    AxisDetailsInterface& axis = *m_impl->axes[i];
    const double r0 = axis.min()->value();
    const double r1 = axis.max()->value();
    const double b0 = axis.boundsMin()->value();
    const double b1 = axis.boundsMax()->value();
    // A user range of no length cannot be mapped; the glyphs then keep their scale.
    scale[i] = r1 != r0 ? (b1 - b0) / (r1 - r0) : 1.0;
    translate[i] = b0 - scale[i] * r0;
  }
  vtkNew<vtkTransform> transform;
  transform->PostMultiply();
  transform->Scale(scale);
  transform->Translate(translate);
  m_impl->transform->SetTransform(transform);
}
