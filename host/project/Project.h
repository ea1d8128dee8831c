#pragma once

#include "host/project/AuxFile.h"
#include "host/project/ProjectState.h"
#include "host/project/Record.h"
#include "host/project/TagGroup.h"
#include "host/project/Transaction.h"
#include "host/project/TransactionRecord.h"
#include "host/project/Variable.h"
#include "host/project/WeakPtr.h"

#include <QString>
#include <boost/function.hpp>
#include <boost/signals2/signal.hpp>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class DeleteSignaler;
class ProjectContents;

/// The one project of the application: variables (the case identifiers first), the records of
/// the cases, the files attached to them and the tag groups. Edits go through transactions,
/// each one undo step; opening a file replaces the whole project.
class Project
{
public:
  static Project& project();

  Project(const Project&) = delete;
  Project& operator=(const Project&) = delete;
  ~Project();

  /// The live variables in order, the case identifiers first.
  std::vector<WeakPtr<Variable>> variables() const;
  WeakPtr<Variable> variable(const std::string& name) const;
  WeakPtr<Variable> variableById(uint64_t id) const;
  WeakPtr<Variable> caseIdVariable() const;

  vtkIdType recordCount() const { return m_state.records.size(); }
  WeakPtr<Record> record(uint64_t caseId) const;
  /// Records are in the rows of the pipeline's unfiltered table.
  WeakPtr<Record> recordAtRow(vtkIdType row) const;
  /// The row of a case, -1 when there is no such case.
  vtkIdType rowOf(uint64_t caseId) const { return m_state.records.rowOf(caseId); }

  std::vector<WeakPtr<AuxFile>> auxFiles() const;
  WeakPtr<AuxFile> auxFile(uint64_t id) const;
  const std::vector<TagGroup>& tagGroups() const { return m_state.tagGroups; }
  /// Every tag of the tag groups and of the aux files, sorted, each once.
  std::vector<std::string> allTags() const;
  bool hasTagGroup(const std::string& name) const;

  /// Throws ProjectError while another transaction is open.
  Transaction startTransaction(const QString& text = QStringLiteral("Edit Project"));

  WeakPtr<Variable> addVariable(Transaction& transaction,
    const std::string& name,
    Variable::Nature nature,
    ValueType type);
  WeakPtr<Record> addRecord(Transaction& transaction, uint64_t caseId);
  WeakPtr<AuxFile> addAuxFile(Transaction& transaction,
    Record& record,
    const std::string& filePath,
    std::vector<std::string> tags);
  /// Erases many records in one pass; needs allowErasure().
  void eraseRecords(Transaction& transaction, const std::vector<uint64_t>& caseIds);
  void setTagGroups(Transaction& transaction, std::vector<TagGroup> groups);

  /// Replaces everything; not an undo step, and the project's earlier undo steps are dropped.
  void assign(ProjectContents contents);
  void clear();

  /// After every committed transaction, undo and redo, and after assign().
  boost::signals2::signal<void(const TransactionRecord&)> signalProjectChanged;
  /// After signalProjectChanged, when variables were removed.
  boost::signals2::signal<void(const TransactionRecord&)> signalVariablesRemoved;

private:
  friend class Transaction;
  friend class ProjectEditor;

  Project();
  ProjectState& state() { return m_state; }
  void openTransaction(const Transaction& transaction);
  void closeTransaction(const Transaction& transaction);
  void recordUndoStep(const QString& text,
    std::vector<Transaction::Step> steps,
    const TransactionRecord& changes);
  void notify(const TransactionRecord& changes);

  ProjectState m_state;
  std::unique_ptr<DeleteSignaler> m_undoOwner;
  const Transaction* m_openTransaction = nullptr;
};
