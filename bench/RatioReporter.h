#pragma once

#include <benchmark/benchmark.h>
#include <map>
#include <string>

/// Prints the usual console report, then each benchmark's time beside its baseline's, as a
/// ratio (of medians when repeated). A benchmark "Name/N" is paired with "NameBaseline/N".
class RatioReporter : public benchmark::ConsoleReporter
{
public:
  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

private:
  std::map<std::string, double> m_times;
  std::map<std::string, double> m_medians;
};
