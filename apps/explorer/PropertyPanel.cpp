#include "apps/explorer/PropertyPanel.h"

#include "analyzer/dataviews/DataViewInterface.h"
#include "analyzer/dataviews/ImageDiffViewInterface.h"
#include "analyzer/dataviews/ImageMatrixViewInterface.h"
#include "analyzer/dataviews/LinePlotInterface.h"
#include "analyzer/dataviews/ScatterPlot2DInterface.h"
#include "analyzer/dataviews/ScatterPlot3DInterface.h"
#include "analyzer/dataviews/SelectedImageViewInterface.h"
#include "analyzer/dataviews/TableViewInterface.h"
#include "analyzer/dataviews/line/LinePlot.h"
#include "apps/explorer/ImageViewEditors.h"
#include "apps/explorer/PropertyEditors.h"
#include "apps/explorer/ValueDistributionEditor.h"
#include "host/viewsupport/AxisDetailsInterface.h"
#include "host/viewsupport/DataViewVisitorAbstract.h"
#include "host/viewsupport/ImageMatrixViewProperties.h"

#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace
{

// Adds one editor row per setting of the visited kind of view.
class EditorCollector : public DataViewVisitorAbstract
{
public:
  EditorCollector(QFormLayout& layout, QWidget& parent)
    : DataViewVisitorAbstract(AcceptAnyView)
    , m_layout(layout)
    , m_parent(parent)
  {
  }

  using DataViewVisitorAbstract::visit;
  void visit(boost::shared_ptr<TableViewInterface> view) override
  {
    add("Use Filters", view->useFilters());
  }

  void visit(boost::shared_ptr<SelectedImageViewInterface> view) override
  {
    add("Append Selection", view->appendSelection());
    ImageViewEditors::addViewSettings(m_layout, m_parent, *view->properties());
  }

  void visit(boost::shared_ptr<ImageMatrixViewInterface> view) override
  {
    ImageViewEditors::addViewSettings(m_layout, m_parent, *view->properties());
    ImageViewEditors::addLayoutSettings(m_layout, m_parent, *view->properties());
  }

  void visit(boost::shared_ptr<ImageDiffViewInterface> view) override { add("Zoom", view->zoom()); }

  void visit(boost::shared_ptr<ScatterPlot3DInterface> view) override
  {
    addMouseMode(*view);
    addNumeric("X Variable", view->xVar());
    addNumeric("Y Variable", view->yVar());
    addNumeric("Z Variable", view->zVar());
    add("Color by Variable", view->colorByData());
    addNumeric("Color Variable", view->colorVar());
    add("Color", view->color());
    add("Size by Data", view->sizeByData());
    addNumeric("Size Variable", view->sizeVar());
    add("Size", view->scalingFactor());
    addEnum("Shape", view->shape(), { "Sphere", "Cube" });
    add("Show Surrogate Model", view->derivedDataShow());
    add("Surrogate Model Color", view->derivedDataColor());
    add("Translucency", view->derivedDataTranslucency());
    addAxes(view->axisDetails());
    if (const auto distribution = view->surrogateModelUserDistCollection())
      m_layout.addRow("Value Distribution", new ValueDistributionEditor(distribution, &m_parent));
  }

  void visit(boost::shared_ptr<ScatterPlot2DInterface> view) override
  {
    addMouseMode(*view);
    addNumeric("X Variable", view->xVar());
    addNumeric("Y Variable", view->yVar());
    addEnum("Coloring Type", view->coloringType(), { "Solid Color", "By Variable", "By Rules" });
    addNumeric("Color Variable", view->colorVar());
    add("Color", view->color());
    add("Size", view->scalingFactor());
    addAxes(view->axisDetails());
  }

  void visit(boost::shared_ptr<LinePlotInterface> view) override
  {
    addMouseMode(*view);
    addNumeric("X Variable", view->xVar());
    addNumeric("Y Variable", view->yVar());
    add("Sort By", view->sortBy());
    add("Show Legend", view->showLegend());
    add("Show Lines", view->showLines());
    if (auto linePlot = boost::dynamic_pointer_cast<LinePlot>(view))
      add("Line Color", linePlot->lineColor());
    add("Color By Data", view->colorByData());
    add("Color Variable", view->colorVar());
    add("Symbol By Data", view->symbolByData());
    add("Symbol Variable", view->symbolVar());
    addEnum("Symbol Shape",
      view->symbolShape(),
      { "None", "Cross", "Plus", "Square", "Circle", "Diamond" });
    add("Symbol Size", view->symbolSize());
    add("Show Surrogate Model", view->showDerivedData());
    add("Surrogate Model Line Color", view->derivedDataLineColor());
    addAxes(view->axisDetails());
    if (const auto distribution = view->surrogateModelUserDistCollection())
      m_layout.addRow("Value Distribution", new ValueDistributionEditor(distribution, &m_parent));
  }

private:
  template<class T>
  void add(const QString& label, const PropertyPtr<T>& property)
  {
    if (property)
      m_layout.addRow(label, PropertyEditors::makeEditor(property, &m_parent));
  }

  // Axes and colour ramps place cases by numbers: text variables are not offered.
  void addNumeric(const QString& label, const PropertyPtr<VariablePtr>& property)
  {
    if (property)
      m_layout.addRow(label,
        PropertyEditors::makeEditor(property, &m_parent, PropertyEditors::VariableChoice::Numeric));
  }

  template<class E>
  void addEnum(const QString& label, const PropertyPtr<E>& property, const QStringList& names)
  {
    if (property)
      m_layout.addRow(label, PropertyEditors::makeEnumEditor(property, names, &m_parent));
  }

  void addMouseMode(DataViewInterface& view)
  {
    addEnum("Mouse Mode", view.mouseMode(), { "Select", "Pan", "Zoom", "Rotate" });
  }

  void addAxes(const AxisDetailsList& axes)
  {
    const QStringList names = { "X", "Y", "Z" };
    for (std::size_t i = 0; i < axes.size() && i < static_cast<std::size_t>(names.size()); ++i)
    {
      const QString axis = names[static_cast<int>(i)] + " Axis ";
      add(axis + "Minimum", axes[i]->min());
      add(axis + "Maximum", axes[i]->max());
      add(axis + "Custom Grid Spacing", axes[i]->useCustomGridSpacing());
      add(axis + "Grid Spacing", axes[i]->gridSpacing());
      add(axis + "Bounds Minimum", axes[i]->boundsMin());
      add(axis + "Bounds Maximum", axes[i]->boundsMax());
    }
  }

  QFormLayout& m_layout;
  QWidget& m_parent;
};

} // namespace

PropertyPanel::PropertyPanel(QWidget* parent)
  : QWidget(parent)
{
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addStretch();
  clear();
}

void PropertyPanel::showView(const boost::shared_ptr<DataViewInterface>& view)
{
  clear();
  if (!view)
  {
    m_layout->addRow(new QLabel(QStringLiteral("Open a view to see its settings."), m_form));
    return;
  }
  EditorCollector collector(*m_layout, *m_form);
  view->accept(collector);
  if (m_layout->rowCount() == 0)
    m_layout->addRow(new QLabel(QStringLiteral("This view has no settings."), m_form));
}

void PropertyPanel::clear()
{
  delete m_form;
  m_form = new QWidget(this);
  m_layout = new QFormLayout(m_form);
  static_cast<QVBoxLayout*>(layout())->insertWidget(0, m_form);
}

int PropertyPanel::rowCount() const
{
  return m_layout->rowCount();
}
