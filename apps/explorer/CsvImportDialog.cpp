#include "apps/explorer/CsvImportDialog.h"

#include "apps/explorer/FailureText.h"
#include "host/project/CsvReader.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <boost/algorithm/string/predicate.hpp>

namespace
{

enum Column
{
  NameColumn,
  TypeColumn,
  NatureColumn
};

const QStringList natureNames = { "Other", "Dependent", "Independent" };

QString typeName(ValueType type)
{
  switch (type)
  {
    case ValueType::Integer:
      return QStringLiteral("Integer");
    case ValueType::Real:
      return QStringLiteral("Real");
    case ValueType::Text:
      break;
  }
  return QStringLiteral("Text");
}

QString chosenColumn(const QComboBox& combo)
{
  return combo.currentData().toString();
}

} // namespace

CsvImportDialog::CsvImportDialog(const QString& path, QWidget* parent)
  : QDialog(parent)
  , m_path(path)
  , m_header(CsvReader(path).header())
{
  setWindowTitle(QStringLiteral("Import %1").arg(QFileInfo(path).fileName()));
  auto* layout = new QVBoxLayout(this);
  auto* choices = new QFormLayout;
  m_caseIds =
    addColumnChoice(QStringLiteral("(number the rows 1, 2, 3, ...)"), { "Case ID" }, true);
  m_images = addColumnChoice(QStringLiteral("(none)"), { "Image", "Image File" }, false);
  m_tags = addColumnChoice(QStringLiteral("(none)"), { "Tags" }, false);
  choices->addRow(QStringLiteral("Case ids"), m_caseIds);
  choices->addRow(QStringLiteral("Image files"), m_images);
  choices->addRow(QStringLiteral("Image tags"), m_tags);
  layout->addLayout(choices);

  m_columns = new QTableWidget(0, 3, this);
  m_columns->setHorizontalHeaderLabels({ "Column", "Values", "Nature" });
  m_columns->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  m_columns->horizontalHeader()->setStretchLastSection(true);
  m_columns->verticalHeader()->hide();
  layout->addWidget(m_columns);
  m_problem = new QLabel(this);
  m_problem->setWordWrap(true);
  m_problem->setStyleSheet(QStringLiteral("color: #b00020"));
  layout->addWidget(m_problem);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  m_ok = buttons->button(QDialogButtonBox::Ok);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &CsvImportDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CsvImportDialog::reject);
  for (QComboBox* combo : { m_caseIds, m_images, m_tags })
    connect(combo,
      QOverload<int>::of(&QComboBox::currentIndexChanged),
      this,
      &CsvImportDialog::showColumns);
  resize(560, 420);
  showColumns();
}

QComboBox* CsvImportDialog::addColumnChoice(const QString& none,
  const std::vector<std::string>& defaults,
  bool noneWhenFound)
{
  auto* combo = new QComboBox(this);
  int preset = -1;
  for (const std::string& name : m_header)
  {
    combo->addItem(QString::fromStdString(name), QString::fromStdString(name));
    for (const std::string& candidate : defaults)
      if (preset < 0 && boost::algorithm::iequals(name, candidate))
        preset = combo->count() - 1;
  }
  const bool noneAllowed = preset < 0 || noneWhenFound;
  if (noneAllowed)
    combo->insertItem(0, none, QString());
  combo->setCurrentIndex(preset < 0 ? 0 : preset + (noneAllowed ? 1 : 0));
  return combo;
}

CsvImportOptions CsvImportDialog::options() const
{
  CsvImportOptions options;
  options.caseIdColumn = chosenColumn(*m_caseIds).toStdString();
  options.imageColumn = chosenColumn(*m_images).toStdString();
  options.tagsColumn = chosenColumn(*m_tags).toStdString();
  for (int row = 0; row < m_columns->rowCount(); ++row)
  {
    const auto* nature = static_cast<QComboBox*>(m_columns->cellWidget(row, NatureColumn));
    options.natures[m_columns->item(row, NameColumn)->text().toStdString()] =
      static_cast<Variable::Nature>(nature->currentIndex());
  }
  return options;
}

void CsvImportDialog::setNature(const QString& column, Variable::Nature nature)
{
  for (int row = 0; row < m_columns->rowCount(); ++row)
    if (m_columns->item(row, NameColumn)->text() == column)
      static_cast<QComboBox*>(m_columns->cellWidget(row, NatureColumn))
        ->setCurrentIndex(static_cast<int>(nature));
}

void CsvImportDialog::setCaseIdColumn(const QString& column)
{
  choose(*m_caseIds, column);
}

void CsvImportDialog::setImageColumn(const QString& column)
{
  choose(*m_images, column);
}

void CsvImportDialog::setTagsColumn(const QString& column)
{
  choose(*m_tags, column);
}

void CsvImportDialog::choose(QComboBox& combo, const QString& column)
{
  const int index = combo.findData(column);
  if (index >= 0)
    combo.setCurrentIndex(index);
}

void CsvImportDialog::showColumns()
{
  CsvImportOptions options;
  options.caseIdColumn = chosenColumn(*m_caseIds).toStdString();
  options.imageColumn = chosenColumn(*m_images).toStdString();
  options.tagsColumn = chosenColumn(*m_tags).toStdString();
  m_columns->setRowCount(0);
  try
  {
    m_variables = CsvImporter(options).columns(m_path);
    m_problem->clear();
  }
  catch (...)
  {
    m_variables.clear();
    m_problem->setText(FailureText::reason(std::current_exception()));
  }
  m_ok->setEnabled(!m_variables.empty());
  m_columns->setRowCount(static_cast<int>(m_variables.size()));
  for (int row = 0; row < m_columns->rowCount(); ++row)
  {
    const CsvColumn& column = m_variables[static_cast<std::size_t>(row)];
    auto* name = new QTableWidgetItem(QString::fromStdString(column.name));
    name->setFlags(Qt::ItemIsEnabled);
    auto* type = new QTableWidgetItem(typeName(column.type));
    type->setFlags(Qt::ItemIsEnabled);
    m_columns->setItem(row, NameColumn, name);
    m_columns->setItem(row, TypeColumn, type);
    auto* nature = new QComboBox(m_columns);
    nature->addItems(natureNames);
    const auto chosen = m_chosenNatures.find(column.name);
    nature->setCurrentIndex(chosen != m_chosenNatures.end() ? chosen->second : column.nature);
    m_columns->setCellWidget(row, NatureColumn, nature);
    connect(nature,
      QOverload<int>::of(&QComboBox::currentIndexChanged),
      this,
      [this, row] { rememberNature(row); });
  }
}

void CsvImportDialog::rememberNature(int row)
{
  const auto* nature = static_cast<QComboBox*>(m_columns->cellWidget(row, NatureColumn));
  m_chosenNatures[m_variables[static_cast<std::size_t>(row)].name] =
    static_cast<Variable::Nature>(nature->currentIndex());
}
