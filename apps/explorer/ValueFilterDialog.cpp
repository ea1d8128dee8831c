#include "apps/explorer/ValueFilterDialog.h"

#include "host/project/Project.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <set>

namespace
{

// Numbers in order, then texts in order, then NaN and NULL.
struct VariantOrder
{
  static int rank(const Variant& value)
  {
    return value.isNumeric() ? 0 : value.isText() ? 1 : value.isNaN() ? 2 : 3;
  }

  bool operator()(const Variant& left, const Variant& right) const
  {
    if (rank(left) != rank(right))
      return rank(left) < rank(right);
    if (left.isNumeric())
      return left.doubleValue() < right.doubleValue();
    return left.toString() < right.toString();
  }
};

std::set<Variant, VariantOrder> distinctValues(const Variable& variable, std::size_t limit)
{
  std::set<Variant, VariantOrder> values;
  const VariableColumn& column = variable.column();
  for (vtkIdType row = 0; row < column.size() && values.size() < limit; ++row)
    values.insert(column.value(row));
  return values;
}

} // namespace

ValueFilterDialog::ValueFilterDialog(QWidget* parent)
  : QDialog(parent)
{
  setWindowTitle(QStringLiteral("Add Value Filter"));
  build({});
  chooseFirstCountedVariable();
  showValuesOfChosenVariable();
}

ValueFilterDialog::ValueFilterDialog(const VariablePtr& variable,
  const std::vector<MatcherValue>& values,
  QWidget* parent)
  : QDialog(parent)
{
  setWindowTitle(QStringLiteral("Edit Value Filter"));
  build(variable);
  std::vector<MatcherValue> shown = values;
  if (const auto held = variable.lock())
    for (const Variant& value : distinctValues(*held, maxValues))
      if (std::none_of(
            shown.begin(), shown.end(), [&](const auto& entry) { return entry.value == value; }))
        shown.push_back({ value, false });
  showValues(shown);
}

void ValueFilterDialog::build(const VariablePtr& fixed)
{
  auto* layout = new QVBoxLayout(this);
  m_variable = new QComboBox(this);
  for (const auto& handle : Project::project().variables())
  {
    const auto variable = handle.lock();
    if (variable && !variable->isCaseId() && (fixed.isNull() || handle == fixed))
      m_variable->addItem(
        QString::fromStdString(variable->name()), QVariant::fromValue<qulonglong>(variable->id()));
  }
  m_variable->setEnabled(fixed.isNull());
  m_values = new QListWidget(this);
  auto* all = new QPushButton(QStringLiteral("Check All"), this);
  auto* none = new QPushButton(QStringLiteral("Check None"), this);
  auto* checks = new QHBoxLayout;
  checks->addWidget(all);
  checks->addWidget(none);
  checks->addStretch();
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  layout->addWidget(m_variable);
  layout->addWidget(m_values);
  layout->addLayout(checks);
  layout->addWidget(buttons);
  connect(all, &QPushButton::clicked, this, [this] { checkAll(true); });
  connect(none, &QPushButton::clicked, this, [this] { checkAll(false); });
  connect(buttons, &QDialogButtonBox::accepted, this, &ValueFilterDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &ValueFilterDialog::reject);
  connect(m_variable,
    QOverload<int>::of(&QComboBox::currentIndexChanged),
    this,
    &ValueFilterDialog::showValuesOfChosenVariable);
}

// Value filters suit texts and counts; real numbers rarely repeat.
void ValueFilterDialog::chooseFirstCountedVariable()
{
  for (int index = 0; index < m_variable->count(); ++index)
  {
    const auto variable =
      Project::project().variableById(m_variable->itemData(index).toULongLong()).lock();
    if (variable && variable->valueType() != ValueType::Real)
    {
      const QSignalBlocker blocker(m_variable);
      m_variable->setCurrentIndex(index);
      return;
    }
  }
}

void ValueFilterDialog::showValuesOfChosenVariable()
{
  std::vector<MatcherValue> values;
  if (const auto variable = this->variable().lock())
    for (const Variant& value : distinctValues(*variable, maxValues))
      values.push_back({ value, true });
  showValues(values);
}

void ValueFilterDialog::showValues(const std::vector<MatcherValue>& values)
{
  m_shown = values;
  m_values->clear();
  for (const auto& entry : m_shown)
  {
    auto* item = new QListWidgetItem(QString::fromStdString(entry.value.toString()), m_values);
    item->setCheckState(entry.enabled ? Qt::Checked : Qt::Unchecked);
  }
}

void ValueFilterDialog::checkAll(bool checked)
{
  for (int row = 0; row < m_values->count(); ++row)
    m_values->item(row)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

VariablePtr ValueFilterDialog::variable() const
{
  return Project::project().variableById(m_variable->currentData().toULongLong());
}

std::vector<ValueFilterDialog::MatcherValue> ValueFilterDialog::values() const
{
  std::vector<MatcherValue> values = m_shown;
  for (std::size_t row = 0; row < values.size(); ++row)
    values[row].enabled = m_values->item(static_cast<int>(row))->checkState() == Qt::Checked;
  return values;
}

void ValueFilterDialog::setChecked(const QString& text, bool checked)
{
  for (int row = 0; row < m_values->count(); ++row)
    if (m_values->item(row)->text() == text)
      m_values->item(row)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void ValueFilterDialog::accept()
{
  if (variable().isNull())
  {
    QMessageBox::warning(this, windowTitle(), QStringLiteral("Choose a variable."));
    return;
  }
  QDialog::accept();
}
