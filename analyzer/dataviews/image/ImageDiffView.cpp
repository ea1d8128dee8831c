#include "analyzer/dataviews/image/ImageDiffView.h"

#include "analyzer/dataviews/DataViewManagerInterface.h"
#include "analyzer/dataviews/DataViewVisitorInterface.h"
#include "analyzer/dataviews/image/ImageDiffModel.h"
#include "host/core/DeleteSignaler.h"
#include "host/core/SignalConnectionCollection.h"
#include "host/imagesupport/ImageStyleSheets.h"
#include "host/imagesupport/ImageViewItemDelegate.h"
#include "host/imagesupport/LabelMaker.h"
#include "host/imagesupport/QImageTableView.h"
#include "host/imagesupport/SelectionBroadcaster.h"
#include "host/project/Project.h"
#include "host/serialization/NullSerializer.h"
#include "host/viewsupport/ImageViewProperties.h"
#include "property/Property.h"

#include <QHeaderView>
#include <QPointer>
#include <QVBoxLayout>
#include <algorithm>
#include <boost/make_shared.hpp>
#include <map>

namespace
{

/// The form "ImageDiffView": a two-row image table without grid or headers.
QImageTableView* setUpForm(QWidget& form)
{
  if (form.objectName().isEmpty())
    form.setObjectName(QStringLiteral("ImageDiffView"));
  form.resize(400, 300);
  form.setWindowTitle(QStringLiteral("Form"));
  auto* layout = new QVBoxLayout(&form);
  layout->setObjectName(QStringLiteral("verticalLayout"));
  layout->setContentsMargins(0, 0, 0, 0);
  auto* table = new QImageTableView(&form);
  table->setObjectName(QStringLiteral("tableView"));
  table->setShowGrid(false);
  table->horizontalHeader()->setVisible(false);
  table->verticalHeader()->setVisible(false);
  layout->addWidget(table);
  return table;
}

} // namespace

struct ImageDiffView::Impl
{
  ImageDiffView& view;
  std::string title = "Image Difference View";
  boost::shared_ptr<ImageViewProperties> properties = boost::make_shared<ImageViewProperties>();
  std::vector<AuxFilePtr> compared;
  std::map<uint64_t, uint64_t> caseOfImage;
  AuxFilePtr reference;
  std::unique_ptr<ImageDiffModel> model;
  QPointer<QImageTableView> table;
  QPointer<ImageViewItemDelegate> delegate;
  std::unique_ptr<SelectionBroadcaster> broadcaster;
  SignalConnectionCollection connections;
  DataViewManagerInterface* manager;
  boost::signals2::scoped_connection managerGone;
  boost::shared_ptr<vantor::Property<MouseMode>> mouseMode =
    boost::make_shared<vantor::Property<MouseMode>>(Select);

  Impl(ImageDiffView& owner, AuxFilePtr r, std::vector<AuxFilePtr> c, DataViewManagerInterface& m)
    : view(owner)
    , compared(std::move(c))
    , reference(std::move(r))
    , manager(&m)
  {
    for (const auto& image : compared)
      if (const auto auxFile = image.lock())
        caseOfImage.emplace(image.id(), auxFile->record().id());
    if (auto* signaler = dynamic_cast<DeleteSignaler*>(&m))
      managerGone = signaler->signalDeleted.connect([this] { manager = nullptr; });
  }

  void zoomed(uint64_t zoom)
  {
    if (!table || !delegate)
      return;
    delegate->setImageSize(zoomLevelToImageSize(zoom));
    table->updateSectionSizes();
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
  }

  void broadcast()
  {
    if (!view.signalSelectedImagesChanged.empty())
      view.signalSelectedImagesChanged(view.selectedAuxFiles());
  }

  /// Images erased while the view was suspended.
  void dropGoneImages()
  {
    const std::size_t before = compared.size();
    compared.erase(
      std::remove_if(
        compared.begin(), compared.end(), [](const AuxFilePtr& image) { return !image.lock(); }),
      compared.end());
    if (compared.size() == before)
      return;
    model->comparedChanged();
    broadcast();
  }

  void projectChanged(const TransactionRecord& change)
  {
    // An erased record's files cannot be locked any more: their cases were noted beforehand.
    const auto erased = [&](const AuxFilePtr& image)
    {
      const auto caseId = caseOfImage.find(image.id());
      return caseId != caseOfImage.end() &&
             std::find(change.erasedRecords.begin(), change.erasedRecords.end(), caseId->second) !=
               change.erasedRecords.end();
    };
    const std::size_t before = compared.size();
    compared.erase(std::remove_if(compared.begin(), compared.end(), erased), compared.end());
    if (compared.size() != before)
    {
      model->comparedChanged();
      broadcast();
    }
    const bool referenceErased =
      std::find(change.erasedAuxFiles.begin(), change.erasedAuxFiles.end(), reference.id()) !=
      change.erasedAuxFiles.end();
    if (referenceErased && manager)
      manager->removeView(view.shared_from_this());
  }
};

ImageDiffView::ImageDiffView(QWidget& parent,
  AuxFilePtr reference,
  const std::vector<AuxFilePtr>& compared,
  bool showLabels,
  PropertyPtr<std::vector<VariablePtr>> labelVariables,
  boost::shared_ptr<ImageFileLoaderInterface> loader,
  DataViewManagerInterface& manager)
  : DataViewAbstract(std::make_unique<NullSerializer>(), nullptr)
  , m_impl(std::make_unique<Impl>(*this, std::move(reference), compared, manager))
{
  m_impl->connections.add(m_impl->properties->zoom()->signalValueChanged.connect(
    [this](const uint64_t& zoom) { m_impl->zoomed(zoom); }));
  m_impl->model = std::make_unique<ImageDiffModel>(std::move(loader),
    boost::make_shared<LabelMaker>(),
    m_impl->reference,
    m_impl->compared,
    showLabels,
    std::move(labelVariables));

  m_impl->table = setUpForm(parent);
  m_impl->table->setStyleSheet(imageTableViewStylesheet());
  m_impl->table->setModel(m_impl->model.get());
  m_impl->delegate = new ImageViewItemDelegate(m_impl->table);
  m_impl->table->setImageDelegate(m_impl->delegate);
  m_impl->table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  m_impl->table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  m_impl->zoomed(m_impl->properties->zoom()->value());

  m_impl->broadcaster = std::make_unique<SelectionBroadcaster>(*m_impl->table->selectionModel());
  m_impl->connections.add(
    m_impl->broadcaster->signalSelectionChanged.connect([this] { m_impl->broadcast(); }));
  m_impl->connections.add(Project::project().signalProjectChanged.connect(
    [this](const TransactionRecord& change) { m_impl->projectChanged(change); }));
}

ImageDiffView::~ImageDiffView()
{
  m_impl->broadcaster.reset();
  if (m_impl->table)
    m_impl->table->setModel(nullptr);
}

std::string ImageDiffView::title() const
{
  return m_impl->title;
}

void ImageDiffView::accept(DataViewVisitorInterface& visitor)
{
  visitor.visit(boost::static_pointer_cast<ImageDiffViewInterface>(shared_from_this()));
}

void ImageDiffView::adjustSelectionForMouseClickAtPoint() {}

boost::shared_ptr<vantor::PropertyAbstract<DataViewInterface::MouseMode>> ImageDiffView::mouseMode()
{
  return m_impl->mouseMode;
}

void ImageDiffView::render() {}

void ImageDiffView::suspend()
{
  m_impl->connections.block();
  m_impl->model->suspend();
}

void ImageDiffView::resume()
{
  m_impl->connections.unblock();
  m_impl->dropGoneImages();
  m_impl->model->resume();
  m_impl->zoomed(m_impl->properties->zoom()->value());
}

boost::shared_ptr<vantor::PropertyAbstract<uint64_t>> ImageDiffView::zoom()
{
  return m_impl->properties->zoom();
}

std::vector<AuxFilePtr> ImageDiffView::selectedAuxFiles() const
{
  std::vector<AuxFilePtr> images;
  if (!m_impl->table)
    return images;
  std::vector<int> columns;
  for (const QModelIndex& index : m_impl->table->selectionModel()->selectedIndexes())
  {
    const int column = index.column();
    if (column > 0 && std::find(columns.begin(), columns.end(), column) == columns.end())
    {
      columns.push_back(column);
      images.push_back(m_impl->compared[static_cast<std::size_t>(column - 1)]);
    }
  }
  return images;
}

const std::vector<AuxFilePtr>& ImageDiffView::comparedAuxFiles() const
{
  return m_impl->compared;
}

QImageTableView* ImageDiffView::tableView() const
{
  return m_impl->table.data();
}
