#pragma once

#include "host/project/CsvImporter.h"

#include <QDialog>
#include <map>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

/// Lets the user choose, before a CSV file is read, which column holds the case ids, the image
/// paths and the tags, and the nature of every other column (the last numeric column starts
/// dependent, the others independent).
class CsvImportDialog : public QDialog
{
  Q_OBJECT

public:
  /// Throws ImportError when the file has no readable header.
  CsvImportDialog(const QString& path, QWidget* parent);

  CsvImportOptions options() const;

  /// The choices a user makes, by column name; "" chooses none where that is offered.
  void setNature(const QString& column, Variable::Nature nature);
  void setCaseIdColumn(const QString& column);
  void setImageColumn(const QString& column);
  void setTagsColumn(const QString& column);
  QTableWidget& columnTable() const { return *m_columns; }

private:
  /// A choice of column, preset to the first named like a default. The importer takes an image
  /// or tags column named like a default even when none is asked for, so for those
  /// `noneWhenFound` is false.
  QComboBox* addColumnChoice(const QString& none,
    const std::vector<std::string>& defaults,
    bool noneWhenFound);
  /// Lists the columns that become variables under the current choices.
  void showColumns();
  void rememberNature(int row);
  static void choose(QComboBox& combo, const QString& column);

  QString m_path;
  std::vector<std::string> m_header;
  QComboBox* m_caseIds = nullptr;
  QComboBox* m_images = nullptr;
  QComboBox* m_tags = nullptr;
  QTableWidget* m_columns = nullptr;
  QLabel* m_problem = nullptr;
  QPushButton* m_ok = nullptr;
  std::vector<CsvColumn> m_variables;
  /// The natures the user chose, kept when the list is rebuilt.
  std::map<std::string, Variable::Nature> m_chosenNatures;
};
