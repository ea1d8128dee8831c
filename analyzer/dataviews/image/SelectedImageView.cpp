#include "analyzer/dataviews/image/SelectedImageView.h"

#include "analyzer/dataviews/DataViewVisitorInterface.h"
#include "analyzer/dataviews/image/CaseIDFilter.h"
#include "analyzer/dataviews/image/DefaultTag.h"
#include "analyzer/dataviews/image/ImageListView.h"
#include "analyzer/dataviews/image/ImageViewSerializers.h"
#include "analyzer/dataviews/image/KeyPressHandlingWidget.h"
#include "analyzer/dataviews/serialize/VectorSerializerInstantiations.h"
#include "host/core/SignalConnectionCollection.h"
#include "host/imagesupport/AuxFileImageData.h"
#include "host/imagesupport/ImageTableView.h"
#include "host/imagesupport/QImageTableView.h"
#include "host/project/AuxFile.h"
#include "host/project/Project.h"
#include "host/serialization/Serializer.h"
#include "host/viewsupport/ImageMatrixViewProperties.h"
#include "host/viewsupport/SelectionModel.h"
#include "property/PropertyInstantiations.h"

#include <QListView>
#include <QPointer>
#include <QVBoxLayout>
#include <algorithm>
#include <boost/make_shared.hpp>
#include <set>
#include <vtkNew.h>

const char* const SelectedImageView::m_domName = "SelectedImageView";

using Props = ImageMatrixViewProperties;

struct SelectedImageView::Impl
{
  SelectedImageView& view;
  std::string title = "Selected Image View";
  boost::shared_ptr<vantor::UndoablePropertyProxy<std::vector<uint64_t>>> displayedCases;
  boost::shared_ptr<vantor::Property<bool>> appendSelection =
    boost::make_shared<vantor::Property<bool>>(false);
  boost::shared_ptr<SelectionModelInterface> selectionModel;
  vtkNew<CaseIDFilter> filter;
  boost::shared_ptr<ImageFileLoaderInterface> loader;
  boost::shared_ptr<Props> properties = boost::make_shared<Props>();
  std::unique_ptr<ImageListView> list;
  std::unique_ptr<ImageTableView> matrix;
  boost::shared_ptr<SelectionModel> localSelection;
  QPointer<QWidget> container;
  QPointer<KeyPressHandlingWidget> keyWidget;
  SignalConnectionCollection propertyConnections;
  SignalConnectionCollection widgetConnections;
  boost::signals2::scoped_connection followSelection;
  boost::shared_ptr<vantor::Property<MouseMode>> mouseMode =
    boost::make_shared<vantor::Property<MouseMode>>(Select);
  bool suspended = false;

  Impl(SelectedImageView& owner,
    const std::set<uint64_t>& caseIds,
    boost::shared_ptr<SelectionModelInterface> selection,
    boost::shared_ptr<ImageFileLoaderInterface> l,
    vtkSmartPointer<vtkTableAlgorithm> table)
    : view(owner)
    , displayedCases(
        boost::make_shared<vantor::UndoablePropertyProxy<std::vector<uint64_t>>>("Displayed Cases",
          boost::make_shared<vantor::Property<std::vector<uint64_t>>>(
            std::vector<uint64_t>(caseIds.begin(), caseIds.end()))))
    , selectionModel(std::move(selection))
    , loader(std::move(l))
  {
    filter->setInputAlgorithm(table);
    filter->setCaseIds(displayedCases->value());
  }

  void buildFrame(QWidget& parent)
  {
    auto* layout = new QVBoxLayout(&parent);
    layout->setContentsMargins(0, 0, 0, 0);
    keyWidget = new KeyPressHandlingWidget([this] { view.removeSelected(); }, &parent);
    auto* keyLayout = new QVBoxLayout(keyWidget);
    keyLayout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(keyWidget);
  }

  /// Removes the current widget and gives a fresh container for the next.
  QWidget* replaceContainer()
  {
    widgetConnections.clear();
    list.reset();
    matrix.reset();
    localSelection.reset();
    delete container.data();
    if (!keyWidget)
      return nullptr;
    container = new QWidget(keyWidget);
    keyWidget->layout()->addWidget(container);
    return container;
  }

  void forward(boost::signals2::signal<void(const std::vector<AuxFilePtr>&)>& signal)
  {
    widgetConnections.add(signal.connect(
      [this](const std::vector<AuxFilePtr>& images) { view.signalSelectedImagesChanged(images); }));
  }

  void listMode()
  {
    QWidget* parent = replaceContainer();
    if (!parent)
      return;
    list = std::make_unique<ImageListView>(*parent, filter.Get(), loader, properties);
    keyWidget->watch(*list->listView());
    forward(list->signalSelectedImagesChanged);
  }

  void matrixMode()
  {
    if (matrix)
      return;
    {
      // Part of the change that asked for several tags.
      setIfValid(*properties->dimensionRowsBy(), Props::ByTag);
      setIfValid(*properties->rowVar(), Project::project().caseIdVariable());
      setIfValid(*properties->dimensionColumnsBy(), Props::ByNothing);
    }
    QWidget* parent = replaceContainer();
    if (!parent)
      return;
    localSelection = boost::make_shared<SelectionModel>();
    matrix =
      std::make_unique<ImageTableView>(*parent, filter.Get(), localSelection, loader, properties);
    keyWidget->watch(*matrix->tableView());
    forward(matrix->signalSelectedImagesChanged);
    view.signalSelectedImagesChanged(matrix->selectedAuxFiles());
  }

  template<class T>
  static void setIfValid(vantor::PropertyAbstract<T>& property, const T& value)
  {
    if (property.validator()->validate(value).isValid())
      property.setValue(value);
  }

  void chooseMode()
  {
    const std::size_t tags = properties->allTagsToShow().size();
    if (tags == 1 && !list)
      listMode();
    else if (tags > 1)
      matrixMode();
  }

  void appendChanged(bool append)
  {
    followSelection.disconnect();
    if (!append)
      return;
    appendSelected();
    followSelection = selectionModel->signalSelectionChanged.connect([this] { appendSelected(); });
  }

  void appendSelected()
  {
    if (suspended)
      return;
    std::vector<uint64_t> cases = displayedCases->value();
    // A set beside the list: a large selection must not cost a scan of the list per case.
    std::set<uint64_t> shown(cases.begin(), cases.end());
    for (uint64_t caseId : selectionModel->sortedSelections())
      if (shown.insert(caseId).second)
        cases.push_back(caseId);
    displayedCases->setValue(cases);
  }

  void connectProperties()
  {
    auto mode = [this] { chooseMode(); };
    propertyConnections.add(properties->tagsToShow()->signalPropertyChanged.connect(mode));
    propertyConnections.add(properties->tagGroupsToShow()->signalPropertyChanged.connect(mode));
    propertyConnections.add(displayedCases->signalValueChanged.connect(
      [this](const std::vector<uint64_t>& cases)
      {
        filter->setCaseIds(cases);
        chooseMode();
      }));
    propertyConnections.add(appendSelection->signalValueChanged.connect(
      [this](const bool& append) { appendChanged(append); }));
  }

  void registerSerializers(Serializer& serializer)
  {
    auto cases = displayedCases;
    serializer.addSubElement(boost::make_shared<VectorSerializer<uint64_t>>(
      "CaseIDs",
      [cases] { return cases->value(); },
      [cases](const std::vector<uint64_t>& ids) { cases->setValue(ids); }));
    ImageViewSerializers::addCommonSettings(serializer, *properties);
  }
};

SelectedImageView::SelectedImageView(QWidget& parent,
  const std::set<uint64_t>& caseIds,
  boost::shared_ptr<SelectionModelInterface> selectionModel,
  boost::shared_ptr<ImageFileLoaderInterface> loader,
  vtkSmartPointer<vtkTableAlgorithm> table)
  : DataViewAbstract(std::make_unique<Serializer>(m_domName), selectionModel)
  , m_impl(std::make_unique<Impl>(*this,
      caseIds,
      std::move(selectionModel),
      std::move(loader),
      std::move(table)))
{
  m_impl->buildFrame(parent);
  m_impl->listMode();
  DefaultTag::choose(*m_impl->properties, m_impl->list->availableTags());
  m_impl->connectProperties();
  m_impl->registerSerializers(static_cast<Serializer&>(serializer()));
}

SelectedImageView::~SelectedImageView()
{
  m_impl->widgetConnections.clear();
  m_impl->list.reset();
  m_impl->matrix.reset();
}

std::string SelectedImageView::title() const
{
  return m_impl->title;
}

void SelectedImageView::accept(DataViewVisitorInterface& visitor)
{
  visitor.visit(boost::static_pointer_cast<SelectedImageViewInterface>(shared_from_this()));
}

void SelectedImageView::adjustSelectionForMouseClickAtPoint() {}

boost::shared_ptr<vantor::PropertyAbstract<DataViewInterface::MouseMode>>
SelectedImageView::mouseMode()
{
  return m_impl->mouseMode;
}

void SelectedImageView::render() {}

void SelectedImageView::suspend()
{
  m_impl->suspended = true;
  m_impl->propertyConnections.block();
  m_impl->widgetConnections.block();
  m_impl->filter->suspend();
  if (m_impl->list)
    m_impl->list->suspend();
  if (m_impl->matrix)
    m_impl->matrix->suspend();
}

void SelectedImageView::resume()
{
  m_impl->suspended = false;
  m_impl->propertyConnections.unblock();
  m_impl->widgetConnections.unblock();
  m_impl->filter->resume();
  // Catch up with what changed meanwhile: cases, tags and, when appending, the selection.
  m_impl->filter->setCaseIds(m_impl->displayedCases->value());
  m_impl->chooseMode();
  if (m_impl->list)
    m_impl->list->resume();
  if (m_impl->matrix)
    m_impl->matrix->resume();
  if (m_impl->appendSelection->value())
    m_impl->appendSelected();
}

boost::shared_ptr<ImageMatrixViewProperties> SelectedImageView::properties()
{
  return m_impl->properties;
}

int SelectedImageView::numSelections() const
{
  if (m_impl->list)
    return m_impl->list->numSelections();
  return m_impl->matrix ? m_impl->matrix->numSelections() : 0;
}

std::vector<boost::shared_ptr<const AuxFileImageData>> SelectedImageView::selectedImages() const
{
  if (m_impl->list)
    return m_impl->list->selectedImages();
  return m_impl->matrix ? m_impl->matrix->selectedImages()
                        : std::vector<boost::shared_ptr<const AuxFileImageData>>();
}

std::vector<AuxFilePtr> SelectedImageView::selectedAuxFiles() const
{
  if (m_impl->list)
    return m_impl->list->selectedAuxFiles();
  return m_impl->matrix ? m_impl->matrix->selectedAuxFiles() : std::vector<AuxFilePtr>();
}

std::vector<AuxFilePtr> SelectedImageView::displayedAuxFiles() const
{
  if (m_impl->list)
    return m_impl->list->displayedAuxFiles();
  return m_impl->matrix ? m_impl->matrix->displayedAuxFiles() : std::vector<AuxFilePtr>();
}

void SelectedImageView::removeSelected()
{
  std::set<uint64_t> removed;
  for (const auto& image : selectedImages())
    if (const auto auxFile = image->auxFile.lock())
      removed.insert(auxFile->record().id());
  std::vector<uint64_t> cases = m_impl->displayedCases->value();
  cases.erase(
    std::remove_if(
      cases.begin(), cases.end(), [&](uint64_t caseId) { return removed.count(caseId) > 0; }),
    cases.end());
  m_impl->displayedCases->setValue(cases);
}

boost::shared_ptr<vantor::PropertyAbstract<bool>> SelectedImageView::appendSelection()
{
  return m_impl->appendSelection;
}

boost::shared_ptr<vantor::PropertyAbstract<std::vector<uint64_t>>>
SelectedImageView::displayedCases() const
{
  return m_impl->displayedCases;
}

bool SelectedImageView::isMatrixMode() const
{
  return static_cast<bool>(m_impl->matrix);
}

QWidget& SelectedImageView::keyWidget() const
{
  return *m_impl->keyWidget;
}
