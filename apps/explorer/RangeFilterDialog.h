#pragma once

#include "analyzer/dataviews/ViewTypes.h"
#include "host/common/NumberText.h"

#include <QDialog>
#include <utility>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;

/// Asks for a range filter: a numeric variable (fixed when editing) and the lowest and highest
/// value a case may have to pass.
class RangeFilterDialog : public QDialog
{
  Q_OBJECT

public:
  /// A new filter: the range starts as the chosen variable's range.
  explicit RangeFilterDialog(QWidget* parent);
  /// An existing filter of that variable.
  RangeFilterDialog(const VariablePtr& variable, double low, double high, QWidget* parent);

  VariablePtr variable() const;
  double low() const;
  double high() const;

  /// Sets the bounds' texts, as a user would type them.
  void setBounds(const QString& low, const QString& high);
  /// What keeps the input from making a filter; empty when it can.
  QString problem() const;
  void accept() override;

private:
  void build(const VariablePtr& fixed);
  void showRangeOfChosenVariable();
  /// The number typed, or the exact value of a bound still as preset.
  NumberTextStatus readBound(const QLineEdit& edit, std::size_t end, double& value) const;

  QComboBox* m_variable = nullptr;
  QLineEdit* m_low = nullptr;
  QLineEdit* m_high = nullptr;
  QLabel* m_hint = nullptr;
  /// The preset texts of the low and high bound and the exact values they stand for.
  std::vector<std::pair<QString, double>> m_presets;
};
