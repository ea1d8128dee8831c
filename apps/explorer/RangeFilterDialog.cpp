#include "apps/explorer/RangeFilterDialog.h"

#include "apps/explorer/PropertyEditors.h"
#include "host/project/Project.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

namespace
{

// As the range hint shows them.
QString shownNumber(double value)
{
  return QString::number(value, 'g', 6);
}

QString outOfRange(const QString& bound)
{
  return QStringLiteral("The number \"%1\" is out of range.").arg(bound.trimmed());
}

} // namespace

RangeFilterDialog::RangeFilterDialog(QWidget* parent)
  : QDialog(parent)
{
  setWindowTitle(QStringLiteral("Add Range Filter"));
  build({});
  showRangeOfChosenVariable();
}

RangeFilterDialog::RangeFilterDialog(const VariablePtr& variable,
  double low,
  double high,
  QWidget* parent)
  : QDialog(parent)
{
  setWindowTitle(QStringLiteral("Edit Range Filter"));
  build(variable);
  showRangeOfChosenVariable();
  setBounds(PropertyEditors::exactText(low), PropertyEditors::exactText(high));
}

void RangeFilterDialog::build(const VariablePtr& fixed)
{
  auto* form = new QFormLayout(this);
  m_variable = new QComboBox(this);
  for (const auto& handle : Project::project().variables())
  {
    const auto variable = handle.lock();
    if (variable && variable->isNumeric() && !variable->isCaseId() &&
        (fixed.isNull() || handle == fixed))
      m_variable->addItem(
        QString::fromStdString(variable->name()), QVariant::fromValue<qulonglong>(variable->id()));
  }
  m_variable->setEnabled(fixed.isNull());
  m_low = new QLineEdit(this);
  m_high = new QLineEdit(this);
  m_hint = new QLabel(this);
  form->addRow(QStringLiteral("Variable"), m_variable);
  form->addRow(QStringLiteral("Lowest value"), m_low);
  form->addRow(QStringLiteral("Highest value"), m_high);
  form->addRow(m_hint);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  form->addRow(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &RangeFilterDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &RangeFilterDialog::reject);
  connect(m_variable,
    QOverload<int>::of(&QComboBox::currentIndexChanged),
    this,
    &RangeFilterDialog::showRangeOfChosenVariable);
}

void RangeFilterDialog::showRangeOfChosenVariable()
{
  const auto variable = this->variable().lock();
  if (!variable)
  {
    m_hint->setText(QStringLiteral("The project has no numeric variable."));
    return;
  }
  const auto range = variable->range();
  m_hint->setText(QStringLiteral("Its values lie between %1 and %2.")
                    .arg(shownNumber(range.first), shownNumber(range.second)));
  if (!m_variable->isEnabled())
    return;
  // Shown as in the hint, but an untouched bound is the exact end of the range, so that the
  // filter keeps every case until the user narrows it.
  m_presets = { { shownNumber(range.first), range.first },
    { shownNumber(range.second), range.second } };
  setBounds(m_presets[0].first, m_presets[1].first);
}

VariablePtr RangeFilterDialog::variable() const
{
  return Project::project().variableById(m_variable->currentData().toULongLong());
}

double RangeFilterDialog::low() const
{
  double value = 0.0;
  readBound(*m_low, 0, value);
  return value;
}

double RangeFilterDialog::high() const
{
  double value = 0.0;
  readBound(*m_high, 1, value);
  return value;
}

NumberTextStatus RangeFilterDialog::readBound(const QLineEdit& edit,
  std::size_t end,
  double& value) const
{
  if (end < m_presets.size() && edit.text() == m_presets[end].first)
  {
    value = m_presets[end].second;
    return NumberTextStatus::Ok;
  }
  return parseRealNumber(edit.text().toStdString(), value);
}

void RangeFilterDialog::setBounds(const QString& low, const QString& high)
{
  m_low->setText(low);
  m_high->setText(high);
}

QString RangeFilterDialog::problem() const
{
  double low = 0.0;
  double high = 0.0;
  if (variable().isNull())
    return QStringLiteral("Choose a numeric variable.");
  const NumberTextStatus lowStatus = readBound(*m_low, 0, low);
  const NumberTextStatus highStatus = readBound(*m_high, 1, high);
  if (lowStatus == NumberTextStatus::OutOfRange)
    return outOfRange(m_low->text());
  if (highStatus == NumberTextStatus::OutOfRange)
    return outOfRange(m_high->text());
  if (lowStatus != NumberTextStatus::Ok || highStatus != NumberTextStatus::Ok)
    return QStringLiteral("Both bounds must be numbers.");
  if (low > high)
    return QStringLiteral("The lowest value must not be above the highest.");
  return {};
}

void RangeFilterDialog::accept()
{
  const QString problem = this->problem();
  if (!problem.isEmpty())
  {
    QMessageBox::warning(this, windowTitle(), problem);
    return;
  }
  QDialog::accept();
}
