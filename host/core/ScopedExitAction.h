#pragma once

#include <boost/function.hpp>
#include <utility>

/// Runs its action when the scope ends, also when it ends by an exception.
class ScopedExitAction
{
public:
  explicit ScopedExitAction(boost::function<void()> action)
    : m_action(std::move(action))
  {
  }
  ~ScopedExitAction()
  {
    if (m_action)
      m_action();
  }
  ScopedExitAction(const ScopedExitAction&) = delete;
  ScopedExitAction& operator=(const ScopedExitAction&) = delete;

private:
  boost::function<void()> m_action;
};
