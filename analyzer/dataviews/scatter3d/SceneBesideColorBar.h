#pragma once

#include <boost/shared_ptr.hpp>
#include <vtkNew.h>
#include <vtkSmartPointer.h>

class ColorLegend;
class vtkRenderWindow;
class vtkRenderer;
class vtkTransform;
class vtkVnCommandProxy;

/// Keeps a 3D scene clear of its colour bar. While the bar is shown in the right half of the
/// window, each render of the window first shrinks the camera's picture into the part of the
/// window left of the bar, so that glyphs, the axes box and its titles do not run under it.
/// The camera's own settings (those saved and those the mouse changes) stay as they are.
class SceneBesideColorBar
{
public:
  SceneBesideColorBar(vtkSmartPointer<vtkRenderWindow> window,
    vtkSmartPointer<vtkRenderer> renderer,
    boost::shared_ptr<const ColorLegend> legend);
  ~SceneBesideColorBar();
  SceneBesideColorBar(const SceneBesideColorBar&) = delete;
  SceneBesideColorBar& operator=(const SceneBesideColorBar&) = delete;

  /// The fraction of the window's width, from its left edge, that the scene is drawn in.
  double sceneWidth() const;
  /// Fits the camera's picture to where the bar is now.
  void update();

private:
  vtkSmartPointer<vtkRenderWindow> m_window;
  vtkSmartPointer<vtkRenderer> m_renderer;
  boost::shared_ptr<const ColorLegend> m_legend;
  vtkNew<vtkTransform> m_squeeze;
  /// The scene width the transform was made for; 0 before the first.
  double m_squeezedTo = 0.0;
  vtkSmartPointer<vtkVnCommandProxy> m_renderObserver;
  unsigned long m_renderObserverTag = 0;
};
