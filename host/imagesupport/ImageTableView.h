#pragma once

#include "host/core/SuspendableInterface.h"
#include "host/project/WeakPtr.h"

#include <boost/shared_ptr.hpp>
#include <boost/signals2/signal.hpp>
#include <memory>
#include <string>
#include <utility>
#include <vector>
#include <vtkSmartPointer.h>

class AuxFile;
class ImageFileLoaderInterface;
class ImageMatrixViewProperties;
class QImageTableView;
class QWidget;
class SelectionModelInterface;
class vtkTableAlgorithm;
struct AuxFileImageData;

/// The image matrix widget: the images of the cases of a table laid out by the matrix
/// properties (with a page chooser when there are pages), thumbnails loaded off the GUI thread,
/// and the selected images kept in step with a selection model both ways. The widgets belong
/// to the parent and may die first; from then on this shows nothing and does nothing.
class ImageTableView : public SuspendableInterface
{
public:
  ImageTableView(QWidget& parent,
    vtkSmartPointer<vtkTableAlgorithm> table,
    boost::shared_ptr<SelectionModelInterface> selectionModel,
    boost::shared_ptr<ImageFileLoaderInterface> loader,
    boost::shared_ptr<ImageMatrixViewProperties> properties);
  ~ImageTableView() override;
  ImageTableView(const ImageTableView&) = delete;
  ImageTableView& operator=(const ImageTableView&) = delete;

  /// Total width of the columns and height of the rows.
  int width() const;
  int height() const;
  boost::shared_ptr<ImageMatrixViewProperties> properties() const;

  int numSelections() const;
  std::vector<boost::shared_ptr<const AuxFileImageData>> selectedImages() const;
  std::vector<WeakPtr<AuxFile>> selectedAuxFiles() const;
  /// The images placed on the current page, row by row.
  std::vector<WeakPtr<AuxFile>> displayedAuxFiles() const;
  /// Every tag of the table's images, shown or not, sorted.
  std::vector<std::string> availableTags() const;

  /// Vertical, then horizontal.
  std::pair<int, int> scrollPositions() const;
  void setScrollPositions(const std::pair<int, int>& positions);

  /// Reads the table again and lays the images out anew. Changes of the table are read by
  /// themselves, after the event that announced them.
  void refresh();
  void suspend() override;
  void resume() override;

  /// Null once the widget is gone.
  QImageTableView* tableView() const;

  boost::signals2::signal<void(const std::vector<WeakPtr<AuxFile>>&)> signalSelectedImagesChanged;

private:
  struct Impl;
  std::unique_ptr<Impl> m_impl;
};
