#include "apps/explorer/ValueDistributionEditor.h"

#include "apps/explorer/PropertyEditors.h"
#include "host/common/NumberText.h"
#include "host/core/ExceptionBase.h"
#include "host/project/Project.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>
#include <set>

namespace
{

enum Column
{
  NameColumn,
  UsePointsColumn,
  PointsColumn
};

std::vector<std::string> distributionVariables(const SurrogateModelUserDistCollection& collection)
{
  std::vector<std::string> names;
  std::set<std::string> seen;
  for (const auto& handle : Project::project().variables())
  {
    const auto variable = handle.lock();
    if (!variable->isCaseId() && variable->isNumeric() &&
        variable->nature() == Variable::Independent && seen.insert(variable->name()).second)
      names.push_back(variable->name());
  }
  for (const auto& entry : collection.distributions())
    if (seen.insert(entry.first).second)
      names.push_back(entry.first);
  return names;
}

} // namespace

std::vector<double> parseDistributionPoints(const QString& text)
{
  std::vector<double> points;
  for (const QString& part : text.split(QRegularExpression("[\\s,;]+"), Qt::SkipEmptyParts))
  {
    double value = 0.0;
    if (parseRealNumber(part.toStdString(), value) != NumberTextStatus::Ok || std::isnan(value) ||
        std::isinf(value))
      throw vantor::ExceptionBase("\"" + part.toStdString() + "\" is not a finite number.");
    points.push_back(value);
  }
  return points;
}

QString distributionPointsText(const std::vector<double>& points)
{
  QStringList texts;
  for (double point : points)
    texts << PropertyEditors::exactText(point);
  return texts.join(' ');
}

ValueDistributionDialog::ValueDistributionDialog(const SurrogateModelUserDistCollection& collection,
  QWidget* parent)
  : QDialog(parent)
  , m_table(new QTableWidget(0, 3, this))
{
  setWindowTitle(QStringLiteral("Value Distribution"));
  m_table->setHorizontalHeaderLabels(
    { QStringLiteral("Variable"), QStringLiteral("Use Points"), QStringLiteral("Points") });
  m_table->horizontalHeader()->setStretchLastSection(true);
  m_table->verticalHeader()->hide();
  for (const std::string& name : distributionVariables(collection))
    addRow(name, collection);
  auto* hint = new QLabel(QStringLiteral("Inputs a plot does not vary are held at the middle of "
                                         "their filtered range, unless their points are used."),
    this);
  hint->setWordWrap(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_table);
  layout->addWidget(hint);
  layout->addWidget(buttons);
  resize(480, 320);
}

void ValueDistributionDialog::addRow(const std::string& name,
  const SurrogateModelUserDistCollection& collection)
{
  const int row = m_table->rowCount();
  m_table->insertRow(row);
  auto* variable = new QTableWidgetItem(QString::fromStdString(name));
  variable->setFlags(Qt::ItemIsEnabled);
  m_table->setItem(row, NameColumn, variable);
  auto* use = new QTableWidgetItem;
  use->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
  use->setCheckState(collection.getMode(name) == 1 ? Qt::Checked : Qt::Unchecked);
  m_table->setItem(row, UsePointsColumn, use);
  m_table->setItem(row,
    PointsColumn,
    new QTableWidgetItem(distributionPointsText(collection.getUserDistributionPoints(name))));
}

SurrogateModelUserDistCollection ValueDistributionDialog::collection() const
{
  SurrogateModelUserDistCollection result;
  for (int row = 0; row < m_table->rowCount(); ++row)
  {
    const std::string name = m_table->item(row, NameColumn)->text().toStdString();
    const bool use = m_table->item(row, UsePointsColumn)->checkState() == Qt::Checked;
    std::vector<double> points;
    try
    {
      points = parseDistributionPoints(m_table->item(row, PointsColumn)->text());
    }
    catch (const vantor::ExceptionBase& error)
    {
      throw vantor::ExceptionBase("Points of " + name + ": " + error.message());
    }
    if (use && points.empty())
      throw vantor::ExceptionBase("Points of " + name + ": give at least one point to use.");
    if (use || !points.empty())
      result.setDistribution(name, use ? 1 : 0, std::move(points));
  }
  return result;
}

void ValueDistributionDialog::accept()
{
  try
  {
    collection();
  }
  catch (const vantor::ExceptionBase& error)
  {
    QMessageBox::warning(
      this, QStringLiteral("Invalid points"), QString::fromStdString(error.message()));
    return;
  }
  QDialog::accept();
}

ValueDistributionEditor::ValueDistributionEditor(
  PropertyPtr<SurrogateModelUserDistCollection> property,
  QWidget* parent)
  : QWidget(parent)
  , m_property(std::move(property))
  , m_summary(new QLabel(this))
{
  m_summary->setWordWrap(true);
  auto* button = new QPushButton(QStringLiteral("Edit..."), this);
  connect(button, &QPushButton::clicked, this, &ValueDistributionEditor::edit);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_summary, 1);
  layout->addWidget(button);
  new PropertyEditors::ConnectionHolder(
    m_property->signalValueChanged.connect(
      [this](const SurrogateModelUserDistCollection&) { showValue(); }),
    this);
  showValue();
}

QString ValueDistributionEditor::summary() const
{
  return m_summary->text();
}

void ValueDistributionEditor::showValue()
{
  QStringList used;
  const SurrogateModelUserDistCollection collection = m_property->value();
  for (const auto& [name, distribution] : collection.distributions())
    if (distribution.mode == 1)
      used << QStringLiteral("%1: %2 points")
                .arg(QString::fromStdString(name))
                .arg(distribution.points.size());
  m_summary->setText(used.isEmpty() ? QStringLiteral("Middle of the filtered ranges")
                                    : used.join(QStringLiteral("; ")));
}

void ValueDistributionEditor::edit()
{
  ValueDistributionDialog dialog(m_property->value(), this);
  if (dialog.exec() != QDialog::Accepted)
    return;
  const SurrogateModelUserDistCollection edited = dialog.collection();
  PropertyEditors::applyEdit(this, [&] { m_property->setValue(edited); });
}
