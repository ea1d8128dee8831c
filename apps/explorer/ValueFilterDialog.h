#pragma once

#include "analyzer/dataviews/ViewTypes.h"
#include "host/pipeline/MultiValueFilterAbstract.h"

#include <QDialog>
#include <vector>

class QComboBox;
class QListWidget;

/// Asks for a value filter: a variable (fixed when editing) and which of its values let a case
/// through. The list holds the filter's values and every other value the variable has.
class ValueFilterDialog : public QDialog
{
  Q_OBJECT

public:
  using MatcherValue = MultiValueFilterAbstract::MatcherValue;

  /// A new filter: every value of the chosen variable starts checked.
  explicit ValueFilterDialog(QWidget* parent);
  /// An existing filter of that variable with its values.
  ValueFilterDialog(const VariablePtr& variable,
    const std::vector<MatcherValue>& values,
    QWidget* parent);

  VariablePtr variable() const;
  std::vector<MatcherValue> values() const;
  /// Checks or unchecks every entry showing that text.
  void setChecked(const QString& text, bool checked);
  void accept() override;

  /// At most this many different values are offered.
  static constexpr int maxValues = 1000;

private:
  void build(const VariablePtr& fixed);
  void showValues(const std::vector<MatcherValue>& values);
  void chooseFirstCountedVariable();
  void showValuesOfChosenVariable();
  void checkAll(bool checked);

  QComboBox* m_variable = nullptr;
  QListWidget* m_values = nullptr;
  std::vector<MatcherValue> m_shown;
};
