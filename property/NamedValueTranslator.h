#pragma once

#include <map>
#include <stdexcept>
#include <string>

/// Two-way map between the values of an enumeration and their (unique) names.
template<class E>
class NamedValueTranslator
{
public:
  NamedValueTranslator& add(const std::string& name, E value)
  {
    if (m_byName.count(name) || m_byValue.count(value))
      throw std::logic_error("NamedValueTranslator: duplicate name or value '" + name + "'");
    m_byName.emplace(name, value);
    m_byValue.emplace(value, name);
    return *this;
  }

  /// Throws std::out_of_range for a value without a name.
  const std::string& toName(E value) const { return m_byValue.at(value); }
  /// Throws std::out_of_range for an unknown name.
  E toValue(const std::string& name) const { return m_byName.at(name); }

  std::size_t size() const { return m_byName.size(); }

private:
  std::map<std::string, E> m_byName;
  std::map<E, std::string> m_byValue;
};
