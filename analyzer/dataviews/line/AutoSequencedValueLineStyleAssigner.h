#pragma once

#include "analyzer/dataviews/line/LineStyleAssignerInterface.h"

#include <boost/function.hpp>
#include <string>
#include <vector>

/// Styles plots by the value of a grouping column in their tables: the style moves on to the
/// next one of a sequence (and round again) wherever a plot's value differs from the plot
/// before it. Plots come grouped by that value, so equal values get equal styles.
template<class T>
class AutoSequencedValueLineStyleAssigner : public LineStyleAssignerInterface
{
public:
  using Setter = boost::function<void(vtkPlot*, T)>;

  /// The sequence must not be empty.
  AutoSequencedValueLineStyleAssigner(std::string columnName,
    std::vector<T> sequence,
    Setter setter);

  void assign(const std::vector<vtkSmartPointer<vtkPlot>>& plots) override;

private:
  std::string m_columnName;
  std::vector<T> m_sequence;
  int m_nextStyle = 0;
  Setter m_setter;
};

/// Marker styles.
extern template class AutoSequencedValueLineStyleAssigner<int>;
/// Colours as 0xRRGGBB.
extern template class AutoSequencedValueLineStyleAssigner<unsigned long>;
