#include "analyzer/dataviews/serialize/ViewCollectionSerializer.h"

#include "analyzer/dataviews/DataViewManagerInterface.h"
#include "analyzer/dataviews/ImageMatrixViewInterface.h"
#include "analyzer/dataviews/LinePlotInterface.h"
#include "analyzer/dataviews/ScatterPlot2DInterface.h"
#include "analyzer/dataviews/ScatterPlot3DInterface.h"
#include "analyzer/dataviews/SelectedCasesViewInterface.h"
#include "analyzer/dataviews/SelectedImageViewInterface.h"
#include "analyzer/dataviews/TableViewInterface.h"
#include "analyzer/dataviews/serialize/SelectedCasesViewFinder.h"

#include <QDomDocument>
#include <QDomElement>

ViewCollectionSerializer::ViewCollectionSerializer(
  boost::shared_ptr<DataViewManagerInterface> manager)
  : Serializer("Views")
  , m_manager(std::move(manager))
{
  addFactories();
}

namespace
{

// The image difference view is made from a choice of images, not from settings: no factory.
const char* const imageDifferenceViewName = "ImageDiffView";

} // namespace

void ViewCollectionSerializer::addFactories()
{
  DataViewManagerInterface* manager = m_manager.get();
  m_factories = {
    { "SelectedCasesView", [manager] { return selectedCasesView(*manager); } },
    { "ImageView", [manager] { return manager->addImageView(); } },
    { "LinePlotView", [manager] { return manager->addLinePlot(); } },
    { "Scatter2DView", [manager] { return manager->add2DScatterView(); } },
    { "Scatter3DView", [manager] { return manager->add3DScatterView(); } },
    { "SelectedImageView", [manager] { return manager->addSelectedImageView({}); } },
    { "TableView", [manager] { return manager->addTableView(); } },
  };
}

bool ViewCollectionSerializer::isViewKind(const std::string& elementName) const
{
  return m_factories.count(elementName) != 0 || elementName == imageDifferenceViewName;
}

void ViewCollectionSerializer::serializeSelf(QDomElement& element) const
{
  QDomDocument document = element.ownerDocument();
  for (const auto& view : m_manager->dataViews())
    element.appendChild(view->serializer().serialize(document));
}

void ViewCollectionSerializer::deserializeSelf(QDomElement& element) const
{
  for (QDomElement child = element.firstChildElement(); !child.isNull();
       child = child.nextSiblingElement())
  {
    if (const auto view = viewFor(child))
      view->serializer().deserialize(child);
  }
}

boost::shared_ptr<DataViewInterface> ViewCollectionSerializer::viewFor(
  const QDomElement& element) const
{
  const auto factory = m_factories.find(element.tagName().toStdString());
  if (factory == m_factories.end())
    return {};
  return factory->second();
}
