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
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

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
{
  setWindowTitle(QStringLiteral("Import %1").arg(QFileInfo(path).fileName()));
  auto* layout = new QVBoxLayout(this);
  auto* choices = new QFormLayout;
  m_skipLines = new QSpinBox(this);
  m_skipLines->setRange(0, 1000);
  m_skipLines->setToolTip(
    QStringLiteral("Lines above the header to ignore, such as a title or a count of rows."));
  m_caseIds = new QComboBox(this);
  m_images = new QComboBox(this);
  m_tags = new QComboBox(this);
  choices->addRow(QStringLiteral("Lines to skip"), m_skipLines);
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
  m_problem->setTextInteractionFlags(Qt::TextSelectableByMouse);
  m_problem->setStyleSheet(QStringLiteral("color: #b00020"));
  layout->addWidget(m_problem);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  m_ok = buttons->button(QDialogButtonBox::Ok);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &CsvImportDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CsvImportDialog::reject);
  resize(560, 440);
  readHeader();
  for (QComboBox* combo : { m_caseIds, m_images, m_tags })
    connect(combo,
      QOverload<int>::of(&QComboBox::currentIndexChanged),
      this,
      &CsvImportDialog::showColumns);
  connect(
    m_skipLines, QOverload<int>::of(&QSpinBox::valueChanged), this, &CsvImportDialog::readHeader);
}

void CsvImportDialog::readHeader()
{
  try
  {
    m_header = CsvReader(m_path, m_skipLines->value()).header();
  }
  catch (...)
  {
    m_header.clear();
  }
  const QSignalBlocker caseIds(m_caseIds);
  const QSignalBlocker images(m_images);
  const QSignalBlocker tags(m_tags);
  fillColumnChoice(*m_caseIds, QStringLiteral("(number the rows 1, 2, 3, ...)"), { "Case ID" });
  fillColumnChoice(*m_images, QStringLiteral("(none)"), { "Image", "Image File" });
  fillColumnChoice(*m_tags, QStringLiteral("(none)"), { "Tags" });
  showColumns();
}

void CsvImportDialog::fillColumnChoice(QComboBox& combo,
  const QString& none,
  const std::vector<std::string>& defaults)
{
  const auto isDefault = [&](const QString& column)
  {
    return std::any_of(defaults.begin(),
      defaults.end(),
      [&](const std::string& name)
      { return column.compare(QString::fromStdString(name), Qt::CaseInsensitive) == 0; });
  };
  const QString current = chosenColumn(combo);
  bool offeredDefault = false;
  for (int index = 1; index < combo.count(); ++index)
    offeredDefault |= isDefault(combo.itemData(index).toString());
  combo.clear();
  combo.addItem(none, QString());
  int preset = 0;
  for (const std::string& name : m_header)
  {
    const QString column = QString::fromStdString(name);
    combo.addItem(column, column);
    if (preset == 0 && isDefault(column))
      preset = combo.count() - 1;
  }
  // A column chosen before stays, and so does a "(none)" chosen over a column named like a
  // default; otherwise such a column is the choice.
  const int kept = current.isEmpty() ? (offeredDefault ? 0 : -1) : combo.findData(current);
  combo.setCurrentIndex(kept >= 0 ? kept : preset);
}

CsvImportOptions CsvImportDialog::columnChoices() const
{
  CsvImportOptions options;
  options.skipLines = m_skipLines->value();
  options.caseIdColumn = chosenColumn(*m_caseIds).toStdString();
  options.imageColumn = chosenColumn(*m_images).toStdString();
  options.tagsColumn = chosenColumn(*m_tags).toStdString();
  options.withImages = !options.imageColumn.empty();
  options.withTags = !options.tagsColumn.empty();
  return options;
}

CsvImportOptions CsvImportDialog::options() const
{
  CsvImportOptions options = columnChoices();
  for (int row = 0; row < m_columns->rowCount(); ++row)
  {
    const auto* nature = static_cast<QComboBox*>(m_columns->cellWidget(row, NatureColumn));
    options.natures[m_columns->item(row, NameColumn)->text().toStdString()] =
      static_cast<Variable::Nature>(nature->currentIndex());
  }
  return options;
}

OpenedProject CsvImportDialog::takeProject()
{
  OpenedProject project = m_project ? std::move(*m_project) : OpenedProject();
  m_project.reset();
  return project;
}

QString CsvImportDialog::problem() const
{
  return m_problem->text();
}

void CsvImportDialog::accept()
{
  try
  {
    m_project = std::make_unique<OpenedProject>(ProjectFiles::csv(m_path, options()));
  }
  catch (...)
  {
    m_problem->setText(FailureText::reason(std::current_exception()));
    return;
  }
  QDialog::accept();
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

void CsvImportDialog::setSkipLines(int count)
{
  m_skipLines->setValue(count);
}

void CsvImportDialog::choose(QComboBox& combo, const QString& column)
{
  const int index = combo.findData(column);
  if (index >= 0)
    combo.setCurrentIndex(index);
}

void CsvImportDialog::showColumns()
{
  m_columns->setRowCount(0);
  try
  {
    m_variables = CsvImporter(columnChoices()).columns(m_path);
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
