#pragma once

#include "host/viewsupport/DataViewVisitorAbstract.h"

#include <boost/shared_ptr.hpp>

class DataViewManagerInterface;

/// Keeps the first selected-cases view it visits and ignores every other kind.
class SelectedCasesViewFinder : public DataViewVisitorAbstract
{
public:
  SelectedCasesViewFinder();

  using DataViewVisitorAbstract::visit;
  void visit(boost::shared_ptr<SelectedCasesViewInterface> view) override;

  boost::shared_ptr<SelectedCasesViewInterface> found() const { return m_found; }

private:
  boost::shared_ptr<SelectedCasesViewInterface> m_found;
};

/// The manager's selected-cases view, or empty when the host has not created one.
boost::shared_ptr<SelectedCasesViewInterface> selectedCasesView(
  const DataViewManagerInterface& manager);
