#pragma once

#include "host/project/WeakPtr.h"
#include "property/PropertyAbstract.h"

#include <QSize>
#include <boost/shared_ptr.hpp>
#include <cstdint>
#include <string>
#include <vector>

class Variable;

/// The settings every image view shares: thumbnail zoom, labels, and which images to show by
/// their first tag. Each is undoable ("Change <label>").
class ImageViewProperties
{
public:
  static constexpr uint64_t maxZoom = 12;
  static constexpr uint64_t defaultZoom = 4;

  ImageViewProperties();
  virtual ~ImageViewProperties();
  ImageViewProperties(const ImageViewProperties&) = delete;
  ImageViewProperties& operator=(const ImageViewProperties&) = delete;

  /// 0 (smallest) to maxZoom; zoomLevelToImageSize gives the thumbnail size.
  boost::shared_ptr<vantor::PropertyAbstract<uint64_t>> zoom() const { return m_zoom; }
  boost::shared_ptr<vantor::PropertyAbstract<bool>> showLabels() const { return m_showLabels; }
  boost::shared_ptr<vantor::PropertyAbstract<std::vector<WeakPtr<Variable>>>> variablesInLabel()
    const
  {
    return m_variablesInLabel;
  }
  boost::shared_ptr<vantor::PropertyAbstract<std::vector<std::string>>> tagsToShow() const
  {
    return m_tagsToShow;
  }
  /// Names of project tag groups whose every tag is shown.
  boost::shared_ptr<vantor::PropertyAbstract<std::vector<std::string>>> tagGroupsToShow() const
  {
    return m_tagGroupsToShow;
  }

  /// The tags to show, then the tags of the groups to show (groups the project does not have
  /// are skipped), each once, in that order.
  std::vector<std::string> allTagsToShow() const;
  /// Whether an image with these tags is shown: its first tag must be among allTagsToShow.
  static bool admits(const std::vector<std::string>& imageTags,
    const std::vector<std::string>& allTags);

private:
  boost::shared_ptr<vantor::PropertyAbstract<uint64_t>> m_zoom;
  boost::shared_ptr<vantor::PropertyAbstract<bool>> m_showLabels;
  boost::shared_ptr<vantor::PropertyAbstract<std::vector<WeakPtr<Variable>>>> m_variablesInLabel;
  boost::shared_ptr<vantor::PropertyAbstract<std::vector<std::string>>> m_tagsToShow;
  boost::shared_ptr<vantor::PropertyAbstract<std::vector<std::string>>> m_tagGroupsToShow;
};

/// The thumbnail box of a zoom level: 64 x 48 pixels at 0, a quarter larger each level.
QSize zoomLevelToImageSize(uint64_t zoomLevel);
