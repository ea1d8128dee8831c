#pragma once

#include <boost/function.hpp>
#include <type_traits>
#include <vtkCommand.h>

/// A VTK observer that calls a boost::function, so that classes outside VTK can react to VTK
/// events without deriving from vtkCommand.
class vtkVnCommandProxy : public vtkCommand
{
public:
  using Callback = boost::function<void()>;
  using EventCallback = boost::function<void(vtkObject* caller, unsigned long eventId, void* data)>;

  vtkTypeMacro(vtkVnCommandProxy, vtkCommand);
  static vtkVnCommandProxy* New();
  static vtkVnCommandProxy* New(Callback callback);
  static vtkVnCommandProxy* New(EventCallback callback);
  /// Any other callable: one taking no arguments is called without the event's details.
  template<class F>
  static vtkVnCommandProxy* New(F callback)
  {
    auto* command = New();
    command->setCallback(std::move(callback));
    return command;
  }

  void setCallback(Callback callback);
  void setCallback(EventCallback callback);
  template<class F>
  void setCallback(F callback)
  {
    if constexpr (std::is_invocable_v<F&>)
      setCallback(Callback(std::move(callback)));
    else
      setCallback(EventCallback(std::move(callback)));
  }

  void Execute(vtkObject* caller, unsigned long eventId, void* callData) override;

protected:
  vtkVnCommandProxy() = default;
  ~vtkVnCommandProxy() override = default;

private:
  EventCallback m_callback;

  vtkVnCommandProxy(const vtkVnCommandProxy&) = delete;
  void operator=(const vtkVnCommandProxy&) = delete;
};
