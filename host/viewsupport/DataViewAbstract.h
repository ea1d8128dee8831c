#pragma once

#include <boost/shared_ptr.hpp>
#include <cstdint>
#include <memory>
#include <string>

class SelectionModelInterface;
class SerializerInterface;

/// Host base of every concrete view: owns the view's serializer and turns a click into a
/// change of the shared selection.
class DataViewAbstract
{
public:
  DataViewAbstract(std::unique_ptr<SerializerInterface> serializer,
    boost::shared_ptr<SelectionModelInterface> selectionModel);
  virtual ~DataViewAbstract();
  DataViewAbstract(const DataViewAbstract&) = delete;
  DataViewAbstract& operator=(const DataViewAbstract&) = delete;

  SerializerInterface& serializer();
  std::string domName() const;

  /// After a click: a hit case replaces the selection; with Shift it is added, with Ctrl it is
  /// toggled; a click on empty space clears the selection unless a modifier is held.
  virtual void adjustSelectionForMouseClickAtPoint();

protected:
  boost::shared_ptr<SelectionModelInterface> selectionModel() const { return m_selectionModel; }

private:
  /// The case under the last click, if any; views without a notion of a point say none.
  virtual bool caseIDAtPoint(uint64_t& caseID);

  std::unique_ptr<SerializerInterface> m_serializer;
  boost::shared_ptr<SelectionModelInterface> m_selectionModel;
};
