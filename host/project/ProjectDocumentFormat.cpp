#include "host/project/ProjectDocumentFormat.h"

#include <stdexcept>

const QString ProjectDocumentFormat::rootName = QStringLiteral("VantorProject");
const QString ProjectDocumentFormat::version = QStringLiteral("1");

namespace
{

std::string escaped(const std::string& text)
{
  std::string result;
  result.reserve(text.size());
  for (char c : text)
  {
    switch (c)
    {
      case '\\':
        result += "\\\\";
        break;
      case '\t':
        result += "\\t";
        break;
      case '\n':
        result += "\\n";
        break;
      case '\r':
        result += "\\r";
        break;
      default:
        result += c;
    }
  }
  return result;
}

std::string unescaped(const std::string& text)
{
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i)
  {
    if (text[i] != '\\' || i + 1 == text.size())
    {
      result += text[i];
      continue;
    }
    const char next = text[++i];
    result += next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
  }
  return result;
}

} // namespace

QString ProjectDocumentFormat::typeName(ValueType type)
{
  switch (type)
  {
    case ValueType::Integer:
      return QStringLiteral("integer");
    case ValueType::Real:
      return QStringLiteral("real");
    case ValueType::Text:
      return QStringLiteral("text");
  }
  return {};
}

ValueType ProjectDocumentFormat::typeOf(const QString& name)
{
  for (ValueType type : { ValueType::Integer, ValueType::Real, ValueType::Text })
    if (typeName(type) == name)
      return type;
  throw std::out_of_range("unknown value type \"" + name.toStdString() + "\"");
}

std::string ProjectDocumentFormat::joinValues(const std::vector<Variant>& values)
{
  std::string line;
  for (std::size_t i = 0; i < values.size(); ++i)
  {
    if (i > 0)
      line += '\t';
    const Variant& value = values[i];
    if (!value.isNull())
      line += value.isText() ? escaped(value.toString()) : value.toString();
  }
  return line;
}

std::vector<std::string> ProjectDocumentFormat::splitValues(const std::string& line)
{
  std::vector<std::string> cells(1);
  for (char c : line)
  {
    if (c == '\t')
      cells.emplace_back();
    else
      cells.back() += c;
  }
  return cells;
}

Variant ProjectDocumentFormat::cellValue(const std::string& cell, ValueType type)
{
  if (cell.empty())
    return Variant::null();
  return type == ValueType::Text ? Variant(unescaped(cell)) : Variant::fromText(cell);
}
