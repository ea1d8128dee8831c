#include "host/project/Project.h"

#include "host/core/DeleteSignaler.h"
#include "host/core/GenericUndoCommand.h"
#include "host/core/UndoStack.h"
#include "host/project/ProjectContents.h"
#include "host/project/ProjectEditor.h"
#include "host/project/ProjectError.h"

#include <algorithm>
#include <boost/make_shared.hpp>
#include <set>

Project& Project::project()
{
  static Project instance;
  return instance;
}

Project::Project()
  : m_state(ProjectContents().take())
  , m_undoOwner(std::make_unique<DeleteSignaler>())
{
}

Project::~Project() = default;

std::vector<WeakPtr<Variable>> Project::variables() const
{
  return { m_state.variables.begin(), m_state.variables.end() };
}

WeakPtr<Variable> Project::variable(const std::string& name) const
{
  return m_state.variableNamed(name);
}

WeakPtr<Variable> Project::variableById(uint64_t id) const
{
  return m_state.variable(id);
}

WeakPtr<Variable> Project::caseIdVariable() const
{
  return m_state.variables.front();
}

WeakPtr<Record> Project::record(uint64_t caseId) const
{
  return m_state.records.find(caseId);
}

WeakPtr<Record> Project::recordAtRow(vtkIdType row) const
{
  return m_state.records.atRow(row);
}

std::vector<WeakPtr<AuxFile>> Project::auxFiles() const
{
  std::vector<WeakPtr<AuxFile>> result;
  result.reserve(m_state.auxFiles.size());
  for (const auto& entry : m_state.auxFiles)
    result.emplace_back(entry.second);
  return result;
}

std::vector<std::string> Project::allTags() const
{
  std::set<std::string> tags;
  for (const TagGroup& group : m_state.tagGroups)
    tags.insert(group.tags().begin(), group.tags().end());
  for (const auto& entry : m_state.auxFiles)
    tags.insert(entry.second->tags().begin(), entry.second->tags().end());
  return std::vector<std::string>(tags.begin(), tags.end());
}

bool Project::hasTagGroup(const std::string& name) const
{
  return std::any_of(m_state.tagGroups.begin(),
    m_state.tagGroups.end(),
    [&](const TagGroup& group) { return group.name() == name; });
}

WeakPtr<AuxFile> Project::auxFile(uint64_t id) const
{
  const auto found = m_state.auxFiles.find(id);
  return found == m_state.auxFiles.end() ? WeakPtr<AuxFile>() : WeakPtr<AuxFile>(found->second);
}

Transaction Project::startTransaction(const QString& text)
{
  return Transaction(*this, text);
}

void Project::openTransaction(const Transaction& transaction)
{
  if (m_openTransaction)
    throw ProjectError("another transaction is still open");
  m_openTransaction = &transaction;
}

WeakPtr<Variable> Project::addVariable(Transaction& transaction,
  const std::string& name,
  Variable::Nature nature,
  ValueType type)
{
  return ProjectEditor(transaction).addVariable(name, nature, type);
}

WeakPtr<Record> Project::addRecord(Transaction& transaction, uint64_t caseId)
{
  return ProjectEditor(transaction).addRecord(caseId);
}

WeakPtr<AuxFile> Project::addAuxFile(Transaction& transaction,
  Record& record,
  const std::string& filePath,
  std::vector<std::string> tags)
{
  return ProjectEditor(transaction).addAuxFile(record, filePath, std::move(tags));
}

void Project::eraseRecords(Transaction& transaction, const std::vector<uint64_t>& caseIds)
{
  ProjectEditor(transaction).eraseRecords(caseIds);
}

void Project::setTagGroups(Transaction& transaction, std::vector<TagGroup> groups)
{
  ProjectEditor(transaction).setTagGroups(std::move(groups));
}

void Project::assign(ProjectContents contents)
{
  if (m_openTransaction)
    throw ProjectError("cannot replace the project while a transaction is open");
  TransactionRecord changes;
  changes.projectReplaced = true;
  for (const auto& variable : m_state.variables)
    changes.removedVariables.push_back(variable->id());
  ProjectState incoming = contents.take();
  for (const auto& variable : m_state.variables)
    variable->m_alive = false;
  m_state = std::move(incoming);
  // Undo steps of the old project refer to objects that are gone.
  m_undoOwner = std::make_unique<DeleteSignaler>();
  notify(changes);
}

void Project::clear()
{
  assign(ProjectContents());
}

void Project::closeTransaction(const Transaction& transaction)
{
  if (m_openTransaction == &transaction)
    m_openTransaction = nullptr;
}

void Project::recordUndoStep(const QString& text,
  std::vector<Transaction::Step> steps,
  const TransactionRecord& changes)
{
  auto shared = boost::make_shared<std::vector<Transaction::Step>>(std::move(steps));
  // The stack runs a command's redo when it is pushed; the edits have already been made.
  auto pushed = boost::make_shared<bool>(false);
  auto redo = [this, shared, changes, pushed]
  {
    if (!*pushed)
    {
      *pushed = true;
      return;
    }
    for (const auto& step : *shared)
      step.first();
    notify(changes);
  };
  auto undo = [this, shared, changes, pushed]
  {
    *pushed = true;
    for (auto step = shared->rbegin(); step != shared->rend(); ++step)
      step->second();
    notify(changes.inverse());
  };
  UndoStack().push(new GenericUndoCommand(redo, undo, *m_undoOwner, text));
  notify(changes);
}

void Project::notify(const TransactionRecord& changes)
{
  signalProjectChanged(changes);
  if (!changes.removedVariables.empty())
    signalVariablesRemoved(changes);
}
