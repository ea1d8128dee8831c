#pragma once

#include "host/common/Variant.h"
#include "host/project/ValueType.h"
#include "host/project/Variable.h"

#include <QString>
#include <string>
#include <vector>

/// The names and value texts shared by the project document's writer and reader.
class ProjectDocumentFormat
{
public:
  static const QString rootName;
  static const QString version;

  static QString typeName(ValueType type);
  /// Throws std::out_of_range for an unknown name.
  static ValueType typeOf(const QString& name);

  /// A case's values (after the case identifier) as one line: tab-separated, NULL empty, text
  /// cells with backslash, tab and line breaks escaped, numbers in the text that reads back
  /// exactly.
  static std::string joinValues(const std::vector<Variant>& values);
  /// The cells of such a line; an empty line is one empty cell.
  static std::vector<std::string> splitValues(const std::string& line);
  /// The value of a cell for a variable of the type; numeric cells that are not numbers give
  /// text, which the caller must refuse.
  static Variant cellValue(const std::string& cell, ValueType type);
};
