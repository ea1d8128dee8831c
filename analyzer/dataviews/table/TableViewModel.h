#pragma once

#include "host/project/WeakPtr.h"

#include <QAbstractTableModel>
#include <memory>
#include <set>
#include <vector>
#include <vtkSmartPointer.h>

class Variable;
class vtkTableAlgorithm;

/// The cells of a table algorithm's output as an editable item model: one row per case, one
/// column per variable. Edits go to the project, one undoable transaction each.
class TableViewModel : public QAbstractTableModel
{
  Q_OBJECT

public:
  TableViewModel(vtkSmartPointer<vtkTableAlgorithm> table, QObject* parent = nullptr);
  ~TableViewModel() override;

  virtual WeakPtr<Variable> variable(int column) const;

  QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section,
    Qt::Orientation orientation,
    int role = Qt::DisplayRole) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

  /// Writes a value typed by the user. Returns false for empty text; throws
  /// boost::bad_lexical_cast for text that is not a number in a numeric column.
  bool setCellValue(const QModelIndex& index, const QVariant& value, const QVariant& shownBefore);

  /// The case id of a row, read straight from the case-id column; 0 without one.
  uint64_t caseIdAtRow(int row) const;
  /// The rows holding the given cases, in ascending order, read from the case-id column.
  std::vector<int> rowsOfCases(const std::set<uint64_t>& caseIds) const;
  /// Keys whose unsigned order is the host's order of a numeric column's values (numbers, NaN,
  /// NULL), by row, read without formatting; empty for text columns.
  const std::vector<uint64_t>& orderKeys(int column) const;
  /// Whether a numeric column's order keys ascend down the rows; the case ids of a table in
  /// case-id order are checked where they lie, without making keys.
  bool keysAscend(int column) const;
  int caseIdColumn() const;

private:
  void onTableModified();
  void catchUpAfterEdit();

  struct Impl;
  std::unique_ptr<Impl> m_impl;
};
