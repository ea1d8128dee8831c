#pragma once

#include <boost/signals2/connection.hpp>
#include <boost/signals2/shared_connection_block.hpp>
#include <vector>

/// Owns a set of signal connections: they are disconnected when the collection dies or is
/// cleared, and can be blocked together (a suspended view ignores every signal at once).
class SignalConnectionCollection
{
public:
  SignalConnectionCollection() = default;
  SignalConnectionCollection(const SignalConnectionCollection&) = delete;
  SignalConnectionCollection& operator=(const SignalConnectionCollection&) = delete;
  ~SignalConnectionCollection();

  void add(const boost::signals2::connection& connection);
  void block();
  void unblock();
  bool isBlocked() const { return m_blocked; }
  void clear();
  std::size_t size() const { return m_connections.size(); }

private:
  friend class ConnectionBlocker;

  std::vector<boost::signals2::scoped_connection> m_connections;
  std::vector<boost::signals2::shared_connection_block> m_blocks;
  bool m_blocked = false;
};

/// Blocks every connection of a collection for its own lifetime; nests with block().
class ConnectionBlocker
{
public:
  explicit ConnectionBlocker(const SignalConnectionCollection& collection);
  ConnectionBlocker(const ConnectionBlocker&) = delete;
  ConnectionBlocker& operator=(const ConnectionBlocker&) = delete;

private:
  std::vector<boost::signals2::shared_connection_block> m_blocks;
};
