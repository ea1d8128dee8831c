#pragma once

#include "host/serialization/Serializer.h"

#include <boost/function.hpp>
#include <boost/shared_ptr.hpp>
#include <string>
#include <unordered_map>

class DataViewInterface;
class DataViewManagerInterface;

/// The open views as the element "Views", one child per view in the manager's order. Reading
/// creates a view through the manager for each child whose name it knows, in document order,
/// and lets the view read its settings; views already open stay open. The selected-cases view
/// is not created but reused, and its element is skipped when the host has none.
class ViewCollectionSerializer : public Serializer
{
public:
  explicit ViewCollectionSerializer(boost::shared_ptr<DataViewManagerInterface> manager);

  /// Whether the element name is a kind of view, whether or not this build can make it; other
  /// elements are skipped by reading and are for the caller to report.
  bool isViewKind(const std::string& elementName) const;

private:
  using Factory = boost::function<boost::shared_ptr<DataViewInterface>()>;

  void serializeSelf(QDomElement& element) const override;
  void deserializeSelf(QDomElement& element) const override;
  void addFactories();
  /// A new (or, for the selected-cases view, the existing) view for the element, or empty.
  boost::shared_ptr<DataViewInterface> viewFor(const QDomElement& element) const;

  boost::shared_ptr<DataViewManagerInterface> m_manager;
  std::unordered_map<std::string, Factory> m_factories;
};
