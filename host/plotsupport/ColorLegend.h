#pragma once

#include "host/core/SignalConnectionCollection.h"
#include "host/core/SuspendableInterface.h"
#include "host/project/WeakPtr.h"
#include "property/PropertyAbstract.h"

#include <boost/shared_ptr.hpp>
#include <string>
#include <vtkSmartPointer.h>

class DataPipelineManagerInterface;
class NiceLabelsColorBarWidget;
class Serializer;
class Variable;
class vtkLookupTable;
class vtkRenderWindowInteractor;
class vtkVnCommandProxy;

/// The colour bar of a plot coloured by a variable: shown while colouring by data is on, titled
/// with the variable's name, and spanning the variable's values among the filtered cases, which
/// it also sets as the lookup table's range so that glyph colours and bar agree. Before each
/// render of the window its title (wrapped, in smaller type or cut short) and labels (in smaller
/// type) are fitted into the bar's box, so that they neither run off the window nor over the
/// plot beside the bar.
class ColorLegend : public SuspendableInterface
{
public:
  ColorLegend(boost::shared_ptr<vantor::PropertyAbstract<WeakPtr<Variable>>> colorVar,
    boost::shared_ptr<vantor::PropertyAbstract<bool>> colorByData,
    boost::shared_ptr<const DataPipelineManagerInterface> pipeline,
    vtkSmartPointer<vtkLookupTable> lookupTable,
    vtkSmartPointer<vtkRenderWindowInteractor> interactor,
    vtkSmartPointer<NiceLabelsColorBarWidget> widget);
  ~ColorLegend() override;
  ColorLegend(const ColorLegend&) = delete;
  ColorLegend& operator=(const ColorLegend&) = delete;

  void suspend() override;
  /// Catches up with what changed while suspended.
  void resume() override;

  bool isShown() const;
  NiceLabelsColorBarWidget& widget() const;
  /// "ColorLegend" with the bar's "Position" (X, Y, as fractions of the window).
  boost::shared_ptr<Serializer> serializer() const;

  /// Range, title, labels and visibility from the current settings and data.
  void update();

private:
  /// Title and labels into the bar's box as the window now is.
  void fitText();
  void fitTitle(double boxWidth, int dpi);
  /// Labels too wide for the room right of the bar are set in smaller type.
  void fitLabels(double boxWidth, int dpi);
  void dataRange(const Variable& variable, double range[2]) const;
  void setShown(bool shown);

  boost::shared_ptr<vantor::PropertyAbstract<WeakPtr<Variable>>> m_colorVar;
  boost::shared_ptr<vantor::PropertyAbstract<bool>> m_colorByData;
  boost::shared_ptr<const DataPipelineManagerInterface> m_pipeline;
  vtkSmartPointer<vtkLookupTable> m_lookupTable;
  vtkSmartPointer<vtkRenderWindowInteractor> m_interactor;
  vtkSmartPointer<NiceLabelsColorBarWidget> m_widget;
  /// The variable's name in full; the bar shows it fitted to its box.
  std::string m_title;
  vtkSmartPointer<vtkVnCommandProxy> m_renderObserver;
  unsigned long m_renderObserverTag = 0;
  SignalConnectionCollection m_connections;
};
