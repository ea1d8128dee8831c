#pragma once

#include <QWidget>
#include <boost/shared_ptr.hpp>
#include <boost/signals2/connection.hpp>
#include <vector>

class DataPipelineManager;
class FilterAbstract;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

/// Lists the pipeline's filters, each with a check box that enables it, and adds, edits and
/// removes them; every change is an undo step of the pipeline or the filter.
class FilterPanel : public QWidget
{
  Q_OBJECT

public:
  explicit FilterPanel(QWidget* parent = nullptr);
  ~FilterPanel() override;

  /// The pipeline whose filters are shown; null shows none.
  void setPipeline(DataPipelineManager* pipeline);

  void addRangeFilter();
  void addValueFilter();
  void editCurrentFilter();
  void removeCurrentFilter();

  QTreeWidget& list() const { return *m_list; }
  /// Shows the pipeline's filters as they are now.
  void refresh();

private:
  /// Refreshes once control is back in the event loop: a change may come from the list itself.
  void scheduleRefresh();
  void showRow(const boost::shared_ptr<FilterAbstract>& filter);
  boost::shared_ptr<FilterAbstract> currentFilter() const;
  void onItemChanged(QTreeWidgetItem* item, int column);
  void updateButtons();

  DataPipelineManager* m_pipeline = nullptr;
  std::vector<boost::shared_ptr<FilterAbstract>> m_filters;
  boost::signals2::scoped_connection m_filterSetConnection;
  QTreeWidget* m_list = nullptr;
  QPushButton* m_edit = nullptr;
  QPushButton* m_remove = nullptr;
  bool m_refreshPending = false;
};
