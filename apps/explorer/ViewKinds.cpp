#include "apps/explorer/ViewKinds.h"

#include "analyzer/dataviews/DataViewInterface.h"
#include "analyzer/dataviews/DataViewManagerInterface.h"
#include "analyzer/dataviews/DataViewVisitorInterface.h"
#include "analyzer/dataviews/ImageMatrixViewInterface.h"
#include "analyzer/dataviews/LinePlotInterface.h"
#include "analyzer/dataviews/ScatterPlot2DInterface.h"
#include "analyzer/dataviews/ScatterPlot3DInterface.h"
#include "analyzer/dataviews/SelectedCasesViewInterface.h"
#include "analyzer/dataviews/SelectedImageViewInterface.h"
#include "analyzer/dataviews/TableViewInterface.h"
#include "host/core/ExceptionBase.h"

#include <algorithm>

namespace
{

class KindNamer : public DataViewVisitorInterface
{
public:
  void visit(boost::shared_ptr<TableViewInterface>) override { name = "table"; }
  void visit(boost::shared_ptr<SelectedImageViewInterface>) override { name = "selected-images"; }
  void visit(boost::shared_ptr<SelectedCasesViewInterface>) override { name = "selected-cases"; }
  void visit(boost::shared_ptr<ScatterPlot3DInterface>) override { name = "scatter3d"; }
  void visit(boost::shared_ptr<ScatterPlot2DInterface>) override { name = "scatter2d"; }
  void visit(boost::shared_ptr<LinePlotInterface>) override { name = "line"; }
  void visit(boost::shared_ptr<ImageMatrixViewInterface>) override { name = "images"; }
  void visit(boost::shared_ptr<ImageDiffViewInterface>) override { name = "image-diff"; }

  QString name;
};

} // namespace

// A kind becomes available here when its view lands in the library.
const std::vector<ViewKinds::Kind>& ViewKinds::all()
{
  static const std::vector<Kind> kinds = {
    { "table", "Table", true },
    { "selected-cases", "Selected Cases", true },
    { "scatter3d", "3D Scatter Plot", true },
    { "scatter2d", "2D Scatter Plot", true },
    { "line", "Line Plot", true },
    { "images", "Image Matrix", true },
    { "selected-images", "Selected Images", true },
  };
  return kinds;
}

const ViewKinds::Kind* ViewKinds::find(const QString& name)
{
  const auto& kinds = all();
  const auto found =
    std::find_if(kinds.begin(), kinds.end(), [&](const Kind& kind) { return kind.name == name; });
  return found == kinds.end() ? nullptr : &*found;
}

QStringList ViewKinds::names()
{
  QStringList names;
  for (const auto& kind : all())
    names << kind.name;
  return names;
}

boost::shared_ptr<DataViewInterface> ViewKinds::add(const QString& name,
  DataViewManagerInterface& manager,
  QWidget& selectedCasesParent,
  const std::set<uint64_t>& selection)
{
  if (name == "table")
    return manager.addTableView();
  if (name == "selected-cases")
    return manager.addSelectedCasesView(selectedCasesParent);
  if (name == "scatter3d")
    return manager.add3DScatterView();
  if (name == "scatter2d")
    return manager.add2DScatterView();
  if (name == "line")
    return manager.addLinePlot();
  if (name == "images")
    return manager.addImageView();
  if (name == "selected-images")
    return manager.addSelectedImageView(selection);
  throw vantor::ExceptionBase("There is no kind of view called \"" + name.toStdString() + "\".");
}

QString ViewKinds::nameOf(DataViewInterface& view)
{
  KindNamer namer;
  view.accept(namer);
  return namer.name;
}
