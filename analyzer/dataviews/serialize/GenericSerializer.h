#pragma once

#include "host/serialization/Serializer.h"
#include "property/PropertyAbstract.h"

#include <array>
#include <boost/function.hpp>
#include <boost/shared_ptr.hpp>
#include <cstdint>
#include <string>
#include <vector>

/// One value as the text of an element, <Minimum>0.5</Minimum>, or two or three values as
/// attributes, <FocalPoint X="0" Y="0" Z="1"/>. Values are written with boost::lexical_cast, so
/// doubles keep 17 significant digits and floats 9, and read back exactly. Reading starts from
/// the current values: a missing or empty attribute keeps its value.
template<class T>
class GenericSerializer : public Serializer
{
public:
  using Getter1 = boost::function<T()>;
  using Getter2 = boost::function<void(T&, T&)>;
  using Getter3 = boost::function<void(T&, T&, T&)>;
  using Setter1 = boost::function<void(const T&)>;
  using Setter2 = boost::function<void(const T&, const T&)>;
  using Setter3 = boost::function<void(const T&, const T&, const T&)>;

  GenericSerializer(const std::string& name,
    boost::shared_ptr<vantor::PropertyAbstract<T>> property);
  GenericSerializer(const std::string& name, Getter1 getter, Setter1 setter);
  GenericSerializer(const std::string& name,
    std::vector<std::string> attributeNames,
    Getter2 getter,
    Setter2 setter);
  GenericSerializer(const std::string& name,
    std::vector<std::string> attributeNames,
    Getter3 getter,
    Setter3 setter);

  /// Throws boost::bad_lexical_cast for text that is not a value of T.
  virtual std::string toString(const T& value) const;
  virtual T fromString(const std::string& text) const;

private:
  using Values = std::array<T, 3>;

  void serializeSelf(QDomElement& element) const override;
  void deserializeSelf(QDomElement& element) const override;
  Values currentValues() const;
  void applyValues(const Values& values) const;
  void requireAttributeCount(std::size_t count) const;

  std::vector<std::string> m_attributeNames;
  Getter1 m_getter1;
  Getter2 m_getter2;
  Getter3 m_getter3;
  Setter1 m_setter1;
  Setter2 m_setter2;
  Setter3 m_setter3;
};

extern template class GenericSerializer<bool>;
extern template class GenericSerializer<int>;
extern template class GenericSerializer<float>;
extern template class GenericSerializer<double>;
extern template class GenericSerializer<uint64_t>;
extern template class GenericSerializer<std::string>;
