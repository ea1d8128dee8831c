#include "host/core/SignalConnectionCollection.h"

SignalConnectionCollection::~SignalConnectionCollection()
{
  clear();
}

void SignalConnectionCollection::add(const boost::signals2::connection& connection)
{
  m_connections.emplace_back(connection);
  if (m_blocked)
    m_blocks.emplace_back(connection);
}

void SignalConnectionCollection::block()
{
  if (m_blocked)
    return;
  m_blocked = true;
  for (const auto& connection : m_connections)
    m_blocks.emplace_back(connection);
}

void SignalConnectionCollection::unblock()
{
  m_blocked = false;
  m_blocks.clear();
}

void SignalConnectionCollection::clear()
{
  m_blocks.clear();
  m_connections.clear();
}

ConnectionBlocker::ConnectionBlocker(const SignalConnectionCollection& collection)
{
  m_blocks.reserve(collection.m_connections.size());
  for (const auto& connection : collection.m_connections)
    m_blocks.emplace_back(connection);
}
