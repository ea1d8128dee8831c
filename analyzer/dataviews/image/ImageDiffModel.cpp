#include "analyzer/dataviews/image/ImageDiffModel.h"

#include "analyzer/dataviews/image/ImageDifference.h"
#include "host/core/SignalConnectionCollection.h"
#include "host/imagesupport/LabelMaker.h"
#include "host/project/AuxFile.h"
#include "host/project/Project.h"
#include "host/viewsupport/ImageFileLoaderInterface.h"

#include <optional>

const char* const ImageDiffModel::differentSizesText = "Cannot compare images of different sizes.";

struct ImageDiffModel::Impl
{
  ImageDiffModel& model;
  boost::shared_ptr<ImageFileLoaderInterface> loader;
  boost::shared_ptr<LabelMaker> labelMaker;
  QImage referenceImage;
  AuxFilePtr reference;
  mutable std::vector<std::optional<QImage>> differences;
  mutable std::vector<std::optional<QImage>> comparedImages;
  const std::vector<AuxFilePtr>& compared;
  bool showLabels;
  PropertyPtr<std::vector<VariablePtr>> labelVariables;
  SignalConnectionCollection connections;

  Impl(ImageDiffModel& owner,
    boost::shared_ptr<ImageFileLoaderInterface> l,
    boost::shared_ptr<LabelMaker> maker,
    AuxFilePtr r,
    const std::vector<AuxFilePtr>& c,
    bool labels,
    PropertyPtr<std::vector<VariablePtr>> variables)
    : model(owner)
    , loader(std::move(l))
    , labelMaker(std::move(maker))
    , reference(std::move(r))
    , compared(c)
    , showLabels(labels)
    , labelVariables(std::move(variables))
  {
    referenceImage = load(reference);
    resetCaches();
  }

  QImage load(const AuxFilePtr& image) const
  {
    const auto auxFile = image.lock();
    return auxFile ? QImage(loader->load(QString::fromStdString(auxFile->filePath()))) : QImage();
  }

  void resetCaches()
  {
    differences.assign(compared.size(), std::nullopt);
    comparedImages.assign(compared.size(), std::nullopt);
  }

  const QImage& comparedImage(std::size_t i) const
  {
    if (!comparedImages[i])
      comparedImages[i] = load(compared[i]);
    return *comparedImages[i];
  }

  const QImage& difference(std::size_t i) const
  {
    if (!differences[i])
      differences[i] = ImageDifference::compute(referenceImage, comparedImage(i));
    return *differences[i];
  }

  QString labelOf(const AuxFilePtr& image) const
  {
    const auto auxFile = image.lock();
    if (!showLabels || !auxFile)
      return QString();
    const std::vector<VariablePtr> variables =
      labelVariables ? labelVariables->value() : std::vector<VariablePtr>();
    return QString::fromStdString(labelMaker->label(variables, auxFile->record(), "  "));
  }

  QVariant cell(int row, int column, int role) const
  {
    if (column == 0)
    {
      if (row != 0)
        return role == Qt::DisplayRole ? QVariant(QString()) : QVariant();
      return role == Qt::DecorationRole ? QVariant(referenceImage) : QVariant(labelOf(reference));
    }
    const std::size_t i = static_cast<std::size_t>(column - 1);
    const QImage& image = row == 0 ? comparedImage(i) : difference(i);
    if (role == Qt::DecorationRole)
      return image.isNull() ? QVariant() : QVariant(image);
    // An image that cannot be compared says so above its empty difference too.
    return difference(i).isNull() ? QString::fromLatin1(differentSizesText) : labelOf(compared[i]);
  }

  void refreshAll()
  {
    Q_EMIT model.dataChanged(
      model.index(0, 0), model.index(model.rowCount() - 1, model.columnCount() - 1));
  }
};

ImageDiffModel::ImageDiffModel(boost::shared_ptr<ImageFileLoaderInterface> loader,
  boost::shared_ptr<LabelMaker> labelMaker,
  AuxFilePtr reference,
  const std::vector<AuxFilePtr>& compared,
  bool showLabels,
  PropertyPtr<std::vector<VariablePtr>> labelVariables,
  QObject* parent)
  : QAbstractTableModel(parent)
  , m_impl(std::make_unique<Impl>(*this,
      std::move(loader),
      std::move(labelMaker),
      std::move(reference),
      compared,
      showLabels,
      std::move(labelVariables)))
{
  auto refresh = [this] { m_impl->refreshAll(); };
  m_impl->connections.add(Project::project().signalProjectChanged.connect(
    [refresh](const TransactionRecord&) { refresh(); }));
  if (m_impl->labelVariables)
    m_impl->connections.add(m_impl->labelVariables->signalPropertyChanged.connect(refresh));
}

ImageDiffModel::~ImageDiffModel() = default;

int ImageDiffModel::rowCount(const QModelIndex& parent) const
{
  return parent.isValid() ? 0 : 2;
}

int ImageDiffModel::columnCount(const QModelIndex& parent) const
{
  return parent.isValid() ? 0 : static_cast<int>(m_impl->compared.size()) + 1;
}

QVariant ImageDiffModel::data(const QModelIndex& index, int role) const
{
  if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::DecorationRole))
    return QVariant();
  return m_impl->cell(index.row(), index.column(), role);
}

void ImageDiffModel::comparedChanged()
{
  beginResetModel();
  m_impl->resetCaches();
  endResetModel();
}

void ImageDiffModel::suspend()
{
  m_impl->connections.block();
}

void ImageDiffModel::resume()
{
  m_impl->connections.unblock();
  m_impl->refreshAll();
}
