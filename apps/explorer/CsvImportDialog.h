#pragma once

#include "apps/explorer/ProjectFiles.h"
#include "host/project/CsvImporter.h"

#include <QDialog>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

/// Lets the user choose, before a CSV file is read, how many lines above the header to skip,
/// which column holds the case ids, the image paths and the tags, and the nature of every other
/// column (the last numeric column starts dependent, the others independent). OK reads the
/// file; when that fails the dialog stays open with the reason shown and the choices in place.
class CsvImportDialog : public QDialog
{
  Q_OBJECT

public:
  CsvImportDialog(const QString& path, QWidget* parent);

  CsvImportOptions options() const;
  /// The project read when the dialog was accepted.
  OpenedProject takeProject();
  /// Why the file cannot be read with the current choices; empty when it can.
  QString problem() const;
  void accept() override;

  /// The choices a user makes, by column name; "" chooses none where that is offered.
  void setNature(const QString& column, Variable::Nature nature);
  void setCaseIdColumn(const QString& column);
  void setImageColumn(const QString& column);
  void setTagsColumn(const QString& column);
  void setSkipLines(int count);
  QTableWidget& columnTable() const { return *m_columns; }

private:
  /// Reads the header after the skipped lines and offers its columns in the choices, keeping
  /// the choices whose column is still there.
  void readHeader();
  /// Fills a choice of column, preset to the current choice, else the first column named like
  /// a default, else `none`.
  void fillColumnChoice(QComboBox& combo,
    const QString& none,
    const std::vector<std::string>& defaults);
  CsvImportOptions columnChoices() const;
  /// Lists the columns that become variables under the current choices.
  void showColumns();
  void rememberNature(int row);
  static void choose(QComboBox& combo, const QString& column);

  QString m_path;
  std::vector<std::string> m_header;
  QSpinBox* m_skipLines = nullptr;
  QComboBox* m_caseIds = nullptr;
  QComboBox* m_images = nullptr;
  QComboBox* m_tags = nullptr;
  QTableWidget* m_columns = nullptr;
  QLabel* m_problem = nullptr;
  QPushButton* m_ok = nullptr;
  std::vector<CsvColumn> m_variables;
  /// The natures the user chose, kept when the list is rebuilt.
  std::map<std::string, Variable::Nature> m_chosenNatures;
  std::unique_ptr<OpenedProject> m_project;
};
