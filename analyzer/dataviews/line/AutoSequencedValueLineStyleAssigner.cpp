#include "analyzer/dataviews/line/AutoSequencedValueLineStyleAssigner.h"

#include <stdexcept>
#include <vtkAbstractArray.h>
#include <vtkPlot.h>
#include <vtkTable.h>
#include <vtkVariant.h>

namespace
{

/// Row 0 of the plot's grouping column; invalid when there is none.
vtkVariant groupValue(vtkPlot* plot, const std::string& columnName)
{
  vtkTable* table = plot->GetInput();
  vtkAbstractArray* column = table ? table->GetColumnByName(columnName.c_str()) : nullptr;
  if (!column || column->GetNumberOfTuples() == 0)
    return vtkVariant();
  return column->GetVariantValue(0);
}

bool sameValue(const vtkVariant& a, const vtkVariant& b)
{
  return a.IsValid() == b.IsValid() && (!a.IsValid() || a == b);
}

} // namespace

template<class T>
AutoSequencedValueLineStyleAssigner<T>::AutoSequencedValueLineStyleAssigner(std::string columnName,
  std::vector<T> sequence,
  Setter setter)
  : m_columnName(std::move(columnName))
  , m_sequence(std::move(sequence))
  , m_setter(std::move(setter))
{
  if (m_sequence.empty())
    throw std::invalid_argument("A style sequence needs at least one style.");
}

template<class T>
void AutoSequencedValueLineStyleAssigner<T>::assign(
  const std::vector<vtkSmartPointer<vtkPlot>>& plots)
{
  if (plots.empty())
    return;
  m_nextStyle = 0;
  vtkVariant previous;
  // Leading plots without a grouping value take the first style.
  T style = m_sequence.front();
  for (const auto& plot : plots)
  {
    const vtkVariant value = groupValue(plot, m_columnName);
    // A plot without a grouping value keeps the style of the plot before it.
    if (value.IsValid() && !sameValue(value, previous))
    {
      previous = value;
      style = m_sequence[static_cast<std::size_t>(m_nextStyle)];
      m_nextStyle = (m_nextStyle + 1) % static_cast<int>(m_sequence.size());
    }
    m_setter(plot, style);
  }
}

template class AutoSequencedValueLineStyleAssigner<int>;
template class AutoSequencedValueLineStyleAssigner<unsigned long>;
