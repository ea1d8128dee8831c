#include "bench/RatioReporter.h"

#include <cstdio>

namespace
{

const std::string baselineMark = "Baseline";

} // namespace

void RatioReporter::ReportRuns(const std::vector<Run>& runs)
{
  ConsoleReporter::ReportRuns(runs);
  // With repetitions, the median stands for the benchmark: a shared machine makes single
  // runs noisy.
  for (const Run& run : runs)
  {
    const std::string name = run.run_name.str();
    if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
      m_medians[name] = run.GetAdjustedRealTime();
    else if (run.run_type == Run::RT_Iteration)
      m_times[name] = run.GetAdjustedRealTime();
  }
}

void RatioReporter::Finalize()
{
  ConsoleReporter::Finalize();
  for (const auto& median : m_medians)
    m_times[median.first] = median.second;
  std::printf("\n%-40s %12s %12s %8s\n", "benchmark", "time", "baseline", "ratio");
  for (const auto& entry : m_times)
  {
    const std::string& name = entry.first;
    const auto slash = name.find('/');
    const std::string head = name.substr(0, slash);
    const std::string tail = slash == std::string::npos ? "" : name.substr(slash);
    const auto baseline = m_times.find(head + baselineMark + tail);
    if (head.size() >= baselineMark.size() &&
        head.compare(head.size() - baselineMark.size(), baselineMark.size(), baselineMark) == 0)
      continue;
    if (baseline == m_times.end())
      continue;
    std::printf("%-40s %12.3f %12.3f %7.2fx\n",
      name.c_str(),
      entry.second,
      baseline->second,
      entry.second / baseline->second);
  }
}
