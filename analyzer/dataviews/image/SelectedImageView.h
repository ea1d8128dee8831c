#pragma once

#include "analyzer/dataviews/SelectedImageViewInterface.h"
#include "host/viewsupport/DataViewAbstract.h"

#include <boost/enable_shared_from_this.hpp>
#include <cstdint>
#include <memory>
#include <set>

class ImageFileLoaderInterface;
class QWidget;
class SelectionModelInterface;

/// The images of a chosen list of cases: a list when one tag is shown, a matrix with a row per
/// tag when several are. Delete or Backspace drops the cases of the selected images.
class SelectedImageView
  : public virtual SelectedImageViewInterface
  , public DataViewAbstract
  , public boost::enable_shared_from_this<SelectedImageView>
{
public:
  static const char* const m_domName;

  SelectedImageView(QWidget& parent,
    const std::set<uint64_t>& caseIds,
    boost::shared_ptr<SelectionModelInterface> selectionModel,
    boost::shared_ptr<ImageFileLoaderInterface> loader,
    vtkSmartPointer<vtkTableAlgorithm> table);
  ~SelectedImageView() override;

  std::string title() const override;
  SerializerInterface& serializer() override { return DataViewAbstract::serializer(); }
  std::string domName() const override { return DataViewAbstract::domName(); }
  void accept(DataViewVisitorInterface& visitor) override;
  void adjustSelectionForMouseClickAtPoint() override;
  boost::shared_ptr<vantor::PropertyAbstract<MouseMode>> mouseMode() override;
  void render() override;
  void suspend() override;
  void resume() override;

  boost::shared_ptr<ImageMatrixViewProperties> properties() override;
  int numSelections() const override;
  std::vector<boost::shared_ptr<const AuxFileImageData>> selectedImages() const override;
  std::vector<AuxFilePtr> selectedAuxFiles() const override;
  std::vector<AuxFilePtr> displayedAuxFiles() const override;
  void removeSelected() override;
  boost::shared_ptr<vantor::PropertyAbstract<bool>> appendSelection() override;

  /// "Displayed Cases": the case ids shown, in order.
  boost::shared_ptr<vantor::PropertyAbstract<std::vector<uint64_t>>> displayedCases() const;
  /// Whether the images are shown as a matrix (several tags) rather than a list.
  bool isMatrixMode() const;
  /// The widget that takes the keys.
  QWidget& keyWidget() const;

private:
  struct Impl;
  std::unique_ptr<Impl> m_impl;
};
