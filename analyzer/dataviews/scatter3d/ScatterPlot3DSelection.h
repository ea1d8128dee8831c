#pragma once

#include "analyzer/dataviews/ScatterPlot3DInterface.h"
#include "host/core/SuspendableInterface.h"
#include "host/project/WeakPtr.h"
#include "property/PropertyAbstract.h"

#include <boost/shared_ptr.hpp>
#include <cstdint>
#include <memory>
#include <set>
#include <vtkSmartPointer.h>

class PlotSelectionModel;
class Scatter3DScaleFactorCalculator;
class Variable;
class vtkAbstractArray;
class vtkActor;
class vtkPlanes;
class vtkRenderer;
class vtkTransformPolyDataFilter;

/// The 3D view's side of the shared selection: a finished rubber band becomes the set of
/// cases whose glyph centres lie in its frustum (hidden ones too), and the selected cases are
/// drawn with dark translucent shells, one masked glyph mapper over the same points.
class ScatterPlot3DSelection : public SuspendableInterface
{
public:
  ScatterPlot3DSelection(vtkSmartPointer<vtkRenderer> renderer,
    vtkSmartPointer<vtkTransformPolyDataFilter> positions,
    boost::shared_ptr<vantor::PropertyAbstract<ScatterPlot3DInterface::Shape>> shape,
    vtkSmartPointer<vtkAbstractArray> selectionMask,
    boost::shared_ptr<PlotSelectionModel> selectionModel,
    boost::shared_ptr<Scatter3DScaleFactorCalculator> calculator);
  ~ScatterPlot3DSelection() override;

  /// While suspended, picks change no selection and selection changes draw nothing.
  void suspend() override;
  void resume() override;

  boost::shared_ptr<vantor::PropertyAbstract<bool>> sizeByData() const;
  boost::shared_ptr<vantor::PropertyAbstract<WeakPtr<Variable>>> sizeVar() const;
  boost::shared_ptr<vantor::PropertyAbstract<double>> scalingFactor() const;
  boost::shared_ptr<vantor::PropertyAbstract<ScatterPlot3DInterface::Shape>> shape() const;

  /// The cases whose drawn glyph centres lie inside the frustum, by point-data array 0.
  static std::set<uint64_t> casesInFrustum(vtkTransformPolyDataFilter& positions,
    vtkPlanes& frustum);

  vtkActor& overlayActor() const;
  /// Applies the overlay's sizing rule (also when the axes box changed).
  void updateOverlaySize();

private:
  void onPick();
  void onMaskModified();

  struct Impl;
  std::unique_ptr<Impl> m_impl;
};
