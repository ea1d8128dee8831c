#pragma once

#include <QDomElement>
#include <QStringList>
#include <boost/shared_ptr.hpp>
#include <functional>

class DataViewInterface;
class DataViewManagerInterface;
class QWidget;

/// The sort order of each tabular view, kept in the explorer's own element of the project
/// document ("Explorer"), beside the views' settings:
///   <Explorer><SortOrder kind="table" index="2" column="Stress" order="descending"/></Explorer>
/// `index` counts the views of that kind from 1, in the order of the views.
class TableSortOrders
{
public:
  using ContainerOf = std::function<QWidget*(const boost::shared_ptr<DataViewInterface>&)>;

  static const QString elementName;

  static QDomElement write(QDomDocument& document,
    const DataViewManagerInterface& manager,
    const ContainerOf& containerOf);
  /// Sorts the views as the element says. Returns, in words for the user, the sort orders that
  /// name a column or a view that is not there.
  static QStringList restore(const QDomElement& explorer,
    const DataViewManagerInterface& manager,
    const ContainerOf& containerOf);
};
