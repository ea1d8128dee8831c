#pragma once

#include <vtkGenericOpenGLRenderWindow.h>

/// Always applies VTK's point-sprite workaround, whatever the driver reports, so that point
/// glyphs and chart markers draw the same on every machine.
class PointSpriteBugFixingRenderWindow : public vtkGenericOpenGLRenderWindow
{
public:
  static PointSpriteBugFixingRenderWindow* New();
  vtkTypeMacro(PointSpriteBugFixingRenderWindow, vtkGenericOpenGLRenderWindow);

  bool IsPointSpriteBugPresent() override { return true; }

protected:
  PointSpriteBugFixingRenderWindow() = default;
  ~PointSpriteBugFixingRenderWindow() override = default;

private:
  PointSpriteBugFixingRenderWindow(const PointSpriteBugFixingRenderWindow&) = delete;
  void operator=(const PointSpriteBugFixingRenderWindow&) = delete;
};
