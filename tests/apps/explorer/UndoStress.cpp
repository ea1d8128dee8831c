#include "tests/apps/explorer/UndoStress.h"

#include "analyzer/dataviews/DataViewManager.h"
#include "analyzer/dataviews/TableViewInterface.h"
#include "apps/explorer/ExplorerWindow.h"
#include "apps/explorer/ViewArea.h"
#include "apps/explorer/ViewsDocument.h"
#include "host/core/UndoStack.h"
#include "host/pipeline/DataPipelineManager.h"
#include "host/pipeline/FilterSettingsConversion.h"
#include "host/pipeline/RangeFilter.h"
#include "host/project/Project.h"
#include "host/project/ProjectDocumentWriter.h"
#include "host/viewsupport/SelectionModel.h"

#include <QDir>
#include <QTextStream>
#include <algorithm>
#include <boost/make_shared.hpp>
#include <cstdlib>
#include <vector>

namespace
{

std::vector<WeakPtr<Variable>> numericVariables()
{
  std::vector<WeakPtr<Variable>> result;
  for (const auto& handle : Project::project().variables())
    if (!handle.lock()->isCaseId() && handle.lock()->isNumeric())
      result.push_back(handle);
  return result;
}

} // namespace

UndoStress::UndoStress(ExplorerWindow& window, uint64_t seed)
  : m_window(window)
  , m_random(seed)
{
}

uint64_t UndoStress::seedFromEnvironment()
{
  if (const char* text = std::getenv("VANTOR_STRESS_SEED"))
    return std::strtoull(text, nullptr, 10);
  return std::random_device()();
}

std::size_t UndoStress::below(std::size_t count)
{
  return std::uniform_int_distribution<std::size_t>(0, count - 1)(m_random);
}

const char* UndoStress::step()
{
  // Some steps cannot be taken in every state (no view to remove); another is drawn then.
  for (;;)
  {
    switch (below(7))
    {
      case 0:
        if (addView())
          return "add view";
        break;
      case 1:
        if (removeView())
          return "remove view";
        break;
      case 2:
        if (changeSetting())
          return "change setting";
        break;
      case 3:
        if (editCell())
          return "edit cell";
        break;
      case 4:
        if (changeFilter())
          return "change filter";
        break;
      case 5:
        if (deleteVariable())
          return "delete variable";
        break;
      default:
        if (selectCases())
          return selectCasesStep;
        break;
    }
  }
}

bool UndoStress::addView()
{
  return m_window.viewArea().count() < 6 && m_window.addView(QStringLiteral("table"));
}

bool UndoStress::removeView()
{
  ViewArea& area = m_window.viewArea();
  if (area.count() == 0)
    return false;
  area.setCurrentIndex(static_cast<int>(below(static_cast<std::size_t>(area.count()))));
  m_window.removeCurrentView();
  return true;
}

bool UndoStress::changeSetting()
{
  std::vector<boost::shared_ptr<TableViewInterface>> tables;
  for (const auto& view : m_window.manager()->dataViews())
    if (auto table = boost::dynamic_pointer_cast<TableViewInterface>(view))
      tables.push_back(table);
  if (tables.empty())
    return false;
  const auto useFilters = tables[below(tables.size())]->useFilters();
  useFilters->setValue(!useFilters->value());
  return true;
}

bool UndoStress::editCell()
{
  const auto variables = numericVariables();
  const Project& project = Project::project();
  if (variables.empty() || project.recordCount() == 0)
    return false;
  Transaction transaction = Project::project().startTransaction("Edit cell value");
  const auto variable = variables[below(variables.size())].lock(transaction);
  const auto record =
    project
      .recordAtRow(static_cast<vtkIdType>(below(static_cast<std::size_t>(project.recordCount()))))
      .lock(transaction);
  const Variant values[] = { Variant::null(), Variant::nan(), Variant(int64_t(below(100))) };
  const Variant& value = values[below(3)];
  // Writing the value a cell holds changes nothing and makes no undo step.
  if (record->data(*variable) == value ||
      (value.isNumeric() && record->data(*variable).isNumeric() &&
        record->data(*variable).doubleValue() == value.doubleValue()))
    return false;
  record->setData(transaction, *variable, value);
  return true;
}

bool UndoStress::changeFilter()
{
  DataPipelineManager& pipeline = m_window.pipeline();
  const auto filters = pipeline.allFilters();
  const auto variables = numericVariables();
  switch (below(3))
  {
    case 0:
    {
      if (variables.empty())
        return false;
      const auto& variable = variables[below(variables.size())];
      if (pipeline.filter(variable.id()))
        return false;
      const double low = static_cast<double>(below(50));
      pipeline.addFilter(boost::make_shared<RangeFilter>(variable, low, low + 50.0));
      return true;
    }
    case 1:
    {
      if (filters.empty())
        return false;
      const auto& filter = filters[below(filters.size())];
      filter->setEnabled(!filter->isEnabled());
      return true;
    }
    default:
      if (filters.empty())
        return false;
      pipeline.removeFilter(filters[below(filters.size())]);
      return true;
  }
}

bool UndoStress::deleteVariable()
{
  const auto variables = Project::project().variables();
  // Keeps the case ids and one more variable, so that the other steps stay possible.
  if (variables.size() <= 2)
    return false;
  const auto& handle = variables[1 + below(variables.size() - 1)];
  UndoStack::Macro macro("Delete Variable");
  Transaction transaction = Project::project().startTransaction();
  transaction.allowErasure();
  handle.lock(transaction)->erase(transaction);
  return true;
}

bool UndoStress::selectCases()
{
  const Project& project = Project::project();
  std::set<uint64_t> ids;
  for (vtkIdType row = 0; row < project.recordCount(); ++row)
    if (below(2) == 0)
      ids.insert(project.recordAtRow(row).lock()->caseId());
  if (ids == m_window.selection().getSelections())
    return false;
  m_window.select(ids);
  return true;
}

std::string UndoStress::state() const
{
  const QDomDocument document =
    ProjectDocumentWriter::document(QDir::tempPath(), filterSettings(m_window.pipeline()));
  std::string text = document.toString(1).toStdString();
  // A view brought back by undo is listed last, not where it was: the views are compared as a
  // set.
  QDomDocument owner;
  const QDomElement views = ViewsDocument(m_window.manager()).viewsElement(owner);
  std::vector<std::string> viewTexts;
  for (QDomElement view = views.firstChildElement(); !view.isNull();
       view = view.nextSiblingElement())
  {
    QString viewText;
    QTextStream stream(&viewText);
    view.save(stream, 1);
    viewTexts.push_back(viewText.toStdString());
  }
  std::sort(viewTexts.begin(), viewTexts.end());
  for (const std::string& view : viewTexts)
    text += view;
  return text;
}
