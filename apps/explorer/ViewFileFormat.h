#pragma once

#include <QString>
#include <functional>
#include <optional>

class DataViewManagerInterface;
class QWidget;

/// How File > Export and the batch export write one view: tabular views as CSV of the rows they
/// show, image views as a PNG picture. This is the one place a kind of view gets its format.
struct ViewFileFormat
{
  /// For a file dialog, as "CSV files (*.csv)".
  QString filter;
  /// Without the dot.
  QString suffix;
  /// Writes the view shown in the container; throws vantor::ExceptionBase when it cannot.
  std::function<void(const QString& path)> write;

  /// The format of a view of the kind (see ViewKinds) shown in `container`; none when this
  /// build cannot write such a view.
  static std::optional<ViewFileFormat> of(const QString& kind,
    QWidget& container,
    const DataViewManagerInterface& manager);
};
