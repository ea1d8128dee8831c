#include "host/project/ProjectEditor.h"

#include "host/project/AuxFile.h"
#include "host/project/Project.h"
#include "host/project/ProjectError.h"
#include "host/project/ProjectState.h"
#include "host/project/Record.h"
#include "host/project/TagGroup.h"
#include "host/project/Transaction.h"

#include <algorithm>
#include <boost/make_shared.hpp>

namespace
{

Transaction& openTransaction(Transaction& transaction)
{
  if (!transaction.isOpen())
    throw ProjectError("the transaction is already closed");
  return transaction;
}

} // namespace

ProjectEditor::ProjectEditor(Transaction& transaction)
  : m_transaction(openTransaction(transaction))
  , m_state(transaction.project().state())
{
}

void ProjectEditor::requireLocked(const void* object, const std::string& what) const
{
  if (!m_transaction.holds(object))
    throw ProjectError(what + " must be locked in the transaction before it is changed");
}

void ProjectEditor::requireErasureAllowed() const
{
  if (!m_transaction.erasureAllowed())
    throw ProjectError("this transaction may not erase anything; call allowErasure() first");
}

void ProjectEditor::setData(Record& record, const Variable& variable, const Variant& value)
{
  requireLocked(&record, "a record");
  const auto target = m_state.variable(variable.id());
  if (!record.isAlive() || !target)
    throw ProjectError("cannot set a value of an erased record or variable");
  if (target->isCaseId())
    throw ProjectError("case identifiers cannot be edited");
  if (!target->column().accepts(value))
    throw ProjectError(
      "variable \"" + target->name() + "\" holds numbers, not \"" + value.toString() + "\"");
  const Variant old = target->column().value(record.row());
  if (old == value)
    return;
  target->m_column.setValue(record.row(), value);

  const auto owner = m_state.records.find(record.caseId());
  auto apply = [owner, target](const Variant& v) { target->m_column.setValue(owner->row(), v); };
  m_transaction.addStep([apply, value] { apply(value); }, [apply, old] { apply(old); });
  m_transaction.changes().changedValues.push_back({ record.caseId(), target->id() });
}

void ProjectEditor::setLocked(Variable& variable, bool locked)
{
  requireLocked(&variable, "a variable");
  if (changeField(variable, &Variable::m_locked, locked))
    m_transaction.changes().changedVariables.push_back(variable.id());
}

void ProjectEditor::setNature(Variable& variable, Variable::Nature nature)
{
  requireLocked(&variable, "a variable");
  if (changeField(variable, &Variable::m_nature, nature))
    m_transaction.changes().changedVariables.push_back(variable.id());
}

void ProjectEditor::setTags(AuxFile& auxFile, std::vector<std::string> tags)
{
  requireLocked(&auxFile, "an aux file");
  if (changeField(auxFile, &AuxFile::m_tags, std::move(tags)))
    m_transaction.changes().tagsChanged = true;
}

void ProjectEditor::setTagGroups(std::vector<TagGroup> groups)
{
  if (changeField(m_state, &ProjectState::tagGroups, std::move(groups)))
    m_transaction.changes().tagsChanged = true;
}

boost::shared_ptr<Variable> ProjectEditor::addVariable(const std::string& name,
  Variable::Nature nature,
  ValueType type)
{
  if (name.empty() || m_state.variableNamed(name))
    throw ProjectError("a variable needs a name of its own; \"" + name + "\" is taken or empty");
  auto variable = boost::make_shared<Variable>(m_state.nextVariableId++, name, nature, type);
  const std::size_t position = m_state.variables.size();
  insertVariable(m_state, variable, position);
  ProjectState* state = &m_state;
  m_transaction.addStep([state, variable, position] { insertVariable(*state, variable, position); },
    [state, variable] { removeVariable(*state, variable); });
  m_transaction.changes().addedVariables.push_back(variable->id());
  return variable;
}

boost::shared_ptr<Record> ProjectEditor::addRecord(uint64_t caseId)
{
  if (m_state.records.contains(caseId))
    throw ProjectError("case " + std::to_string(caseId) + " already exists");
  RemovedRecords added;
  added.records.push_back(m_state.records.create(caseId));
  added.rows.push_back(m_state.records.size());
  for (const auto& variable : m_state.variables)
    added.values.emplace_back(
      variable, std::vector<Variant>{ variable->isCaseId() ? Variant(caseId) : Variant::null() });
  restoreRecords(m_state, added);

  ProjectState* state = &m_state;
  auto record = added.records.front();
  m_transaction.addStep([state, added] { restoreRecords(*state, added); },
    [state, record] { removeRecords(*state, { record->row() }); });
  m_transaction.changes().addedRecords.push_back(caseId);
  return record;
}

boost::shared_ptr<AuxFile> ProjectEditor::addAuxFile(Record& record,
  const std::string& filePath,
  std::vector<std::string> tags)
{
  requireLocked(&record, "a record");
  const auto owner = m_state.records.find(record.caseId());
  if (!owner)
    throw ProjectError("cannot attach a file to an erased record");
  auto auxFile = boost::make_shared<AuxFile>(
    m_state.nextAuxFileId++, filePath, WeakPtr<Record>(owner), std::move(tags));
  attachAuxFile(m_state, auxFile);
  ProjectState* state = &m_state;
  m_transaction.addStep([state, auxFile] { attachAuxFile(*state, auxFile); },
    [state, auxFile] { detachAuxFile(*state, auxFile); });
  m_transaction.changes().addedAuxFiles.push_back(auxFile->id());
  return auxFile;
}

void ProjectEditor::eraseVariable(Variable& variable)
{
  requireErasureAllowed();
  requireLocked(&variable, "a variable");
  if (variable.isCaseId())
    throw ProjectError("the case identifiers cannot be erased");
  const auto target = m_state.variable(variable.id());
  if (!target)
    return;
  const auto position =
    static_cast<std::size_t>(std::find(m_state.variables.begin(), m_state.variables.end(), target) -
                             m_state.variables.begin());
  removeVariable(m_state, target);
  ProjectState* state = &m_state;
  m_transaction.addStep([state, target] { removeVariable(*state, target); },
    [state, target, position] { insertVariable(*state, target, position); });
  m_transaction.changes().removedVariables.push_back(target->id());
}

void ProjectEditor::eraseRecords(const std::vector<uint64_t>& caseIds)
{
  requireErasureAllowed();
  std::vector<vtkIdType> rows;
  for (uint64_t caseId : caseIds)
    if (const auto record = m_state.records.find(caseId))
      rows.push_back(record->row());
  if (rows.empty())
    return;
  const RemovedRecords removed = removeRecords(m_state, rows);

  ProjectState* state = &m_state;
  m_transaction.addStep(
    [state, removed]
    {
      std::vector<vtkIdType> current;
      for (const auto& record : removed.records)
        current.push_back(record->row());
      removeRecords(*state, current);
    },
    [state, removed] { restoreRecords(*state, removed); });
  auto& changes = m_transaction.changes();
  for (const auto& record : removed.records)
    changes.erasedRecords.push_back(record->caseId());
  for (uint64_t id : auxFileIds(removed))
    changes.erasedAuxFiles.push_back(id);
}

void ProjectEditor::eraseAuxFile(AuxFile& auxFile)
{
  requireErasureAllowed();
  requireLocked(&auxFile, "an aux file");
  const auto found = m_state.auxFiles.find(auxFile.id());
  if (found == m_state.auxFiles.end())
    return;
  const auto target = found->second;
  detachAuxFile(m_state, target);
  ProjectState* state = &m_state;
  m_transaction.addStep([state, target] { detachAuxFile(*state, target); },
    [state, target] { attachAuxFile(*state, target); });
  m_transaction.changes().erasedAuxFiles.push_back(target->id());
}

ProjectEditor::RemovedRecords ProjectEditor::removeRecords(ProjectState& state,
  std::vector<vtkIdType> rows)
{
  std::sort(rows.begin(), rows.end());
  RemovedRecords removed;
  removed.rows = rows;
  for (vtkIdType row : rows)
    removed.records.push_back(state.records.atRow(row));
  for (const auto& variable : state.variables)
  {
    std::vector<Variant> values;
    values.reserve(rows.size());
    for (vtkIdType row : rows)
      values.push_back(variable->column().value(row));
    removed.values.emplace_back(variable, std::move(values));
    variable->m_column.removeRows(rows);
  }
  state.records.remove(rows);
  for (const auto& record : removed.records)
    setAuxFilesAlive(state, record->m_auxFiles, false);
  return removed;
}

void ProjectEditor::restoreRecords(ProjectState& state, const RemovedRecords& removed)
{
  for (const auto& variable : state.variables)
  {
    const auto captured = std::find_if(removed.values.begin(),
      removed.values.end(),
      [&](const auto& entry) { return entry.first == variable; });
    const std::vector<Variant> values =
      captured != removed.values.end() ? captured->second
                                       : std::vector<Variant>(removed.rows.size(), Variant::null());
    variable->m_column.insertRows(removed.rows, values);
  }
  state.records.insert(removed.records, removed.rows);
  for (const auto& record : removed.records)
    setAuxFilesAlive(state, record->m_auxFiles, true);
}

void ProjectEditor::setAuxFilesAlive(ProjectState& state,
  const std::vector<boost::shared_ptr<AuxFile>>& auxFiles,
  bool alive)
{
  for (const auto& auxFile : auxFiles)
  {
    if (alive)
      state.auxFiles[auxFile->id()] = auxFile;
    else
      state.auxFiles.erase(auxFile->id());
    auxFile->m_alive = alive;
  }
}

void ProjectEditor::attachAuxFile(ProjectState& state, const boost::shared_ptr<AuxFile>& auxFile)
{
  const auto owner = state.records.find(auxFile->record().id());
  if (owner)
    owner->m_auxFiles.push_back(auxFile);
  state.auxFiles[auxFile->id()] = auxFile;
  auxFile->m_alive = true;
}

void ProjectEditor::detachAuxFile(ProjectState& state, const boost::shared_ptr<AuxFile>& auxFile)
{
  if (const auto owner = state.records.find(auxFile->record().id()))
  {
    auto& files = owner->m_auxFiles;
    files.erase(std::remove(files.begin(), files.end(), auxFile), files.end());
  }
  state.auxFiles.erase(auxFile->id());
  auxFile->m_alive = false;
}

void ProjectEditor::removeVariable(ProjectState& state, const boost::shared_ptr<Variable>& variable)
{
  auto& variables = state.variables;
  variables.erase(std::remove(variables.begin(), variables.end(), variable), variables.end());
  variable->m_alive = false;
}

void ProjectEditor::insertVariable(ProjectState& state,
  const boost::shared_ptr<Variable>& variable,
  std::size_t position)
{
  // Rows may have come or gone while the variable was out, if that was not recorded.
  if (variable->column().size() != state.records.size())
  {
    variable->m_column.resize(state.records.size());
    variable->m_column.squeeze();
  }
  auto& variables = state.variables;
  variables.insert(
    variables.begin() + static_cast<std::ptrdiff_t>(std::min(position, variables.size())),
    variable);
  variable->m_alive = true;
}

std::vector<uint64_t> ProjectEditor::auxFileIds(const RemovedRecords& removed)
{
  std::vector<uint64_t> ids;
  for (const auto& record : removed.records)
    for (const auto& auxFile : record->m_auxFiles)
      ids.push_back(auxFile->id());
  return ids;
}
