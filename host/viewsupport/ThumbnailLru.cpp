#include "host/viewsupport/ThumbnailLru.h"

#include <algorithm>

ThumbnailLru::ThumbnailLru(int64_t costLimitBytes)
  : m_costLimit(costLimitBytes)
{
}

const ImageFileLoaderInterface::Thumbnail* ThumbnailLru::find(const QString& key)
{
  auto found = m_entries.find(key);
  if (found == m_entries.end())
    return nullptr;
  m_uses.splice(m_uses.begin(), m_uses, found->use);
  return &found->thumbnail;
}

void ThumbnailLru::insert(const QString& key, ImageFileLoaderInterface::Thumbnail thumbnail)
{
  auto found = m_entries.find(key);
  if (found != m_entries.end())
  {
    m_totalCost -= found->cost;
    m_uses.erase(found->use);
    m_entries.erase(found);
  }
  const int64_t cost = costOf(thumbnail.image);
  m_uses.push_front(key);
  m_entries.insert(key, Entry{ std::move(thumbnail), cost, m_uses.begin() });
  m_totalCost += cost;
  evict();
}

void ThumbnailLru::clear()
{
  m_entries.clear();
  m_uses.clear();
  m_totalCost = 0;
}

int64_t ThumbnailLru::costOf(const QImage& image)
{
  // Key, entry and list node: a failed file still costs something.
  constexpr int64_t overhead = 256;
  return std::max<int64_t>(image.sizeInBytes(), 0) + overhead;
}

void ThumbnailLru::evict()
{
  while (m_totalCost > m_costLimit && m_uses.size() > 1)
  {
    const QString& oldest = m_uses.back();
    auto found = m_entries.find(oldest);
    m_totalCost -= found->cost;
    m_entries.erase(found);
    m_uses.pop_back();
  }
}
