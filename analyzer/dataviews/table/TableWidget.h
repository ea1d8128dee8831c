#pragma once

#include <boost/shared_ptr.hpp>
#include <cstdint>
#include <functional>
#include <set>
#include <vtkSmartPointer.h>

class QTableView;
class QWidget;
class SerializerInterface;
class vtkQtTableView;

/// The table widget of a tabular view, laid into its container. The table goes with the
/// container, which may die before the view (the manager deletes containers first); from then
/// on the view has nothing to show and every operation here does nothing.
class TableWidget
{
public:
  TableWidget(vtkSmartPointer<vtkQtTableView> widget, QWidget& parent);

  bool exists() const;
  QTableView& table() const;

  /// Updates the widget while keeping both scroll positions, also when the update throws.
  void render();
  /// Total width of the columns and total height of the rows.
  int width() const;
  int height() const;
  /// Paints the rows of the cases the test accepts as selected.
  void paintSelectedCases(std::function<bool(uint64_t)> test);
  /// The cases of the rows the test accepts.
  std::set<uint64_t> casesOfRows(const std::function<bool(uint64_t)>& test) const;
  /// "ColumnOrder": the header texts in visual order.
  boost::shared_ptr<SerializerInterface> columnOrderSerializer() const;

private:
  vtkSmartPointer<vtkQtTableView> m_widget;
};
