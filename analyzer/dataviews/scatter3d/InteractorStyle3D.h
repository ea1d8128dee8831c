#pragma once

#include "analyzer/dataviews/DataViewInterface.h"
#include "host/core/SignalConnectionCollection.h"
#include "host/core/SuspendableInterface.h"
#include "property/Property.h"

#include <boost/shared_ptr.hpp>
#include <vtkSmartPointer.h>

class vtkRenderWindowInteractor;

/// Owns the 3D view's mouse mode and installs the matching interactor style: rotation in
/// Rotate mode, the rubber-band style in the other modes. A new view starts in Rotate mode.
class InteractorStyle3D : public SuspendableInterface
{
public:
  explicit InteractorStyle3D(vtkSmartPointer<vtkRenderWindowInteractor> interactor);
  ~InteractorStyle3D() override;

  /// While suspended, mode changes do not switch the style.
  void suspend() override;
  void resume() override;

  boost::shared_ptr<vantor::Property<DataViewInterface::MouseMode>> mouseMode() const
  {
    return m_mouseMode;
  }

private:
  void switchStyle();

  boost::shared_ptr<vantor::Property<DataViewInterface::MouseMode>> m_mouseMode;
  vtkSmartPointer<vtkRenderWindowInteractor> m_interactor;
  SignalConnectionCollection m_connections;
};
