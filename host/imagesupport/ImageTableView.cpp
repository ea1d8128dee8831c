#include "host/imagesupport/ImageTableView.h"

#include "host/core/SignalConnectionCollection.h"
#include "host/imagesupport/AuxFileImageData.h"
#include "host/imagesupport/CaseImages.h"
#include "host/imagesupport/ImageSelectionSynchronizer.h"
#include "host/imagesupport/ImageStyleSheets.h"
#include "host/imagesupport/ImageTableModel.h"
#include "host/imagesupport/ImageViewItemDelegate.h"
#include "host/imagesupport/ModifiedObserver.h"
#include "host/imagesupport/QImageTableView.h"
#include "host/imagesupport/ScalingImageLoader.h"
#include "host/imagesupport/SelectionBroadcaster.h"
#include "host/viewsupport/ImageMatrixViewProperties.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <boost/make_shared.hpp>
#include <vtkTable.h>
#include <vtkTableAlgorithm.h>

namespace
{

/// Calls back when the watched widget changes size.
class ResizeWatcher : public QObject
{
public:
  ResizeWatcher(QWidget& watched, std::function<void()> onResize)
    : QObject(&watched)
    , m_onResize(std::move(onResize))
  {
    watched.installEventFilter(this);
  }

protected:
  bool eventFilter(QObject*, QEvent* event) override
  {
    if (event->type() == QEvent::Resize)
      m_onResize();
    return false;
  }

private:
  std::function<void()> m_onResize;
};

QString pageText(const Variant& page)
{
  return page.isNull() ? QStringLiteral("(none)") : QString::fromStdString(page.toString());
}

} // namespace

struct ImageTableView::Impl
{
  ImageTableView& owner;
  vtkSmartPointer<vtkTableAlgorithm> table;
  boost::shared_ptr<SelectionModelInterface> selectionModel;
  boost::shared_ptr<ImageMatrixViewProperties> properties;
  boost::shared_ptr<ScalingImageLoader> loader;
  QPointer<QWidget> frame;
  QPointer<QWidget> pageBar;
  QPointer<QComboBox> pages;
  QPointer<QLabel> hint;
  QPointer<QImageTableView> view;
  QPointer<ImageViewItemDelegate> delegate;
  QPointer<ImageTableModel> model;
  std::vector<WeakPtr<AuxFile>> images;
  std::unique_ptr<ImageSelectionSynchronizer> synchronizer;
  std::unique_ptr<SelectionBroadcaster> broadcaster;
  ModifiedObserver tableObserver;
  SignalConnectionCollection connections;
  std::pair<int, int> pendingScroll{ -1, -1 };
  int wrapColumns = 1;
  bool suspended = false;
  bool refreshPending = false;

  Impl(ImageTableView& o,
    vtkSmartPointer<vtkTableAlgorithm> t,
    boost::shared_ptr<SelectionModelInterface> s,
    boost::shared_ptr<ImageFileLoaderInterface> l,
    boost::shared_ptr<ImageMatrixViewProperties> p)
    : owner(o)
    , table(std::move(t))
    , selectionModel(std::move(s))
    , properties(std::move(p))
    , loader(boost::make_shared<ScalingImageLoader>(std::move(l)))
    , tableObserver([this] { scheduleRefresh(); })
  {
  }

  bool exists() const { return view && model; }

  void buildWidgets(QWidget& parent)
  {
    frame = new QWidget(&parent);
    if (!parent.layout())
    {
      auto* parentLayout = new QVBoxLayout(&parent);
      parentLayout->setContentsMargins(0, 0, 0, 0);
    }
    parent.layout()->addWidget(frame);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    pageBar = new QWidget(frame);
    auto* barLayout = new QHBoxLayout(pageBar);
    barLayout->setContentsMargins(4, 2, 4, 0);
    barLayout->addWidget(new QLabel(QStringLiteral("Page:"), pageBar));
    pages = new QComboBox(pageBar);
    pages->setObjectName(QStringLiteral("pageChooser"));
    barLayout->addWidget(pages, 1);
    layout->addWidget(pageBar);

    hint = new QLabel(frame);
    hint->setObjectName(QStringLiteral("emptyHint"));
    hint->setContentsMargins(6, 4, 6, 4);
    hint->setWordWrap(true);
    hint->hide();
    layout->addWidget(hint);

    view = new QImageTableView(frame);
    view->setObjectName(QStringLiteral("imageTable"));
    view->setStyleSheet(imageTableViewStylesheet());
    layout->addWidget(view, 1);
    model = new ImageTableModel(loader, properties, frame);
    view->setModel(model);
    delegate = new ImageViewItemDelegate(view);
    view->setImageDelegate(delegate);

    QObject::connect(
      pages, QOverload<int>::of(&QComboBox::activated), [this](int page) { choosePage(page); });
    new ResizeWatcher(*view->viewport(), [this] { viewportResized(); });
    broadcaster = std::make_unique<SelectionBroadcaster>(*view->selectionModel());
  }

  void connectProperties()
  {
    auto relayout = [this] { layOut(); };
    connections.add(properties->dimensionRowsBy()->signalPropertyChanged.connect(relayout));
    connections.add(properties->dimensionColumnsBy()->signalPropertyChanged.connect(relayout));
    connections.add(properties->dimensionPagesBy()->signalPropertyChanged.connect(relayout));
    connections.add(properties->rowVar()->signalPropertyChanged.connect(relayout));
    connections.add(properties->columnVar()->signalPropertyChanged.connect(relayout));
    connections.add(properties->pageVar()->signalPropertyChanged.connect(relayout));
    connections.add(properties->pageValue()->signalPropertyChanged.connect(relayout));
    connections.add(properties->tagsToShow()->signalPropertyChanged.connect(relayout));
    connections.add(properties->tagGroupsToShow()->signalPropertyChanged.connect(relayout));
    auto labels = [this] { labelsChanged(); };
    connections.add(properties->showLabels()->signalPropertyChanged.connect(labels));
    connections.add(properties->variablesInLabel()->signalPropertyChanged.connect(labels));
    connections.add(properties->zoom()->signalValueChanged.connect(
      [this](const uint64_t& zoom) { zoomed(zoom); }));
    connections.add(broadcaster->signalSelectionChanged.connect([this] { broadcast(); }));
  }

  /// The table announces a change while its pipeline is still being changed: read it once
  /// the change is complete.
  void scheduleRefresh()
  {
    if (refreshPending || !frame)
      return;
    refreshPending = true;
    QMetaObject::invokeMethod(
      frame,
      [this]
      {
        if (refreshPending && !suspended)
          refresh();
      },
      Qt::QueuedConnection);
  }

  void refresh()
  {
    refreshPending = false;
    if (!exists())
      return;
    table->Update();
    images = CaseImages::ofTable(table->GetOutput());
    layOut();
  }

  void layOut()
  {
    if (!exists())
      return;
    ImageMatrixLayout layout =
      ImageMatrixLayout::build(images, ImageMatrixLayout::optionsOf(*properties, wrapColumns));
    // The pipeline also announces selection changes as table changes: an unchanged layout
    // keeps the cells and what the user selected among them.
    if (layout == model->matrixLayout() && synchronizer)
    {
      model->labelsChanged();
      return;
    }
    synchronizer.reset();
    model->setLayout(std::move(layout));
    showPages();
    showHeaders();
    showHint();
    view->updateSectionSizes();
    createSynchronizer();
  }

  void createSynchronizer()
  {
    synchronizer = std::make_unique<ImageSelectionSynchronizer>(selectionModel, *view, *model);
    if (suspended)
      synchronizer->suspend();
  }

  void showPages()
  {
    const ImageMatrixLayout& layout = model->matrixLayout();
    const QSignalBlocker blocker(pages.data());
    pages->clear();
    for (const Variant& page : layout.pages())
      pages->addItem(pageText(page));
    pages->setCurrentIndex(layout.currentPage());
    pageBar->setVisible(layout.pages().size() > 1);
  }

  /// Says why the matrix is empty, when it is.
  void showHint()
  {
    QString text;
    if (images.empty())
      text = QStringLiteral("The cases shown have no image files.");
    else if (model->matrixLayout().placedImages().empty())
      text = QStringLiteral("None of the %1 images has its first tag among the tags to show.")
               .arg(images.size());
    hint->setText(text);
    hint->setVisible(!text.isEmpty());
  }

  /// Wrapped images have no column keys: no column header then.
  void showHeaders()
  {
    const ImageMatrixLayout& layout = model->matrixLayout();
    bool named = false;
    for (int column = 0; column < layout.columnCount() && !named; ++column)
      named = !layout.columnHeader(column).isEmpty();
    view->horizontalHeader()->setVisible(named);
  }

  void choosePage(int page)
  {
    const auto& all = model->matrixLayout().pages();
    if (page >= 0 && page < int(all.size()))
      properties->pageValue()->setValue(all[page]);
  }

  void labelsChanged()
  {
    if (!exists())
      return;
    model->labelsChanged();
    view->updateSectionSizes();
    updateWrap();
  }

  void zoomed(uint64_t zoom)
  {
    if (!exists())
      return;
    const QSize size = zoomLevelToImageSize(zoom);
    delegate->setImageSize(size);
    loader->setSize(size);
    view->updateSectionSizes();
    if (!updateWrap())
      view->viewport()->update();
  }

  void viewportResized()
  {
    updateWrap();
    applyPendingScroll();
  }

  /// Lays out again when wrapping images into rows and the width now fits another count.
  bool updateWrap()
  {
    if (!exists())
      return false;
    const int cellWidth = std::max(1, view->cellSize().width());
    const int fitting = std::max(1, view->viewport()->width() / cellWidth);
    if (fitting == wrapColumns)
      return false;
    wrapColumns = fitting;
    const bool wrapping =
      properties->dimensionRowsBy()->value() == ImageMatrixViewProperties::ByNothing &&
      properties->dimensionColumnsBy()->value() == ImageMatrixViewProperties::ByNothing;
    if (wrapping && !suspended)
      layOut();
    return wrapping;
  }

  void applyPendingScroll()
  {
    if (!exists() || pendingScroll.first < 0)
      return;
    view->verticalScrollBar()->setValue(pendingScroll.first);
    view->horizontalScrollBar()->setValue(pendingScroll.second);
    if (view->verticalScrollBar()->value() == pendingScroll.first &&
        view->horizontalScrollBar()->value() == pendingScroll.second)
      pendingScroll = { -1, -1 };
  }

  void broadcast()
  {
    if (!owner.signalSelectedImagesChanged.empty())
      owner.signalSelectedImagesChanged(owner.selectedAuxFiles());
  }

  std::vector<QModelIndex> selectedIndexes() const
  {
    std::vector<QModelIndex> indexes;
    if (!exists())
      return indexes;
    for (const QModelIndex& index : view->selectionModel()->selectedIndexes())
      if (!model->imageAt(index).isNull())
        indexes.push_back(index);
    return indexes;
  }
};

ImageTableView::ImageTableView(QWidget& parent,
  vtkSmartPointer<vtkTableAlgorithm> table,
  boost::shared_ptr<SelectionModelInterface> selectionModel,
  boost::shared_ptr<ImageFileLoaderInterface> loader,
  boost::shared_ptr<ImageMatrixViewProperties> properties)
  : m_impl(std::make_unique<Impl>(*this,
      std::move(table),
      std::move(selectionModel),
      std::move(loader),
      std::move(properties)))
{
  m_impl->buildWidgets(parent);
  const QSize size = zoomLevelToImageSize(m_impl->properties->zoom()->value());
  m_impl->delegate->setImageSize(size);
  m_impl->loader->setSize(size);
  m_impl->connectProperties();
  m_impl->tableObserver.observe(m_impl->table);
  m_impl->refresh();
}

ImageTableView::~ImageTableView()
{
  m_impl->synchronizer.reset();
  m_impl->broadcaster.reset();
  delete m_impl->frame.data();
}

int ImageTableView::width() const
{
  return m_impl->exists() ? m_impl->view->horizontalHeader()->length() : 0;
}

int ImageTableView::height() const
{
  return m_impl->exists() ? m_impl->view->verticalHeader()->length() : 0;
}

boost::shared_ptr<ImageMatrixViewProperties> ImageTableView::properties() const
{
  return m_impl->properties;
}

int ImageTableView::numSelections() const
{
  return static_cast<int>(m_impl->selectedIndexes().size());
}

std::vector<boost::shared_ptr<const AuxFileImageData>> ImageTableView::selectedImages() const
{
  std::vector<boost::shared_ptr<const AuxFileImageData>> images;
  for (const QModelIndex& index : m_impl->selectedIndexes())
  {
    const auto image = m_impl->model->imageAt(index);
    images.push_back(boost::make_shared<AuxFileImageData>(
      AuxFileImageData{ image, m_impl->model->labelOf(image) }));
  }
  return images;
}

std::vector<WeakPtr<AuxFile>> ImageTableView::selectedAuxFiles() const
{
  std::vector<WeakPtr<AuxFile>> images;
  for (const QModelIndex& index : m_impl->selectedIndexes())
    images.push_back(m_impl->model->imageAt(index));
  return images;
}

std::vector<WeakPtr<AuxFile>> ImageTableView::displayedAuxFiles() const
{
  return m_impl->exists() ? m_impl->model->matrixLayout().placedImages()
                          : std::vector<WeakPtr<AuxFile>>();
}

std::vector<std::string> ImageTableView::availableTags() const
{
  return CaseImages::tagsOf(m_impl->images);
}

std::pair<int, int> ImageTableView::scrollPositions() const
{
  if (!m_impl->exists())
    return { 0, 0 };
  return { m_impl->view->verticalScrollBar()->value(),
    m_impl->view->horizontalScrollBar()->value() };
}

void ImageTableView::setScrollPositions(const std::pair<int, int>& positions)
{
  // The scroll ranges may not be known until the widget is laid out: kept until they fit.
  m_impl->pendingScroll = { std::max(0, positions.first), std::max(0, positions.second) };
  m_impl->applyPendingScroll();
}

void ImageTableView::refresh()
{
  m_impl->refresh();
}

void ImageTableView::suspend()
{
  if (m_impl->suspended)
    return;
  m_impl->suspended = true;
  m_impl->connections.block();
  m_impl->tableObserver.stop();
  m_impl->loader->suspend();
  if (m_impl->synchronizer)
    m_impl->synchronizer->suspend();
}

void ImageTableView::resume()
{
  if (!m_impl->suspended)
    return;
  m_impl->suspended = false;
  m_impl->connections.unblock();
  m_impl->loader->resume();
  m_impl->tableObserver.observe(m_impl->table);
  if (m_impl->exists())
  {
    const QSize size = zoomLevelToImageSize(m_impl->properties->zoom()->value());
    m_impl->delegate->setImageSize(size);
    m_impl->loader->setSize(size);
    m_impl->view->updateSectionSizes();
  }
  m_impl->refresh();
  if (m_impl->synchronizer)
    m_impl->synchronizer->resume();
}

QImageTableView* ImageTableView::tableView() const
{
  return m_impl->view.data();
}
