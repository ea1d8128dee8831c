#pragma once

#include "host/common/Variant.h"
#include "host/project/WeakPtr.h"
#include "property/PropertyAbstract.h"

#include <boost/function.hpp>
#include <boost/shared_ptr.hpp>
#include <string>
#include <utility>
#include <vector>

class ImageViewProperties;
class Serializer;
class SerializerInterface;
class Variable;

/// The element forms of image view settings.
class ImageViewSerializers
{
public:
  /// <Name Type="Real">2.5</Name>; types "Integer", "Real", "Text", "NaN" and "NULL".
  static boost::shared_ptr<SerializerInterface> variant(const std::string& name,
    boost::shared_ptr<vantor::PropertyAbstract<Variant>> property);
  /// Variable names, as a list; names the project no longer has are dropped on reading.
  static boost::shared_ptr<SerializerInterface> variableList(const std::string& name,
    boost::shared_ptr<vantor::PropertyAbstract<std::vector<WeakPtr<Variable>>>> property);
  /// <ScrollPosition Vertical="120" Horizontal="0"/>.
  static boost::shared_ptr<SerializerInterface> scrollPosition(
    boost::function<std::pair<int, int>()> positions,
    boost::function<void(const std::pair<int, int>&)> setPositions);

  /// "TagGroupsToShow", "TagsToShow", "Zoom", "ShowLabels" and "VariablesInLabel", in that
  /// order. Tags and groups the project does not know are dropped on reading.
  static void addCommonSettings(Serializer& serializer, const ImageViewProperties& properties);
};
