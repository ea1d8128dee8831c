#include "host/project/Transaction.h"

#include "host/project/Project.h"

#include <exception>

Transaction::Transaction(Project& project, QString text)
  : m_project(project)
  , m_text(std::move(text))
  , m_uncaughtExceptions(std::uncaught_exceptions())
{
  m_project.openTransaction(*this);
}

Transaction::~Transaction()
{
  if (!m_open)
    return;
  if (std::uncaught_exceptions() > m_uncaughtExceptions)
    rollback();
  else
    commit();
}

void Transaction::addStep(boost::function<void()> redo, boost::function<void()> undo)
{
  m_steps.emplace_back(std::move(redo), std::move(undo));
}

void Transaction::commit()
{
  if (!m_open)
    return;
  m_open = false;
  m_project.closeTransaction(*this);
  if (!m_steps.empty())
    m_project.recordUndoStep(m_text, std::move(m_steps), m_changes);
}

void Transaction::rollback()
{
  if (!m_open)
    return;
  m_open = false;
  m_project.closeTransaction(*this);
  for (auto step = m_steps.rbegin(); step != m_steps.rend(); ++step)
    step->second();
  m_steps.clear();
}
