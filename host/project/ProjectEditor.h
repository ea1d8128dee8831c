#pragma once

#include "host/common/Variant.h"
#include "host/project/Transaction.h"
#include "host/project/Variable.h"

#include <boost/shared_ptr.hpp>
#include <string>
#include <vector>
#include <vtkType.h>

class AuxFile;
class Record;
class TagGroup;
class Transaction;
struct ProjectState;

/// Carries out project edits inside a transaction: each edit changes the project at once and
/// leaves in the transaction the actions that redo and undo it, and what it changed.
class ProjectEditor
{
public:
  /// Throws ProjectError when the transaction is closed.
  explicit ProjectEditor(Transaction& transaction);

  void setData(Record& record, const Variable& variable, const Variant& value);
  void setLocked(Variable& variable, bool locked);
  void setNature(Variable& variable, Variable::Nature nature);
  void setTags(AuxFile& auxFile, std::vector<std::string> tags);
  void setTagGroups(std::vector<TagGroup> groups);

  boost::shared_ptr<Variable> addVariable(const std::string& name,
    Variable::Nature nature,
    ValueType type);
  boost::shared_ptr<Record> addRecord(uint64_t caseId);
  boost::shared_ptr<AuxFile> addAuxFile(Record& record,
    const std::string& filePath,
    std::vector<std::string> tags);

  void eraseVariable(Variable& variable);
  /// Erases the records of the cases, with their aux files; unknown cases are skipped.
  void eraseRecords(const std::vector<uint64_t>& caseIds);
  void eraseAuxFile(AuxFile& auxFile);

private:
  /// Records taken out of the rows, with what is needed to put them back where they were.
  struct RemovedRecords
  {
    std::vector<boost::shared_ptr<Record>> records;
    std::vector<vtkIdType> rows;
    std::vector<std::pair<boost::shared_ptr<Variable>, std::vector<Variant>>> values;
  };

  /// Sets a field and keeps the step that sets it again or back; false when it had the value.
  template<class Object, class Value>
  bool changeField(Object& object, Value Object::*field, Value value)
  {
    if (object.*field == value)
      return false;
    Value old = std::move(object.*field);
    object.*field = value;
    Object* target = &object;
    m_transaction.addStep([target, field, value] { target->*field = value; },
      [target, field, old] { target->*field = old; });
    return true;
  }
  void requireLocked(const void* object, const std::string& what) const;
  void requireErasureAllowed() const;
  static RemovedRecords removeRecords(ProjectState& state, std::vector<vtkIdType> rows);
  static void restoreRecords(ProjectState& state, const RemovedRecords& removed);
  /// Brings the files of a record back or takes them out with it; the record keeps them.
  static void setAuxFilesAlive(ProjectState& state,
    const std::vector<boost::shared_ptr<AuxFile>>& auxFiles,
    bool alive);
  static void detachAuxFile(ProjectState& state, const boost::shared_ptr<AuxFile>& auxFile);
  static void attachAuxFile(ProjectState& state, const boost::shared_ptr<AuxFile>& auxFile);
  static void removeVariable(ProjectState& state, const boost::shared_ptr<Variable>& variable);
  static void insertVariable(ProjectState& state,
    const boost::shared_ptr<Variable>& variable,
    std::size_t position);
  static std::vector<uint64_t> auxFileIds(const RemovedRecords& removed);

  Transaction& m_transaction;
  ProjectState& m_state;
};
