#include "analyzer/dataviews/table/TableViewModel.h"

#include "analyzer/dataviews/table/TableRoles.h"
#include "host/common/NumberText.h"
#include "host/common/NumericPredicates.h"
#include "host/common/Variant.h"
#include "host/core/ScopedExitAction.h"
#include "host/core/UndoStack.h"
#include "host/project/Project.h"
#include "host/project/Record.h"
#include "host/project/Transaction.h"
#include "host/project/Variable.h"
#include "host/vtkutil/RecordTableUtils.h"
#include "host/vtkutil/vtkNanNullValueArray.h"
#include "host/vtkutil/vtkVnCommandProxy.h"

#include <QIcon>
#include <algorithm>
#include <boost/algorithm/string/trim.hpp>
#include <boost/lexical_cast.hpp>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <unordered_set>
#include <utility>
#include <vector>
#include <vtkAbstractArray.h>
#include <vtkCommand.h>
#include <vtkDataArray.h>
#include <vtkIdTypeArray.h>
#include <vtkNew.h>
#include <vtkTable.h>
#include <vtkTableAlgorithm.h>

namespace
{

const int variablePtrType = qRegisterMetaType<WeakPtr<Variable>>("Variable::Ptr");

QString shortestText(double value)
{
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof(buffer), value);
  return QString::fromLatin1(buffer, int(result.ptr - buffer));
}

// The value as the project stores it, in text: "NaN", "NULL", or digits that read back exactly.
QString cellText(const vtkVariant& value)
{
  if (!value.IsValid())
    return TableTexts::Null;
  if (value.IsString())
    return QString::fromStdString(value.ToString());
  if (value.IsFloat() || value.IsDouble())
  {
    const double number = value.ToDouble();
    return std::isnan(number) ? TableTexts::NaN : shortestText(number);
  }
  return QString::fromStdString(value.ToString());
}

// Refuses a typed value in the user's words; a bad_lexical_cast, as the delegate expects.
class RefusedValue : public boost::bad_lexical_cast
{
public:
  RefusedValue(const std::string& text, const char* reason)
    : boost::bad_lexical_cast(typeid(std::string), typeid(double))
    , m_message("'" + text + "' " + reason + ".")
  {
  }
  const char* what() const noexcept override { return m_message.c_str(); }

private:
  std::string m_message;
};

// A number typed into a numeric cell, read by the shared number rule.
Variant typedNumber(const std::string& text, ValueType type)
{
  if (type == ValueType::Integer)
  {
    int64_t whole = 0;
    switch (parseWholeNumber(text, whole))
    {
      case NumberTextStatus::Ok:
        return Variant(whole);
      case NumberTextStatus::OutOfRange:
        throw RefusedValue(text, "is out of range");
      case NumberTextStatus::NotANumber:
        break;
    }
    throw RefusedValue(text, "is not a whole number");
  }
  double real = 0.0;
  switch (parseRealNumber(text, real))
  {
    case NumberTextStatus::Ok:
      return Variant(real);
    case NumberTextStatus::OutOfRange:
      throw RefusedValue(text, "is out of range");
    case NumberTextStatus::NotANumber:
      break;
  }
  throw RefusedValue(text, "is not a number");
}

// Unsigned keys in the order of the values they stand for.
uint64_t wholeKey(int64_t value)
{
  return static_cast<uint64_t>(value) ^ (uint64_t(1) << 63);
}

// Infinities included; the two keys above +inf's are left for NaN and NULL.
uint64_t realKey(double value)
{
  uint64_t bits = 0;
  const double number = value == 0.0 ? 0.0 : value;
  std::memcpy(&bits, &number, sizeof bits);
  return (bits >> 63) ? ~bits : bits | (uint64_t(1) << 63);
}

// Keys of a numeric column in the host's order of values: numbers, then NaN, then NULL.
template<class Array, class Key>
void fillKeys(Array& array, std::vector<uint64_t>& keys, Key key)
{
  for (std::size_t row = 0; row < keys.size(); ++row)
  {
    switch (array.special(static_cast<vtkIdType>(row)))
    {
      case Array::NaN:
        keys[row] = std::numeric_limits<uint64_t>::max() - 1;
        break;
      case Array::Null:
        keys[row] = std::numeric_limits<uint64_t>::max();
        break;
      case Array::None:
        keys[row] = key(array.GetValue(static_cast<vtkIdType>(row)));
        break;
    }
  }
}

// The ids of a case-id column by row, sized beforehand; the column's type is asked once.
void caseIdsOf(vtkAbstractArray* column, std::vector<uint64_t>& ids)
{
  if (auto* wholes = vtkArrayDownCast<vtkIdTypeArray>(column))
  {
    for (std::size_t row = 0; row < ids.size(); ++row)
      ids[row] = static_cast<uint64_t>(wholes->GetValue(static_cast<vtkIdType>(row)));
    return;
  }
  for (std::size_t row = 0; row < ids.size(); ++row)
    ids[row] = RecordTableUtils::caseID(column, static_cast<vtkIdType>(row));
}

} // namespace

struct TableViewModel::Impl
{
  vtkSmartPointer<vtkTableAlgorithm> algorithm;
  vtkSmartPointer<vtkVnCommandProxy> observer;
  unsigned long observerTag = 0;
  std::vector<unsigned char> editable;
  std::vector<WeakPtr<Variable>> variables;
  int caseIdColumn = -1;
  QIcon lockIcon{ QStringLiteral(":/images/lock_48.png") };
  bool editing = false;
  // Order keys of the column last sorted, until the table or a value changes.
  std::vector<uint64_t> keys;
  int keysColumn = -1;

  vtkTable* output() const
  {
    algorithm->Update();
    return algorithm->GetOutput();
  }

  // The table shown: the columns of the output as of the last reset, which Qt sees until the
  // next one. Qt asks for the counts on every index it makes, too often to ask the pipeline.
  vtkNew<vtkTable> shown;
  vtkTable* table = shown.Get();
  int rows = 0;
  int columns = 0;
  bool catchUpQueued = false;

  // Whether the output still has the shown rows and columns; values may have changed in place.
  bool showsOutput() const
  {
    vtkTable* latest = output();
    if (latest->GetNumberOfRows() != rows || latest->GetNumberOfColumns() != columns)
      return false;
    for (int column = 0; column < columns; ++column)
      if (latest->GetColumn(column) != table->GetColumn(column))
        return false;
    return true;
  }

  void refreshColumns()
  {
    keysColumn = -1;
    shown->ShallowCopy(output());
    rows = int(table->GetNumberOfRows());
    columns = int(table->GetNumberOfColumns());
    caseIdColumn = -1;
    editable.resize(columns, 1);
    variables.assign(columns, WeakPtr<Variable>());
    for (int column = 0; column < columns; ++column)
    {
      const char* name = table->GetColumn(column)->GetName();
      variables[column] = Project::project().variable(name ? name : "");
      auto variable = variables[column].lock();
      editable[column] = variable && !variable->isLocked();
      if (variable && variable->isCaseId())
        caseIdColumn = column;
    }
  }

  ValueType valueType(int column) const
  {
    auto variable = column < int(variables.size()) ? variables[column].lock() : nullptr;
    return variable ? variable->valueType() : ValueType::Text;
  }
};

TableViewModel::TableViewModel(vtkSmartPointer<vtkTableAlgorithm> table, QObject* parent)
  : QAbstractTableModel(parent)
  , m_impl(std::make_unique<Impl>())
{
  m_impl->algorithm = std::move(table);
  m_impl->observer =
    vtkSmartPointer<vtkVnCommandProxy>::Take(vtkVnCommandProxy::New([this] { onTableModified(); }));
  m_impl->observerTag = m_impl->algorithm->AddObserver(vtkCommand::ModifiedEvent, m_impl->observer);
  m_impl->refreshColumns();
}

void TableViewModel::onTableModified()
{
  // The view keeps the shown table under the editor; an edit that moved its case across a
  // filter changes the rows, which Qt learns once the edit is over.
  if (m_impl->editing)
  {
    if (!std::exchange(m_impl->catchUpQueued, true))
      QMetaObject::invokeMethod(
        this, [this] { catchUpAfterEdit(); }, Qt::QueuedConnection);
    return;
  }
  beginResetModel();
  m_impl->refreshColumns();
  endResetModel();
}

void TableViewModel::catchUpAfterEdit()
{
  m_impl->catchUpQueued = false;
  if (m_impl->editing)
  {
    onTableModified();
    return;
  }
  if (m_impl->showsOutput())
    return;
  beginResetModel();
  m_impl->refreshColumns();
  endResetModel();
}

TableViewModel::~TableViewModel()
{
  m_impl->algorithm->RemoveObserver(m_impl->observerTag);
}

WeakPtr<Variable> TableViewModel::variable(int column) const
{
  if (column < 0 || column >= int(m_impl->variables.size()))
    return {};
  return m_impl->variables[column];
}

// Sorting and filtering proxies make an index for each comparison, so this one costs no calls.
QModelIndex TableViewModel::index(int row, int column, const QModelIndex& parent) const
{
  if (parent.isValid() || row < 0 || column < 0 || row >= m_impl->rows || column >= m_impl->columns)
    return {};
  return createIndex(row, column);
}

int TableViewModel::rowCount(const QModelIndex& parent) const
{
  return parent.isValid() ? 0 : m_impl->rows;
}

int TableViewModel::columnCount(const QModelIndex& parent) const
{
  return parent.isValid() ? 0 : m_impl->columns;
}

Qt::ItemFlags TableViewModel::flags(const QModelIndex& index) const
{
  Qt::ItemFlags result = QAbstractTableModel::flags(index);
  const int column = index.column();
  if (column >= 0 && column < int(m_impl->editable.size()) && m_impl->editable[column])
    result |= Qt::ItemIsEditable;
  return result;
}

QVariant TableViewModel::data(const QModelIndex& index, int role) const
{
  if (!index.isValid() || index.row() < 0 || index.column() < 0 || !index.model())
    return {};
  if (role == Qt::TextAlignmentRole)
    return int(Qt::AlignCenter);
  if (role == CaseIdRole)
    return QVariant::fromValue<quint64>(caseIdAtRow(index.row()));
  if (role != Qt::DisplayRole && role != Qt::EditRole)
    return {};
  if (index.column() == m_impl->caseIdColumn)
    return QVariant::fromValue<quint64>(caseIdAtRow(index.row()));

  const QString text =
    cellText(RecordTableUtils::cellValue(m_impl->table, index.row(), index.column()));
  switch (m_impl->valueType(index.column()))
  {
    case ValueType::Text:
      return text;
    case ValueType::Real:
      if (role == Qt::EditRole)
        return text;
      if (text == TableTexts::NaN || text == TableTexts::Null)
        return text;
      return QStringLiteral("%1").arg(text.toDouble(), 0, 'g');
    case ValueType::Integer:
      if (text == TableTexts::NaN || text == TableTexts::Null)
        return text;
      return text.toLongLong();
  }
  return {};
}

QVariant TableViewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
  if (orientation != Qt::Horizontal || section < 0 || section >= int(m_impl->editable.size()))
    return {};
  if (role == Qt::DecorationRole)
    return m_impl->editable[section] ? QVariant() : QVariant(m_impl->lockIcon);
  if (role == Qt::DisplayRole)
  {
    const char* name = m_impl->table->GetColumn(section)->GetName();
    return QString::fromUtf8(name ? name : "");
  }
  if (role == VariableRole)
    return QVariant::fromValue(m_impl->variables[section]);
  return {};
}

bool TableViewModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
  if (role != Qt::EditRole)
    return false;
  m_impl->editing = true;
  ScopedExitAction endEditing([this] { m_impl->editing = false; });
  const QVariant shownBefore = data(index, Qt::EditRole);
  const bool written = setCellValue(index, value, shownBefore);
  m_impl->keysColumn = -1;
  if (written)
    Q_EMIT dataChanged(index, index);
  return written;
}

bool TableViewModel::setCellValue(const QModelIndex& index,
  const QVariant& value,
  const QVariant& shownBefore)
{
  if (value == shownBefore)
    return true;
  const QString entered = value.toString();
  if (entered.isEmpty())
    return false;

  auto variable = m_impl->variables.at(index.column()).lock();
  if (!variable)
    return false;
  std::string text = entered.toStdString();
  Variant stored(text);
  if (variable->valueType() != ValueType::Text)
  {
    boost::algorithm::trim(text);
    if (isNanNumericInputValue(text))
    {
      text = TableTexts::NaN.toStdString();
      stored = Variant::nan();
    }
    else if (isNullInputValue(text))
    {
      text = TableTexts::Null.toStdString();
      stored = Variant::null();
    }
    else
      stored = typedNumber(text, variable->valueType());
  }
  const QString before = shownBefore.toString();
  if ((isNanNumericInputValue(text) && isNanNumericInputValue(before)) ||
      (isNullInputValue(text) && isNullInputValue(before)))
    return true;

  auto record = Project::project().record(caseIdAtRow(index.row()));
  if (record.isNull())
    return false;

  UndoStack::Macro macro(QStringLiteral("Edit cell value"));
  Transaction transaction = Project::project().startTransaction(QStringLiteral("Edit cell value"));
  auto writableVariable = WeakPtr<Variable>(m_impl->variables[index.column()]).lock(transaction);
  auto writableRecord = record.lock(transaction);
  writableRecord->setData(transaction, *writableVariable, stored);
  transaction.commit();
  return true;
}

uint64_t TableViewModel::caseIdAtRow(int row) const
{
  if (m_impl->caseIdColumn < 0 || row < 0 || row >= m_impl->rows)
    return 0;
  return RecordTableUtils::caseID(m_impl->table->GetColumn(m_impl->caseIdColumn), row);
}

std::vector<int> TableViewModel::rowsOfCases(const std::set<uint64_t>& caseIds) const
{
  std::vector<int> rows;
  if (m_impl->caseIdColumn < 0 || caseIds.empty())
    return rows;
  std::vector<uint64_t> ids(static_cast<std::size_t>(m_impl->rows));
  caseIdsOf(m_impl->table->GetColumn(m_impl->caseIdColumn), ids);
  const std::unordered_set<uint64_t> wanted(caseIds.begin(), caseIds.end());
  for (int row = 0; row < m_impl->rows; ++row)
  {
    if (wanted.count(ids[row]))
      rows.push_back(row);
  }
  return rows;
}

const std::vector<uint64_t>& TableViewModel::orderKeys(int column) const
{
  Impl& impl = *m_impl;
  if (column == impl.keysColumn)
    return impl.keys;
  impl.keys.clear();
  impl.keysColumn = column;
  auto values = variable(column).lock();
  if (!values || !values->isNumeric())
    return impl.keys;
  vtkAbstractArray* array = impl.table->GetColumn(column);
  impl.keys.resize(static_cast<std::size_t>(impl.rows));
  if (column == impl.caseIdColumn)
    caseIdsOf(array, impl.keys);
  else if (auto* wholes = vtkArrayDownCast<vtkNanNullIdTypeArray>(array))
    fillKeys(*wholes, impl.keys, wholeKey);
  else if (auto* reals = vtkArrayDownCast<vtkNanNullDoubleArray>(array))
    fillKeys(*reals, impl.keys, realKey);
  else
    impl.keys.clear();
  return impl.keys;
}

bool TableViewModel::keysAscend(int column) const
{
  auto* ids = column == m_impl->caseIdColumn && column != m_impl->keysColumn
                ? vtkArrayDownCast<vtkIdTypeArray>(m_impl->table->GetColumn(column))
                : nullptr;
  if (!ids)
  {
    const std::vector<uint64_t>& keys = orderKeys(column);
    return !keys.empty() && std::is_sorted(keys.begin(), keys.end());
  }
  const vtkIdType* first = ids->GetPointer(0);
  const vtkIdType* last = first + std::min<vtkIdType>(ids->GetNumberOfValues(), m_impl->rows);
  return std::is_sorted(first,
    last,
    [](vtkIdType left, vtkIdType right)
    { return static_cast<uint64_t>(left) < static_cast<uint64_t>(right); });
}

int TableViewModel::caseIdColumn() const
{
  return m_impl->caseIdColumn;
}
