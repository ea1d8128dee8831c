#pragma once

#include <QWidget>

/// A one-line key to the marks a table draws over its cells: red text for a case that fails a
/// filter, the shaded ends of a cell for the part of the range a filter excludes, the caret for
/// the value's place in its variable's range, and the padlock of a locked variable.
class TableMarksLegend : public QWidget
{
  Q_OBJECT

public:
  explicit TableMarksLegend(QWidget* parent = nullptr);

  /// The explanations, in the order shown; each is also the tooltip of its sample.
  static QStringList explanations();
};
