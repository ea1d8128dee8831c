#pragma once

#include <QString>
#include <QStringList>
#include <boost/shared_ptr.hpp>
#include <functional>

class DataViewInterface;
class DataViewManagerInterface;
class QWidget;

/// Writes the open views into a folder: the views document "views.xml" and, for each tabular
/// view, a CSV of the rows it shows, named after its kind ("table.csv", "table-2.csv",
/// "selected-cases.csv"), and for each image view a picture of it ("images.png",
/// "selected-images.png").
class ViewExport
{
public:
  using ContainerOf = std::function<QWidget*(const boost::shared_ptr<DataViewInterface>&)>;

  /// Returns the files written. Throws vantor::ExceptionBase when one cannot be written.
  static QStringList write(const QString& folder,
    const boost::shared_ptr<DataViewManagerInterface>& manager,
    const ContainerOf& containerOf);
};
