#include "host/imagesupport/ModifiedObserver.h"

#include "host/vtkutil/vtkVnCommandProxy.h"

#include <vtkNew.h>
#include <vtkObject.h>

ModifiedObserver::ModifiedObserver(boost::function<void()> callback)
  : m_callback(std::move(callback))
{
}

ModifiedObserver::~ModifiedObserver()
{
  stop();
}

void ModifiedObserver::observe(vtkObject* object, float priority)
{
  stop();
  if (!object)
    return;
  vtkSmartPointer<vtkVnCommandProxy> command =
    vtkSmartPointer<vtkVnCommandProxy>::Take(vtkVnCommandProxy::New(m_callback));
  m_object = object;
  m_tag = object->AddObserver(vtkCommand::ModifiedEvent, command, priority);
}

void ModifiedObserver::stop()
{
  if (m_object && m_tag != 0)
    m_object->RemoveObserver(m_tag);
  m_object = nullptr;
  m_tag = 0;
}
