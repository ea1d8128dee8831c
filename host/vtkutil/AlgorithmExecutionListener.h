#pragma once

#include <vtkSmartPointer.h>

class vtkAlgorithm;
class vtkVnCommandProxy;

/// Tells whether an algorithm has executed since the listener was made or last reset, so that a
/// view can skip rebuilding what depends on an unchanged pipeline stage.
class AlgorithmExecutionListener
{
public:
  explicit AlgorithmExecutionListener(vtkAlgorithm* algorithm);
  ~AlgorithmExecutionListener();
  AlgorithmExecutionListener(const AlgorithmExecutionListener&) = delete;
  AlgorithmExecutionListener& operator=(const AlgorithmExecutionListener&) = delete;

  bool algorithmHasExecuted() const { return m_executed; }
  void reset() { m_executed = false; }

private:
  vtkSmartPointer<vtkAlgorithm> m_algorithm;
  vtkSmartPointer<vtkVnCommandProxy> m_observer;
  unsigned long m_observerTag = 0;
  bool m_executed = false;
};
