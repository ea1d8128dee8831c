#include "analyzer/dataviews/image/ImageListView.h"

#include "analyzer/dataviews/image/ImageListModel.h"
#include "analyzer/dataviews/image/ImageListProxyModel.h"
#include "host/core/SignalConnectionCollection.h"
#include "host/imagesupport/AuxFileImageData.h"
#include "host/imagesupport/ImageStyleSheets.h"
#include "host/imagesupport/ImageViewItemDelegate.h"
#include "host/imagesupport/ModifiedObserver.h"
#include "host/imagesupport/ScalingImageLoader.h"
#include "host/imagesupport/SelectionBroadcaster.h"
#include "host/viewsupport/ImageViewProperties.h"

#include <QListView>
#include <QPointer>
#include <QVBoxLayout>
#include <boost/make_shared.hpp>
#include <vtkTableAlgorithm.h>

namespace
{

/// The form "ImageListView": a wrapping icon list filling the parent.
QListView* setUpForm(QWidget& form)
{
  if (form.objectName().isEmpty())
    form.setObjectName(QStringLiteral("ImageListView"));
  form.resize(508, 394);
  form.setWindowTitle(QStringLiteral("Form"));
  auto* layout = new QVBoxLayout(&form);
  layout->setObjectName(QStringLiteral("verticalLayout"));
  layout->setContentsMargins(0, 0, 0, 0);
  auto* list = new QListView(&form);
  list->setObjectName(QStringLiteral("listView"));
  list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list->setTextElideMode(Qt::ElideNone);
  list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
  list->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  list->setMovement(QListView::Static);
  list->setProperty("isWrapping", true);
  list->setResizeMode(QListView::Adjust);
  list->setLayoutMode(QListView::Batched);
  list->setViewMode(QListView::IconMode);
  list->setUniformItemSizes(true);
  list->setBatchSize(10);
  list->setWordWrap(true);
  layout->addWidget(list);
  return list;
}

} // namespace

struct ImageListView::Impl
{
  ImageListView& owner;
  QPointer<ImageViewItemDelegate> delegate;
  vtkSmartPointer<vtkTableAlgorithm> table;
  QPointer<QListView> list;
  boost::shared_ptr<ScalingImageLoader> loader;
  std::unique_ptr<ImageListModel> model;
  std::unique_ptr<ImageListProxyModel> proxy;
  ModifiedObserver observer;
  SignalConnectionCollection connections;
  std::unique_ptr<SelectionBroadcaster> broadcaster;

  Impl(ImageListView& o,
    vtkSmartPointer<vtkTableAlgorithm> t,
    boost::shared_ptr<ImageFileLoaderInterface> l,
    boost::shared_ptr<ImageViewProperties> properties)
    : owner(o)
    , table(std::move(t))
    , loader(boost::make_shared<ScalingImageLoader>(std::move(l)))
    , model(std::make_unique<ImageListModel>(table, loader, std::move(properties)))
    , proxy(std::make_unique<ImageListProxyModel>(*model))
    , observer([this] { refreshGrid(); })
  {
    observer.observe(table, -1.0f);
  }

  void refreshGrid()
  {
    if (!list || !delegate)
      return;
    list->setGridSize(delegate->sizeHint(QStyleOptionViewItem(), proxy->index(0, 0)));
  }

  void zoomed(uint64_t zoom)
  {
    const QSize size = zoomLevelToImageSize(zoom);
    if (delegate)
      delegate->setImageSize(size);
    loader->setSize(size);
    refreshGrid();
  }

  void broadcast()
  {
    if (!owner.signalSelectedImagesChanged.empty())
      owner.signalSelectedImagesChanged(owner.selectedAuxFiles());
  }

  QModelIndexList selectedIndexes() const
  {
    return list && list->selectionModel() ? list->selectionModel()->selectedIndexes()
                                          : QModelIndexList();
  }
};

ImageListView::ImageListView(QWidget& parent,
  vtkSmartPointer<vtkTableAlgorithm> table,
  boost::shared_ptr<ImageFileLoaderInterface> loader,
  boost::shared_ptr<ImageViewProperties> properties)
  : m_impl(
      std::make_unique<Impl>(*this, std::move(table), std::move(loader), std::move(properties)))
{
  m_impl->list = setUpForm(parent);
  m_impl->list->setStyleSheet(imageListViewStylesheet());
  m_impl->delegate = new ImageViewItemDelegate(m_impl->list);
  m_impl->list->setItemDelegate(m_impl->delegate);
  m_impl->list->setModel(m_impl->proxy.get());
  m_impl->broadcaster = std::make_unique<SelectionBroadcaster>(*m_impl->list->selectionModel());
  m_impl->connections.add(
    m_impl->broadcaster->signalSelectionChanged.connect([this] { m_impl->broadcast(); }));

  const auto& props = *m_impl->model->properties();
  auto grid = [this] { m_impl->refreshGrid(); };
  m_impl->connections.add(props.variablesInLabel()->signalPropertyChanged.connect(grid));
  m_impl->connections.add(props.showLabels()->signalPropertyChanged.connect(grid));
  m_impl->connections.add(props.zoom()->signalValueChanged.connect(
    [this](const uint64_t& zoom) { m_impl->zoomed(zoom); }));
  m_impl->zoomed(props.zoom()->value());
}

ImageListView::~ImageListView()
{
  m_impl->broadcaster.reset();
  if (m_impl->list)
    m_impl->list->setModel(nullptr);
}

int ImageListView::numSelections() const
{
  return m_impl->selectedIndexes().size();
}

std::vector<boost::shared_ptr<const AuxFileImageData>> ImageListView::selectedImages() const
{
  std::vector<boost::shared_ptr<const AuxFileImageData>> images;
  for (const QModelIndex& index : m_impl->selectedIndexes())
    images.push_back(m_impl->model->imageData(m_impl->proxy->mapToSource(index)));
  return images;
}

std::vector<AuxFilePtr> ImageListView::selectedAuxFiles() const
{
  std::vector<AuxFilePtr> files;
  for (const auto& image : selectedImages())
    files.push_back(image->auxFile);
  return files;
}

std::vector<AuxFilePtr> ImageListView::displayedAuxFiles() const
{
  return m_impl->proxy->auxFiles();
}

std::vector<std::string> ImageListView::availableTags() const
{
  return m_impl->model->availableTags();
}

boost::shared_ptr<ImageViewProperties> ImageListView::properties() const
{
  return m_impl->model->properties();
}

void ImageListView::suspend()
{
  m_impl->model->suspend();
  m_impl->proxy->suspend();
  m_impl->connections.block();
  m_impl->observer.stop();
}

void ImageListView::resume()
{
  m_impl->model->resume();
  m_impl->proxy->resume();
  m_impl->connections.unblock();
  m_impl->observer.observe(m_impl->table, 0.0f);
  m_impl->zoomed(m_impl->model->properties()->zoom()->value());
}

QListView* ImageListView::listView() const
{
  return m_impl->list.data();
}
