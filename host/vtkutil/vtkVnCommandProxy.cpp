#include "host/vtkutil/vtkVnCommandProxy.h"

vtkVnCommandProxy* vtkVnCommandProxy::New()
{
  auto* command = new vtkVnCommandProxy;
  command->InitializeObjectBase();
  return command;
}

vtkVnCommandProxy* vtkVnCommandProxy::New(Callback callback)
{
  auto* command = New();
  command->setCallback(std::move(callback));
  return command;
}

vtkVnCommandProxy* vtkVnCommandProxy::New(EventCallback callback)
{
  auto* command = New();
  command->setCallback(std::move(callback));
  return command;
}

void vtkVnCommandProxy::setCallback(Callback callback)
{
  if (!callback)
  {
    m_callback.clear();
    return;
  }
  m_callback = [callback](vtkObject*, unsigned long, void*) { callback(); };
}

void vtkVnCommandProxy::setCallback(EventCallback callback)
{
  m_callback = std::move(callback);
}

void vtkVnCommandProxy::Execute(vtkObject* caller, unsigned long eventId, void* callData)
{
  if (m_callback)
    m_callback(caller, eventId, callData);
}
