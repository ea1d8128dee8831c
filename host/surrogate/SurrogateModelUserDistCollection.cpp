#include "host/surrogate/SurrogateModelUserDistCollection.h"

#include <utility>

void SurrogateModelUserDistCollection::setDistribution(const std::string& variableName,
  int mode,
  std::vector<double> points)
{
  m_distributions[variableName] = Distribution{ mode, std::move(points) };
}

void SurrogateModelUserDistCollection::remove(const std::string& variableName)
{
  m_distributions.erase(variableName);
}

int SurrogateModelUserDistCollection::getMode(const std::string& variableName) const
{
  auto found = m_distributions.find(variableName);
  return found == m_distributions.end() ? 0 : found->second.mode;
}

std::vector<double> SurrogateModelUserDistCollection::getUserDistributionPoints(
  const std::string& variableName) const
{
  auto found = m_distributions.find(variableName);
  return found == m_distributions.end() ? std::vector<double>() : found->second.points;
}
