#pragma once

#include "host/serialization/SerializerInterface.h"

#include <boost/shared_ptr.hpp>
#include <vector>

/// An element of the given name whose content is written by serializeSelf and by the
/// sub-serializers, in the order they were added. On reading, each sub-serializer gets the
/// first child element of its name; a missing child leaves its values as they are, so that
/// documents written before a setting existed still load.
class Serializer : public SerializerInterface
{
public:
  explicit Serializer(std::string name);
  ~Serializer() override;

  std::string name() const override { return m_name; }
  QDomElement serialize(QDomDocument& document) const override;
  void deserialize(QDomElement& element) const override;

  void addSubElement(boost::shared_ptr<SerializerInterface> child);
  /// Read when present, never written: keeps older element names loadable.
  void addDeserializeOnlySubElement(boost::shared_ptr<SerializerInterface> child);
  /// Replaces the sub-serializer of the same name, or adds it when there is none.
  void replaceSubElement(boost::shared_ptr<SerializerInterface> child);

private:
  virtual void serializeSelf(QDomElement& element) const;
  virtual void deserializeSelf(QDomElement& element) const;

  struct Child
  {
    boost::shared_ptr<SerializerInterface> serializer;
    bool written;
  };

  std::string m_name;
  std::vector<Child> m_children;
};
