#pragma once

#include <QString>
#include <functional>
#include <optional>

class QWidget;

/// How File > Export writes one view: tabular views as CSV of the rows they show. This is the
/// one place a kind of view gets its file format.
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
  static std::optional<ViewFileFormat> of(const QString& kind, QWidget& container);
};
