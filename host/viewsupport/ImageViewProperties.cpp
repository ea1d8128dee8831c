#include "host/viewsupport/ImageViewProperties.h"

#include "host/project/Project.h"
#include "property/Property.h"
#include "property/UndoablePropertyProxy.h"

#include <algorithm>
#include <cmath>

namespace
{

class ZoomValidator : public vantor::ValidatorInterface<uint64_t>
{
public:
  vantor::ValidationResult validate(const uint64_t& zoom) const override
  {
    if (zoom > ImageViewProperties::maxZoom)
      return vantor::ValidationResult::invalid("The zoom level must be between 0 and " +
                                               std::to_string(ImageViewProperties::maxZoom) + ".");
    return {};
  }
};

template<class T>
boost::shared_ptr<vantor::PropertyAbstract<T>> undoable(const std::string& label,
  boost::shared_ptr<vantor::PropertyAbstract<T>> property)
{
  return boost::make_shared<vantor::UndoablePropertyProxy<T>>(label, std::move(property));
}

template<class T>
boost::shared_ptr<vantor::PropertyAbstract<T>> undoableValue(const std::string& label,
  const T& value)
{
  return undoable<T>(label, boost::make_shared<vantor::Property<T>>(value));
}

void appendOnce(std::vector<std::string>& list, const std::string& tag)
{
  if (std::find(list.begin(), list.end(), tag) == list.end())
    list.push_back(tag);
}

} // namespace

ImageViewProperties::ImageViewProperties()
  : m_zoom(undoable<uint64_t>("Zoom",
      boost::make_shared<vantor::Property<uint64_t>>(defaultZoom,
        boost::make_shared<ZoomValidator>())))
  , m_showLabels(undoableValue<bool>("Show Labels", false))
  , m_variablesInLabel(undoableValue<std::vector<WeakPtr<Variable>>>("Variables In Label", {}))
  , m_tagsToShow(undoableValue<std::vector<std::string>>("Tags To Show", {}))
  , m_tagGroupsToShow(undoableValue<std::vector<std::string>>("Tag Groups To Show", {}))
{
}

ImageViewProperties::~ImageViewProperties() = default;

std::vector<std::string> ImageViewProperties::allTagsToShow() const
{
  std::vector<std::string> tags;
  for (const std::string& tag : m_tagsToShow->value())
    appendOnce(tags, tag);
  const auto& groups = Project::project().tagGroups();
  for (const std::string& name : m_tagGroupsToShow->value())
  {
    const auto group = std::find_if(
      groups.begin(), groups.end(), [&](const TagGroup& g) { return g.name() == name; });
    if (group != groups.end())
      for (const std::string& tag : group->tags())
        appendOnce(tags, tag);
  }
  return tags;
}

bool ImageViewProperties::admits(const std::vector<std::string>& imageTags,
  const std::vector<std::string>& allTags)
{
  return !imageTags.empty() &&
         std::find(allTags.begin(), allTags.end(), imageTags.front()) != allTags.end();
}

QSize zoomLevelToImageSize(uint64_t zoomLevel)
{
  const double scale = std::pow(1.25, double(std::min(zoomLevel, ImageViewProperties::maxZoom)));
  return QSize(int(std::lround(64 * scale)), int(std::lround(48 * scale)));
}
