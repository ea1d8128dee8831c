#pragma once

#include "host/project/TransactionRecord.h"
#include "host/project/WeakPtr.h"

#include <QString>
#include <boost/function.hpp>
#include <unordered_set>
#include <utility>
#include <vector>

class Project;

/// A group of project edits that becomes one undo step. Edits take effect at once; committing
/// records the step and tells the project's listeners what changed; rolling back reverts them
/// silently. A transaction left by an exception rolls back, otherwise it commits when it ends.
/// Objects must be locked in the transaction (WeakPtr::lock(Transaction&)) before they are
/// changed, and erasing anything must first be allowed with allowErasure().
class Transaction
{
public:
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;
  ~Transaction();

  /// Lets this transaction erase variables, records and aux files; without it they refuse, so
  /// that an edit meant to change values cannot delete data by mistake.
  void allowErasure() { m_erasureAllowed = true; }
  bool erasureAllowed() const { return m_erasureAllowed; }

  void commit();
  void rollback();
  bool isOpen() const { return m_open; }

  template<class T>
  boost::shared_ptr<T> lock(const boost::shared_ptr<T>& object)
  {
    if (object)
      m_locked.insert(object.get());
    return object;
  }
  bool holds(const void* object) const { return m_locked.count(object) != 0; }

  Project& project() const { return m_project; }
  /// Keeps an edit already made, with the actions that redo and undo it.
  void addStep(boost::function<void()> redo, boost::function<void()> undo);
  TransactionRecord& changes() { return m_changes; }

  using Step = std::pair<boost::function<void()>, boost::function<void()>>;

private:
  friend class Project;
  Transaction(Project& project, QString text);

  Project& m_project;
  QString m_text;
  std::vector<Step> m_steps;
  TransactionRecord m_changes;
  std::unordered_set<const void*> m_locked;
  int m_uncaughtExceptions;
  bool m_open = true;
  bool m_erasureAllowed = false;
};

template<class T, class Id>
boost::shared_ptr<T> WeakPtr<T, Id>::lock(Transaction& transaction) const
{
  auto object = m_object.lock();
  if (!object || !object->isAlive())
    return {};
  return transaction.lock(object);
}
