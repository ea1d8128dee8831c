#pragma once

#include <QString>
#include <QStringList>
#include <boost/shared_ptr.hpp>
#include <functional>

class DataViewInterface;
class DataViewManagerInterface;
class QWidget;

/// Writes the open views into a folder: the views document "views.xml" and each view this build
/// can write (see ViewFileFormat) named after its kind: a CSV of the rows a tabular view shows
/// ("table.csv", "table-2.csv", "selected-cases.csv"), a picture of an image view
/// ("images.png", "selected-images.png").
class ViewExport
{
public:
  using ContainerOf = std::function<QWidget*(const boost::shared_ptr<DataViewInterface>&)>;

  /// Returns the files written. Throws vantor::ExceptionBase when one cannot be written.
  static QStringList write(const QString& folder,
    const boost::shared_ptr<DataViewManagerInterface>& manager,
    const ContainerOf& containerOf);
};
