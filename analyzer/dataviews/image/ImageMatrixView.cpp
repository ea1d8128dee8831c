#include "analyzer/dataviews/image/ImageMatrixView.h"

#include "analyzer/dataviews/DataViewVisitorInterface.h"
#include "analyzer/dataviews/image/DefaultTag.h"
#include "analyzer/dataviews/image/ImageViewSerializers.h"
#include "analyzer/dataviews/serialize/EnumSerializer.h"
#include "host/core/SignalConnectionCollection.h"
#include "host/imagesupport/ImageTableView.h"
#include "host/pipeline/DataPipelineManagerInterface.h"
#include "host/serialization/Serializer.h"
#include "host/serialization/VariableInfoSerializer.h"
#include "host/viewsupport/ImageMatrixViewProperties.h"
#include "property/Property.h"

#include <boost/make_shared.hpp>

const char* const ImageMatrixView::m_domName = "ImageView";

using Props = ImageMatrixViewProperties;

struct ImageMatrixView::Impl
{
  std::string title = "Matrix View";
  NamedValueTranslator<Props::RowColumnDimensionBy> rowColumnNames = Props::rowColumnNames();
  NamedValueTranslator<Props::PageDimensionBy> pageNames = Props::pageNames();
  std::unique_ptr<ImageTableView> imageTable;
  SignalConnectionCollection connections;
  boost::shared_ptr<vantor::Property<MouseMode>> mouseMode =
    boost::make_shared<vantor::Property<MouseMode>>(Select);

  void registerSerializers(Serializer& serializer, const Props& properties)
  {
    auto add = [&](boost::shared_ptr<SerializerInterface> child)
    { serializer.addSubElement(std::move(child)); };
    add(boost::make_shared<VariableInfoSerializer>("RowsBy", properties.rowVar()));
    add(boost::make_shared<EnumSerializer<Props::RowColumnDimensionBy>>(
      "DimensionRowsBy", properties.dimensionRowsBy(), rowColumnNames));
    add(boost::make_shared<VariableInfoSerializer>("ColumnsBy", properties.columnVar()));
    add(boost::make_shared<EnumSerializer<Props::RowColumnDimensionBy>>(
      "DimensionColumnsBy", properties.dimensionColumnsBy(), rowColumnNames));
    add(boost::make_shared<VariableInfoSerializer>("PageBy", properties.pageVar()));
    add(boost::make_shared<EnumSerializer<Props::PageDimensionBy>>(
      "DimensionPagesBy", properties.dimensionPagesBy(), pageNames));
    add(ImageViewSerializers::variant("PageByVarValue", properties.pageValue()));
    ImageViewSerializers::addCommonSettings(serializer, properties);
    ImageTableView* table = imageTable.get();
    add(ImageViewSerializers::scrollPosition([table] { return table->scrollPositions(); },
      [table](const std::pair<int, int>& positions) { table->setScrollPositions(positions); }));
  }
};

ImageMatrixView::ImageMatrixView(QWidget& parent,
  boost::shared_ptr<const DataPipelineManagerInterface> pipeline,
  boost::shared_ptr<SelectionModelInterface> selectionModel,
  boost::shared_ptr<ImageFileLoaderInterface> loader,
  boost::shared_ptr<ImageMatrixViewProperties> properties)
  : DataViewAbstract(std::make_unique<Serializer>(m_domName), selectionModel)
  , m_impl(std::make_unique<Impl>())
{
  DefaultTag::chooseForMatrix(*properties, *pipeline->filteredOutput());
  m_impl->imageTable = std::make_unique<ImageTableView>(
    parent, pipeline->filteredOutput(), selectionModel, std::move(loader), properties);
  m_impl->registerSerializers(static_cast<Serializer&>(serializer()), *properties);
  m_impl->connections.add(m_impl->imageTable->signalSelectedImagesChanged.connect(
    [this](const std::vector<AuxFilePtr>& images) { signalSelectedImagesChanged(images); }));
}

ImageMatrixView::~ImageMatrixView() = default;

std::string ImageMatrixView::title() const
{
  return m_impl->title;
}

void ImageMatrixView::accept(DataViewVisitorInterface& visitor)
{
  visitor.visit(boost::static_pointer_cast<ImageMatrixViewInterface>(shared_from_this()));
}

void ImageMatrixView::adjustSelectionForMouseClickAtPoint() {}

boost::shared_ptr<vantor::PropertyAbstract<DataViewInterface::MouseMode>>
ImageMatrixView::mouseMode()
{
  return m_impl->mouseMode;
}

void ImageMatrixView::render() {}

void ImageMatrixView::suspend()
{
  m_impl->connections.block();
  m_impl->imageTable->suspend();
}

void ImageMatrixView::resume()
{
  m_impl->connections.unblock();
  m_impl->imageTable->resume();
}

int ImageMatrixView::width()
{
  return m_impl->imageTable->width();
}

int ImageMatrixView::height()
{
  return m_impl->imageTable->height();
}

boost::shared_ptr<ImageMatrixViewProperties> ImageMatrixView::properties()
{
  return m_impl->imageTable->properties();
}

std::vector<AuxFilePtr> ImageMatrixView::selectedAuxFiles() const
{
  return m_impl->imageTable->selectedAuxFiles();
}

ImageTableView& ImageMatrixView::imageTable() const
{
  return *m_impl->imageTable;
}
