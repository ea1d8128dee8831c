#include "host/vtkutil/AlgorithmExecutionListener.h"

#include "host/vtkutil/vtkVnCommandProxy.h"

#include <vtkAlgorithm.h>

AlgorithmExecutionListener::AlgorithmExecutionListener(vtkAlgorithm* algorithm)
  : m_algorithm(algorithm)
  , m_observer(vtkSmartPointer<vtkVnCommandProxy>::Take(
      vtkVnCommandProxy::New(vtkVnCommandProxy::Callback([this] { m_executed = true; }))))
{
  // The executive fires EndEvent after each RequestData, and only then.
  m_observerTag = m_algorithm->AddObserver(vtkCommand::EndEvent, m_observer);
}

AlgorithmExecutionListener::~AlgorithmExecutionListener()
{
  m_algorithm->RemoveObserver(m_observerTag);
}
