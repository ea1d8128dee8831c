#pragma once

#include "host/core/ExceptionBase.h"
#include "host/serialization/Serializer.h"

#include <QDomDocument>
#include <QDomElement>
#include <boost/function.hpp>
#include <boost/lexical_cast.hpp>
#include <boost/tokenizer.hpp>
#include <string>
#include <type_traits>
#include <vector>

/// A list of values as the text of one element, joined by "," without spaces. Strings pass
/// through stringValue so that any text survives; reading splits with boost's escaped-list
/// tokenizer (separator ",", escape "\", quote '"'). When the accept function is set, reading
/// drops the entries it rejects, so that an owner can ignore entries that no longer exist.
template<class T, class Accept = boost::function<bool(const std::string&)>>
class VectorSerializer : public Serializer
{
public:
  using Getter = boost::function<std::vector<T>()>;
  using Setter = boost::function<void(const std::vector<T>&)>;

  VectorSerializer(const std::string& name, Getter getter, Setter setter, Accept accept = Accept())
    : Serializer(name)
    , m_getter(std::move(getter))
    , m_setter(std::move(setter))
    , m_accept(std::move(accept))
  {
  }

private:
  void serializeSelf(QDomElement& element) const override
  {
    const std::vector<T> values = m_getter();
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i)
    {
      if (i > 0)
        text += ',';
      text += valueText(values[i]);
    }
    element.appendChild(element.ownerDocument().createTextNode(QString::fromStdString(text)));
  }

  void deserializeSelf(QDomElement& element) const override
  {
    m_setter(parse(element.text().toStdString()));
  }

  std::vector<T> parse(const std::string& text) const
  {
    std::vector<T> values;
    // An empty text is the empty list; a single empty string is written quoted.
    if (text.empty())
      return values;
    using Separator = boost::escaped_list_separator<char>;
    const boost::tokenizer<Separator> tokens(text, Separator('\\', ',', '"'));
    try
    {
      for (const std::string& token : tokens)
      {
        if (!m_accept || m_accept(token))
          values.push_back(boost::lexical_cast<T>(token));
      }
    }
    catch (const boost::escaped_list_error& error)
    {
      throw vantor::ExceptionBase("the list cannot be split (" + std::string(error.what()) + ")");
    }
    return values;
  }

  static std::string valueText(const T& value)
  {
    if constexpr (std::is_same_v<T, std::string>)
      return stringValue(value);
    else
      return boost::lexical_cast<std::string>(value);
  }

  /// Escapes what the tokenizer would take as syntax; a value with a separator, or an empty
  /// one, is quoted.
  static std::string stringValue(const std::string& value)
  {
    std::string escaped;
    for (char c : value)
    {
      if (c == '\\' || c == '"')
        escaped += '\\';
      escaped += c;
    }
    if (value.empty() || value.find(',') != std::string::npos)
      return '"' + escaped + '"';
    return escaped;
  }

  Getter m_getter;
  Setter m_setter;
  Accept m_accept;
};
