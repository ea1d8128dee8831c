#pragma once

#include "analyzer/dataviews/DataViewInterface.h"
#include "property/Property.h"

#include <boost/shared_ptr.hpp>
#include <map>
#include <vtkInteractorStyleRubberBandPick.h>

/// The mouse in the select, pan and zoom modes: in select mode the left button draws a rubber
/// band and area-picks it on release (a click picks the 11 x 11 pixels around it); in pan and
/// zoom modes it pans or dollies. The middle button always pans; the right button and keys do
/// nothing.
class RubberBandingInteractorStyle3D : public vtkInteractorStyleRubberBandPick
{
public:
  using MouseModeProperty = vantor::Property<DataViewInterface::MouseMode>;

  vtkTypeMacro(RubberBandingInteractorStyle3D, vtkInteractorStyleRubberBandPick);
  static RubberBandingInteractorStyle3D* New();

  void setMouseMode(boost::shared_ptr<MouseModeProperty> mouseMode);

  void OnLeftButtonDown() override;
  void OnLeftButtonUp() override;
  void OnMouseMove() override;
  void OnMiddleButtonDown() override;
  void OnMiddleButtonUp() override;
  void OnRightButtonDown() override {}
  void OnRightButtonUp() override {}
  void OnChar() override {}
  /// Picked cases are shown by the selection shells, not by an outline of the whole plot.
  void HighlightProp(vtkProp*) override {}

protected:
  RubberBandingInteractorStyle3D();
  ~RubberBandingInteractorStyle3D() override = default;

private:
  using Action = void (vtkInteractorStyle::*)();

  DataViewInterface::MouseMode mode() const;
  void run(Action action);

  boost::shared_ptr<MouseModeProperty> m_mouseMode;
  bool m_leftButtonDown = false;
  bool m_middleButtonDown = false;
  Action m_motion = nullptr;
  std::map<int, Action> m_startActions;
  std::map<int, Action> m_motionActions;
  std::map<int, Action> m_endActions;

  RubberBandingInteractorStyle3D(const RubberBandingInteractorStyle3D&) = delete;
  void operator=(const RubberBandingInteractorStyle3D&) = delete;
};
