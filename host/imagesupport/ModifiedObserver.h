#pragma once

#include <boost/function.hpp>
#include <vtkSmartPointer.h>

class vtkObject;

/// Calls back on every modified event of a VTK object while observing; stops by itself.
class ModifiedObserver
{
public:
  explicit ModifiedObserver(boost::function<void()> callback);
  ~ModifiedObserver();
  ModifiedObserver(const ModifiedObserver&) = delete;
  ModifiedObserver& operator=(const ModifiedObserver&) = delete;

  void observe(vtkObject* object, float priority = 0.0f);
  void stop();
  bool isObserving() const { return m_tag != 0; }

private:
  boost::function<void()> m_callback;
  vtkSmartPointer<vtkObject> m_object;
  unsigned long m_tag = 0;
};
