#pragma once

#include "analyzer/dataviews/DataViewManagerInterface.h"
#include "host/core/DeleteSignaler.h"

#include <QColor>
#include <map>
#include <memory>

class DataPipelineManagerInterface;
class ImageCache;
class SelectionModelInterface;
class SurrogateModelManagerInterface;
class vtkRenderWindow;
template<class T>
class vtkSmartPointer;

/// Creates the views over one pipeline and selection, owns their container widgets, and
/// records adding and removing a view as undo steps.
class DataViewManager
  : public virtual DataViewManagerInterface
  , public DeleteSignaler
{
public:
  DataViewManager(boost::shared_ptr<const DataPipelineManagerInterface> pipeline,
    boost::shared_ptr<SurrogateModelManagerInterface> surrogateModels,
    boost::shared_ptr<SelectionModelInterface> selectionModel);
  ~DataViewManager() override;

  boost::shared_ptr<ScatterPlot3DInterface> add3DScatterView() override;
  boost::shared_ptr<TableViewInterface> addTableView() override;
  boost::shared_ptr<SelectedCasesViewInterface> addSelectedCasesView(QWidget& parent) override;
  boost::shared_ptr<ImageMatrixViewInterface> addImageView() override;
  boost::shared_ptr<SelectedImageViewInterface> addSelectedImageView(
    const std::set<uint64_t>& caseIds) override;
  boost::shared_ptr<ImageDiffViewInterface> addImageDiffView(AuxFilePtr baseImage,
    const std::vector<AuxFilePtr>& images,
    bool flag,
    boost::shared_ptr<vantor::PropertyAbstract<std::vector<VariablePtr>>> variables) override;
  boost::shared_ptr<ScatterPlot2DInterface> add2DScatterView() override;
  boost::shared_ptr<LinePlotInterface> addLinePlot() override;
  std::vector<boost::shared_ptr<DataViewInterface>> dataViews() const override;
  void removeView(boost::shared_ptr<DataViewInterface> view) override;

  boost::shared_ptr<ImageFileLoaderInterface> imageLoader() const override;
  boost::shared_ptr<TagGroupCollection> tagGroupCollection() const override;
  void setSelectionColor(const QColor& color) override;
  QColor selectionColor() const { return m_selectionColor; }

  /// Lists a removed view again at the end and announces it with its original widget.
  void restoreView(boost::shared_ptr<DataViewInterface> view);

protected:
  boost::shared_ptr<const DataPipelineManagerInterface> pipeline() const { return m_pipeline; }
  boost::shared_ptr<SurrogateModelManagerInterface> surrogateModels() const
  {
    return m_surrogateModels;
  }
  boost::shared_ptr<SelectionModelInterface> selectionModel() const { return m_selectionModel; }

  /// The last steps of creating a view whose container is a plain widget: list, register with
  /// an "Add" undo step, announce.
  void addConstructedView(boost::shared_ptr<DataViewInterface> view,
    std::unique_ptr<QWidget> container);
  /// The same for a view drawing into a render window: its drawable is created on the window.
  void addConstructedView(boost::shared_ptr<DataViewInterface> view, vtkRenderWindow& window);

  vtkSmartPointer<vtkRenderWindow> createRenderWindow();
  QWidget* createVTKDrawable(vtkRenderWindow& window);

private:
  void registerDataView(boost::shared_ptr<DataViewInterface> view, QWidget& widget);
  bool isListed(const boost::shared_ptr<DataViewInterface>& view) const;

  boost::shared_ptr<const DataPipelineManagerInterface> m_pipeline;
  boost::shared_ptr<SurrogateModelManagerInterface> m_surrogateModels;
  boost::shared_ptr<SelectionModelInterface> m_selectionModel;
  std::unique_ptr<ImageCache> m_imageCache;
  boost::shared_ptr<TagGroupCollection> m_tagGroups;
  std::map<boost::shared_ptr<DataViewInterface>, boost::shared_ptr<QWidget>> m_widgets;
  QColor m_selectionColor;
  std::vector<boost::shared_ptr<DataViewInterface>> m_views;
  boost::shared_ptr<SelectedCasesViewInterface> m_selectedCasesView;
};
