#pragma once

#include "tests/analyzer/dataviews/scatter3d/FakeScatterPlot3D.h"
#include "tests/host/surrogate/SurrogateFixture.h"

/// The plate project's models under a fake 3D view.
class DerivedDataTest : public SurrogateTest
{
protected:
  void axes(const char* x, const char* y, const char* z)
  {
    m_view.m_x->setValue(plateVariable(x));
    m_view.m_y->setValue(plateVariable(y));
    m_view.m_z->setValue(plateVariable(z));
  }

  void range(int axis, double min, double max)
  {
    m_view.m_axes[axis]->m_min->setValue(min);
    m_view.m_axes[axis]->m_max->setValue(max);
  }

  FakeScatterPlot3D m_view;
};
