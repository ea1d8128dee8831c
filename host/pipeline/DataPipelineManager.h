#pragma once

#include "host/core/DeleteSignaler.h"
#include "host/pipeline/DataPipelineManagerInterface.h"
#include "host/pipeline/FilterEvaluator.h"
#include "host/pipeline/FilteredColumns.h"
#include "host/pipeline/SelectionMask.h"

#include <boost/signals2/connection.hpp>
#include <map>
#include <vtkNew.h>

class FilterAbstract;
class SelectionModelInterface;
class TableSourceAlgorithm;
class vtkTable;
struct TransactionRecord;

/// The data pipeline over the application's project. The unfiltered table shares the
/// project's columns; the filtered table copies the passing rows, and only when it is asked for
/// after they changed. A cell edit re-evaluates only the filters of that variable at that row;
/// a filter change re-evaluates only that filter.
class DataPipelineManager
  : public DataPipelineManagerInterface
  , public DeleteSignaler
{
public:
  explicit DataPipelineManager(boost::shared_ptr<SelectionModelInterface> selectionModel);
  ~DataPipelineManager() override;
  DataPipelineManager(const DataPipelineManager&) = delete;
  DataPipelineManager& operator=(const DataPipelineManager&) = delete;

  vtkSmartPointer<vtkTableAlgorithm> unfilteredOutput() const override;
  vtkSmartPointer<vtkTableAlgorithm> filteredOutput() const override;
  std::vector<boost::shared_ptr<const FilterAbstract>> filters() const override;
  boost::shared_ptr<const FilterAbstract> filter(uint64_t variableId) const override;
  using DataPipelineManagerInterface::filter;
  std::set<WeakPtr<Variable>> violatedVariables(uint64_t caseId) const override;
  vtkSmartPointer<vtkBitArray> selectionMask() const override;

  /// Every filter held, active or not, in the order added.
  std::vector<boost::shared_ptr<FilterAbstract>> allFilters() const { return m_filters; }
  /// The filter of a variable, for editing.
  boost::shared_ptr<FilterAbstract> editableFilter(uint64_t variableId) const;
  /// Holds the filter in place of the one on the same variable; an undo step.
  void addFilter(const boost::shared_ptr<FilterAbstract>& filter);
  /// An undo step.
  void removeFilter(const boost::shared_ptr<const FilterAbstract>& filter);
  /// Holds exactly these filters; an undo step.
  void replaceFilters(const std::vector<boost::shared_ptr<FilterAbstract>>& filters);

private:
  void setFilters(std::vector<boost::shared_ptr<FilterAbstract>> filters);
  void onProjectChanged(const TransactionRecord& changes);
  void onFilterChanged(const FilterAbstract& filter);
  void onSelectionChanged();
  void rebuild();
  void applyCellChanges(const TransactionRecord& changes);
  void refilter();
  void updateSelection();
  void fillUnfiltered(vtkTable& table);
  void fillFiltered(vtkTable& table);
  bool isActive(const FilterAbstract& filter) const;
  bool hasActiveFilters() const;
  std::vector<const FilterAbstract*> activeSet() const;
  /// Emits the filter-set signal when the active filters differ from the last ones told.
  void announceFilterSet(bool always = false);
  void announceData(bool unfiltered);

  boost::shared_ptr<SelectionModelInterface> m_selectionModel;
  vtkNew<TableSourceAlgorithm> m_unfiltered;
  vtkNew<TableSourceAlgorithm> m_filtered;
  std::vector<boost::shared_ptr<FilterAbstract>> m_filters;
  std::map<const FilterAbstract*, boost::signals2::scoped_connection> m_filterConnections;
  std::vector<const FilterAbstract*> m_announcedFilterSet;
  FilterEvaluator m_evaluator;
  std::vector<vtkIdType> m_passingRows;
  FilteredColumns m_filteredColumns;
  bool m_filteredColumnsStale = true;
  SelectionMask m_mask;
  boost::signals2::scoped_connection m_projectConnection;
  boost::signals2::scoped_connection m_selectionConnection;
};
