#include "analyzer/dataviews/serialize/SelectedCasesViewFinder.h"

#include "analyzer/dataviews/DataViewManagerInterface.h"
#include "analyzer/dataviews/SelectedCasesViewInterface.h"

SelectedCasesViewFinder::SelectedCasesViewFinder()
  : DataViewVisitorAbstract(AcceptAnyView)
{
}

void SelectedCasesViewFinder::visit(boost::shared_ptr<SelectedCasesViewInterface> view)
{
  if (!m_found)
    m_found = std::move(view);
}

boost::shared_ptr<SelectedCasesViewInterface> selectedCasesView(
  const DataViewManagerInterface& manager)
{
  SelectedCasesViewFinder finder;
  for (const auto& view : manager.dataViews())
  {
    view->accept(finder);
    if (finder.found())
      break;
  }
  return finder.found();
}
