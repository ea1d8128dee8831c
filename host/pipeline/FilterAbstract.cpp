#include "host/pipeline/FilterAbstract.h"

#include "host/pipeline/UndoableChange.h"

FilterAbstract::FilterAbstract(WeakPtr<Variable> variable)
  : m_variable(std::move(variable))
{
}

FilterAbstract::~FilterAbstract() = default;

bool FilterAbstract::isIndependent() const
{
  const auto variable = m_variable.lock();
  return variable && variable->nature() == Variable::Independent;
}

void FilterAbstract::setEnabled(bool enabled)
{
  if (enabled == m_enabled)
    return;
  auto apply = [this](bool value)
  {
    m_enabled = value;
    signalChanged();
  };
  recordChange([apply, enabled] { apply(enabled); }, [apply, enabled] { apply(!enabled); });
}

void FilterAbstract::recordChange(boost::function<void()> redo, boost::function<void()> undo)
{
  runAsUndoStep(std::move(redo), std::move(undo), *this, QStringLiteral("Change Filter"));
}
