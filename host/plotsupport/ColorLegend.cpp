#include "host/plotsupport/ColorLegend.h"

#include "host/common/NumberText.h"
#include "host/pipeline/DataPipelineManagerInterface.h"
#include "host/plotsupport/NiceLabelsColorBarWidget.h"
#include "host/plotsupport/TitleFitter.h"
#include "host/project/Variable.h"
#include "host/serialization/Serializer.h"
#include "host/vtkutil/vtkVnCommandProxy.h"

#include <QDomElement>

#include <algorithm>
#include <boost/make_shared.hpp>
#include <cstdio>
#include <vector>
#include <vtkDataArray.h>
#include <vtkDoubleArray.h>
#include <vtkLookupTable.h>
#include <vtkNew.h>
#include <vtkRenderWindow.h>
#include <vtkRenderWindowInteractor.h>
#include <vtkRenderer.h>
#include <vtkRendererCollection.h>
#include <vtkScalarBarActor.h>
#include <vtkScalarBarRepresentation.h>
#include <vtkTable.h>
#include <vtkTextProperty.h>
#include <vtkTextRenderer.h>

namespace
{

const int titleFontSize = 13;
const int labelFontSize = 12;
const int smallestFontSize = 9;
/// Lower left corner and size of the bar's box, as fractions of the window.
const double defaultPosition[2] = { 0.86, 0.1 };
const double defaultSize[2] = { 0.13, 0.8 };

double textWidth(vtkTextProperty* style, const std::string& text, int fontSize, int dpi)
{
  style->SetFontSize(fontSize);
  int bounds[4] = { 0, 0, 0, 0 };
  vtkTextRenderer::GetInstance()->GetBoundingBox(style, text, bounds, dpi);
  return double(bounds[1] - bounds[0] + 1);
}

/// The bar's position as <Position X=".." Y=".."/>; a missing or unreadable attribute keeps
/// the current value.
class PositionSerializer : public Serializer
{
public:
  explicit PositionSerializer(vtkSmartPointer<vtkScalarBarRepresentation> representation)
    : Serializer("Position")
    , m_representation(std::move(representation))
  {
  }

private:
  void serializeSelf(QDomElement& element) const override
  {
    const double* position = m_representation->GetPosition();
    element.setAttribute(QStringLiteral("X"), QString::number(position[0], 'g', 17));
    element.setAttribute(QStringLiteral("Y"), QString::number(position[1], 'g', 17));
  }

  void deserializeSelf(QDomElement& element) const override
  {
    double position[2] = { m_representation->GetPosition()[0], m_representation->GetPosition()[1] };
    readCoordinate(element, QStringLiteral("X"), position[0]);
    readCoordinate(element, QStringLiteral("Y"), position[1]);
    m_representation->SetPosition(position);
  }

  static void readCoordinate(const QDomElement& element, const QString& name, double& value)
  {
    double read = 0.0;
    if (parseRealNumber(element.attribute(name).toStdString(), read) == NumberTextStatus::Ok)
      value = read;
  }

  vtkSmartPointer<vtkScalarBarRepresentation> m_representation;
};

} // namespace

ColorLegend::ColorLegend(boost::shared_ptr<vantor::PropertyAbstract<WeakPtr<Variable>>> colorVar,
  boost::shared_ptr<vantor::PropertyAbstract<bool>> colorByData,
  boost::shared_ptr<const DataPipelineManagerInterface> pipeline,
  vtkSmartPointer<vtkLookupTable> lookupTable,
  vtkSmartPointer<vtkRenderWindowInteractor> interactor,
  vtkSmartPointer<NiceLabelsColorBarWidget> widget)
  : m_colorVar(std::move(colorVar))
  , m_colorByData(std::move(colorByData))
  , m_pipeline(std::move(pipeline))
  , m_lookupTable(std::move(lookupTable))
  , m_interactor(std::move(interactor))
  , m_widget(std::move(widget))
{
  vtkScalarBarActor* bar = m_widget->GetScalarBarActor();
  bar->SetLookupTable(m_lookupTable);
  bar->SetNumberOfLabels(6);
  bar->SetLabelFormat("%g");
  for (vtkTextProperty* text : { bar->GetTitleTextProperty(), bar->GetLabelTextProperty() })
  {
    text->SetColor(0.0, 0.0, 0.0);
    text->ShadowOff();
    text->ItalicOff();
  }
  // Text scaled to the bar's box grows with the window and runs into the plot; fixed sizes stay
  // readable beside it.
  bar->SetUnconstrainedFontSize(true);
  bar->GetTitleTextProperty()->SetFontSize(titleFontSize);
  bar->GetLabelTextProperty()->SetFontSize(labelFontSize);
  bar->SetBarRatio(0.25);
  auto* representation = vtkScalarBarRepresentation::SafeDownCast(m_widget->GetRepresentation());
  representation->SetPosition(defaultPosition[0], defaultPosition[1]);
  representation->SetPosition2(defaultSize[0], defaultSize[1]);
  // Listening to the mouse, the bar's widget takes presses meant for the plot (rubber bands,
  // panning) even far from the bar; its place is set by its position instead.
  m_widget->ProcessEventsOff();
  m_widget->SetInteractor(m_interactor);
  if (vtkRenderWindow* window = m_interactor ? m_interactor->GetRenderWindow() : nullptr)
  {
    // Renders of the window itself (expose, resize) may change the room the text has.
    m_renderObserver = vtkSmartPointer<vtkVnCommandProxy>::Take(
      vtkVnCommandProxy::New(vtkVnCommandProxy::Callback([this] { fitText(); })));
    m_renderObserverTag = window->AddObserver(vtkCommand::StartEvent, m_renderObserver);
  }

  m_connections.add(m_colorVar->signalValueChanged.connect([this](const auto&) { update(); }));
  m_connections.add(m_colorByData->signalValueChanged.connect([this](bool) { update(); }));
  m_connections.add(m_pipeline->signalFilteredDataChanged.connect([this] { update(); }));
  update();
}

ColorLegend::~ColorLegend()
{
  if (vtkRenderWindow* window = m_interactor ? m_interactor->GetRenderWindow() : nullptr)
    window->RemoveObserver(m_renderObserverTag);
  if (m_widget->GetEnabled())
    m_widget->SetEnabled(0);
}

void ColorLegend::suspend()
{
  m_connections.block();
}

void ColorLegend::resume()
{
  m_connections.unblock();
  update();
}

NiceLabelsColorBarWidget& ColorLegend::widget() const
{
  return *m_widget;
}

bool ColorLegend::isShown() const
{
  return m_widget->GetEnabled() != 0;
}

boost::shared_ptr<Serializer> ColorLegend::serializer() const
{
  auto legend = boost::make_shared<Serializer>("ColorLegend");
  legend->addSubElement(boost::make_shared<PositionSerializer>(
    vtkScalarBarRepresentation::SafeDownCast(m_widget->GetRepresentation())));
  return legend;
}

void ColorLegend::update()
{
  const auto variable = m_colorVar->value().lock();
  // Text has no place on a colour ramp.
  const bool shown = m_colorByData->value() && variable && variable->isNumeric();
  if (shown)
  {
    double range[2];
    dataRange(*variable, range);
    m_lookupTable->SetTableRange(range);
    m_title = variable->name();
    m_widget->GetScalarBarActor()->SetTitle(m_title.c_str());
    m_widget->updateLabels();
  }
  setShown(shown);
}

void ColorLegend::fitText()
{
  vtkRenderer* renderer = m_widget->GetCurrentRenderer();
  if (!isShown() || !renderer)
    return;
  auto* box = vtkScalarBarRepresentation::SafeDownCast(m_widget->GetRepresentation());
  const double left = std::max(box->GetPosition()[0], 0.0);
  const double right = std::min(box->GetPosition()[0] + box->GetPosition2()[0], 1.0);
  const double width = (right - left) * renderer->GetSize()[0];
  const int dpi = renderer->GetVTKWindow()->GetDPI();
  fitTitle(width, dpi);
  fitLabels(width, dpi);
}

void ColorLegend::fitTitle(double boxWidth, int dpi)
{
  vtkScalarBarActor* bar = m_widget->GetScalarBarActor();
  vtkNew<vtkTextProperty> style;
  style->ShallowCopy(bar->GetTitleTextProperty());
  const TitleFitter fitter([&](const std::string& line, int fontSize)
    { return textWidth(style, line, fontSize, dpi); },
    titleFontSize,
    smallestFontSize);
  const TitleFitter::Fitted fitted = fitter.fit(m_title, boxWidth - 2 * bar->GetTextPad());
  bar->SetTitle(fitted.text.c_str());
  bar->GetTitleTextProperty()->SetFontSize(fitted.fontSize);
}

void ColorLegend::fitLabels(double boxWidth, int dpi)
{
  vtkScalarBarActor* bar = m_widget->GetScalarBarActor();
  std::vector<std::string> labels;
  vtkDoubleArray* values = bar->GetCustomLabels();
  for (vtkIdType i = 0; values && i < values->GetNumberOfValues(); ++i)
  {
    char text[64];
    std::snprintf(text, sizeof text, bar->GetLabelFormat(), values->GetValue(i));
    labels.emplace_back(text);
  }
  // Labels sit right of the bar, which takes its share of the box.
  const double room = boxWidth * (1.0 - bar->GetBarRatio()) - 3 * bar->GetTextPad();
  vtkNew<vtkTextProperty> style;
  style->ShallowCopy(bar->GetLabelTextProperty());
  const auto widest = [&](int fontSize)
  {
    double most = 0.0;
    for (const std::string& label : labels)
      most = std::max(most, textWidth(style, label, fontSize, dpi));
    return most;
  };
  int fontSize = labelFontSize;
  while (fontSize > smallestFontSize && widest(fontSize) > room)
    --fontSize;
  bar->GetLabelTextProperty()->SetFontSize(fontSize);
}

void ColorLegend::dataRange(const Variable& variable, double range[2]) const
{
  range[0] = variable.range().first;
  range[1] = variable.range().second;
  vtkSmartPointer<vtkTableAlgorithm> output = m_pipeline->filteredOutput();
  output->Update();
  auto* table = vtkTable::SafeDownCast(output->GetOutputDataObject(0));
  auto* column =
    table ? vtkDataArray::SafeDownCast(table->GetColumnByName(variable.name().c_str())) : nullptr;
  if (column && column->GetNumberOfTuples() > 0)
  {
    double filtered[2];
    column->GetRange(filtered, 0);
    if (filtered[0] <= filtered[1])
    {
      range[0] = filtered[0];
      range[1] = filtered[1];
    }
  }
  // A lookup table needs a range of some width.
  if (range[1] <= range[0])
  {
    range[0] -= 0.5;
    range[1] += 0.5;
  }
}

void ColorLegend::setShown(bool shown)
{
  vtkRenderWindow* window = m_interactor ? m_interactor->GetRenderWindow() : nullptr;
  vtkRenderer* renderer = window ? window->GetRenderers()->GetFirstRenderer() : nullptr;
  if (!renderer)
    return;
  if (shown == isShown())
    return;
  m_widget->SetCurrentRenderer(renderer);
  m_widget->SetEnabled(shown ? 1 : 0);
}
