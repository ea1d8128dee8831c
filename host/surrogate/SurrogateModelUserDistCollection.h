#pragma once

#include <map>
#include <string>
#include <vector>

/// The user's choice, per surrogate-model input variable (by name), of how the inputs that a
/// plot does not vary are sampled: mode 0 uses the model's default, mode 1 the user's points.
class SurrogateModelUserDistCollection
{
public:
  struct Distribution
  {
    int mode = 0;
    std::vector<double> points;
    bool operator==(const Distribution& other) const
    {
      return mode == other.mode && points == other.points;
    }
  };

  void setDistribution(const std::string& variableName, int mode, std::vector<double> points);
  void remove(const std::string& variableName);

  /// 0 for a variable without an entry.
  int getMode(const std::string& variableName) const;
  /// Empty for a variable without an entry.
  std::vector<double> getUserDistributionPoints(const std::string& variableName) const;
  const std::map<std::string, Distribution>& distributions() const { return m_distributions; }

  bool operator==(const SurrogateModelUserDistCollection& other) const
  {
    return m_distributions == other.m_distributions;
  }
  bool operator!=(const SurrogateModelUserDistCollection& other) const { return !(*this == other); }

private:
  std::map<std::string, Distribution> m_distributions;
};
