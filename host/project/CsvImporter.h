#pragma once

#include "host/project/ProjectContents.h"
#include "host/project/ValueType.h"
#include "host/project/Variable.h"

#include <QString>
#include <map>
#include <string>
#include <vector>

class CsvReader;

/// A column of a CSV file that becomes a variable.
struct CsvColumn
{
  std::string name;
  ValueType type;
  Variable::Nature nature;
};

struct CsvImportOptions
{
  /// Natures by column name. Unnamed columns: the last numeric column is dependent, the others
  /// independent.
  std::map<std::string, Variable::Nature> natures;
  /// Value types by column name, for columns whose first values would mislead the detection.
  std::map<std::string, ValueType> types;
  /// Column of case identifiers; without it cases are numbered from 1 in file order.
  std::string caseIdColumn = Variable::caseIdName;
  /// Column of image file paths, relative to the CSV file's folder; "" finds one named "Image".
  std::string imageColumn;
  /// Column of tags for the images, separated by ';'; "" finds one named "Tags".
  std::string tagsColumn;
  /// False: no column holds image files (or tags), whatever its name; such a column becomes a
  /// variable like any other.
  bool withImages = true;
  bool withTags = true;
  /// Lines above the header to ignore, such as a title or a count of rows.
  int skipLines = 0;
};

/// The contents read from a CSV file, and the image files it names that do not exist (their
/// full paths, in file order); those cases keep their attachment with the path.
struct CsvImportResult
{
  ProjectContents contents;
  std::vector<std::string> missingImageFiles;
};

/// Reads a CSV file of cases into project contents: the header names the variables; a column
/// whose first value is a number is numeric (integer unless a real number appears), any other
/// is text; empty cells are NULL and "NaN" / "NULL" cells the special values. Every error
/// names the file and, where it can, the line, and nothing is returned half made.
class CsvImporter
{
public:
  explicit CsvImporter(CsvImportOptions options = CsvImportOptions());

  /// The columns that would become variables, for an import dialog to show.
  std::vector<CsvColumn> columns(const QString& path) const;
  ProjectContents read(const QString& path) const;
  CsvImportResult import(const QString& path) const;

private:
  struct Layout
  {
    int caseIdColumn = -1;
    int imageColumn = -1;
    int tagsColumn = -1;
    std::vector<int> sourceColumns;
    std::vector<CsvColumn> variables;
  };

  Layout layout(const CsvReader& reader) const;
  void detectTypes(const CsvReader& reader, Layout& layout) const;
  void assignNatures(const CsvReader& reader, Layout& layout) const;
  static std::vector<Variant> values(const CsvReader& reader,
    std::size_t row,
    const std::vector<std::string>& fields,
    const Layout& layout);
  static uint64_t caseId(const CsvReader& reader, std::size_t row, const std::string& field);

  CsvImportOptions m_options;
};
