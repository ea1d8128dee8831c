#include "analyzer/dataviews/line/SplitTableByColumn.h"

#include "analyzer/dataviews/line/AlgorithmProperty.h"
#include "analyzer/dataviews/line/ColumnKeys.h"
#include "analyzer/dataviews/line/RowGather.h"
#include "host/core/UndoStack.h"
#include "host/project/Variable.h"
#include "property/PropertyInstantiations.h"

#include <boost/make_shared.hpp>
#include <unordered_map>
#include <vtkInformation.h>
#include <vtkInformationVector.h>
#include <vtkObjectFactory.h>
#include <vtkTable.h>

vtkStandardNewMacro(SplitTableByColumn);

namespace
{

struct SplitError
{
};

const char* const missingColumnText = "Array to split by does not exist in the input table.";

/// Folds the ranks of a further key column into the ranks of the columns before it, keeping
/// the slot-by-slot order and numbering the combinations that occur densely.
std::vector<uint32_t> combineRanks(const std::vector<uint32_t>& leading,
  const std::vector<uint32_t>& next,
  uint32_t nextCount,
  uint32_t& combinedCount)
{
  std::unordered_map<uint64_t, uint32_t> ids;
  std::vector<uint64_t> keys;
  std::vector<uint32_t> combined(leading.size());
  for (std::size_t row = 0; row < leading.size(); ++row)
  {
    const uint64_t key = uint64_t(leading[row]) * nextCount + next[row];
    const auto found = ids.emplace(key, static_cast<uint32_t>(keys.size()));
    if (found.second)
      keys.push_back(key);
    combined[row] = found.first->second;
  }
  std::vector<uint64_t> sorted = keys;
  std::sort(sorted.begin(), sorted.end());
  std::vector<uint32_t> rankOfId(keys.size());
  for (uint32_t id = 0; id < keys.size(); ++id)
    rankOfId[id] = static_cast<uint32_t>(
      std::lower_bound(sorted.begin(), sorted.end(), keys[id]) - sorted.begin());
  for (auto& rank : combined)
    rank = rankOfId[rank];
  combinedCount = static_cast<uint32_t>(keys.size());
  return combined;
}

} // namespace

SplitTableByColumn::SplitTableByColumn()
{
  UndoStack::SuspendUndoRecording suspend;
  for (Slot& slot : m_slots)
  {
    slot.enabled = boost::make_shared<AlgorithmProperty<bool>>(this, false);
    slot.variable = boost::make_shared<AlgorithmProperty<VariableHandle>>(this);
    slot.enabledProxy =
      boost::make_shared<vantor::UndoablePropertyProxy<bool>>("Group Data", slot.enabled);
    slot.variableProxy = boost::make_shared<vantor::UndoablePropertyProxy<VariableHandle>>(
      "Group Data Variable", slot.variable);
  }
}

SplitTableByColumn::~SplitTableByColumn() = default;

boost::shared_ptr<vantor::PropertyAbstract<bool>> SplitTableByColumn::groupData(int slot)
{
  return m_slots.at(static_cast<std::size_t>(slot)).enabledProxy;
}

boost::shared_ptr<vantor::PropertyAbstract<SplitTableByColumn::VariableHandle>>
SplitTableByColumn::groupDataVariable(int slot)
{
  return m_slots.at(static_cast<std::size_t>(slot)).variableProxy;
}

void SplitTableByColumn::PrintSelf(ostream& os, vtkIndent indent)
{
  Superclass::PrintSelf(os, indent);
  os << indent << "Arrays To Split By: ";
  for (const Slot& slot : m_slots)
  {
    const auto variable = slot.variable->value().lock();
    os << (variable ? variable->name() : std::string()) << ";";
  }
  os << "\n";
}

std::vector<vtkAbstractArray*> SplitTableByColumn::splitColumns(vtkTable* input) const
{
  std::vector<vtkAbstractArray*> columns;
  for (const Slot& slot : m_slots)
  {
    if (!slot.enabled->value())
      continue;
    const auto variable = slot.variable->value().lock();
    if (!variable)
      throw SplitError();
    vtkAbstractArray* column = input->GetColumnByName(variable->name().c_str());
    if (!column)
      throw SplitError();
    columns.push_back(column);
  }
  return columns;
}

void SplitTableByColumn::split(vtkTable* input, const std::vector<vtkAbstractArray*>& columns)
{
  uint32_t groupCount = 0;
  std::vector<uint32_t> groupOfRow = ColumnKeys(columns[0]).valueRanks(groupCount);
  for (std::size_t c = 1; c < columns.size(); ++c)
  {
    uint32_t count = 0;
    const std::vector<uint32_t> ranks = ColumnKeys(columns[c]).valueRanks(count);
    groupOfRow = combineRanks(groupOfRow, ranks, count, groupCount);
  }

  m_groups = scatterRows(input, groupOfRow, groupCount);
}

int SplitTableByColumn::RequestData(vtkInformation*,
  vtkInformationVector** inputVector,
  vtkInformationVector* outputVector)
{
  m_groups.clear();
  m_lastError.clear();
  vtkTable* input = vtkTable::GetData(inputVector[0]);
  vtkTable::GetData(outputVector)->ShallowCopy(input);
  try
  {
    const std::vector<vtkAbstractArray*> columns = splitColumns(input);
    if (columns.empty())
    {
      if (input->GetNumberOfRows() > 0)
      {
        auto copy = vtkSmartPointer<vtkTable>::New();
        copy->DeepCopy(input);
        m_groups.push_back(copy);
      }
      return 1;
    }
    split(input, columns);
  }
  catch (const SplitError&)
  {
    m_lastError = missingColumnText;
    vtkErrorMacro(<< m_lastError);
    return 0;
  }
  return 1;
}
