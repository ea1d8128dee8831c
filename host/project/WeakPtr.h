#pragma once

#include <boost/shared_ptr.hpp>
#include <boost/weak_ptr.hpp>
#include <cstdint>
#include <functional>

class Transaction;

/// Copyable handle naming a project object by its identifier. lock() yields the object while
/// it is part of the project; an object erased and brought back by undo is the same object, so
/// handles to it work again. Two handles are equal when they name the same identifier.
template<class T, class Id = uint64_t>
class WeakPtr
{
public:
  WeakPtr() = default;
  WeakPtr(const boost::shared_ptr<T>& object)
    : m_object(object)
    , m_id(object ? object->id() : Id())
    , m_valid(static_cast<bool>(object))
  {
  }

  /// The object, or empty when it is gone or the handle is null.
  boost::shared_ptr<const T> lock() const
  {
    auto object = m_object.lock();
    if (!object || !object->isAlive())
      return {};
    return object;
  }

  /// A writable object, recorded in the transaction so the change can be undone.
  boost::shared_ptr<T> lock(Transaction& transaction) const;

  bool isNull() const { return !m_valid; }
  Id id() const { return m_id; }

  bool operator==(const WeakPtr& other) const
  {
    return m_valid == other.m_valid && (!m_valid || m_id == other.m_id);
  }
  bool operator!=(const WeakPtr& other) const { return !(*this == other); }
  bool operator<(const WeakPtr& other) const
  {
    if (m_valid != other.m_valid)
      return !m_valid;
    return m_valid && m_id < other.m_id;
  }

private:
  boost::weak_ptr<T> m_object;
  Id m_id = Id();
  bool m_valid = false;
};

namespace std
{
template<class T, class Id>
struct hash<WeakPtr<T, Id>>
{
  size_t operator()(const WeakPtr<T, Id>& handle) const
  {
    return handle.isNull() ? 0 : std::hash<Id>()(handle.id()) + 1;
  }
};
} // namespace std
