#include "host/viewsupport/DataViewAbstract.h"

#include "host/serialization/SerializerInterface.h"
#include "host/viewsupport/SelectionModelInterface.h"

#include <QApplication>

DataViewAbstract::DataViewAbstract(std::unique_ptr<SerializerInterface> serializer,
  boost::shared_ptr<SelectionModelInterface> selectionModel)
  : m_serializer(std::move(serializer))
  , m_selectionModel(std::move(selectionModel))
{
}

DataViewAbstract::~DataViewAbstract() = default;

SerializerInterface& DataViewAbstract::serializer()
{
  return *m_serializer;
}

std::string DataViewAbstract::domName() const
{
  return m_serializer->name();
}

void DataViewAbstract::adjustSelectionForMouseClickAtPoint()
{
  if (!m_selectionModel)
    return;
  const Qt::KeyboardModifiers modifiers = QApplication::keyboardModifiers();
  const bool toggle = modifiers.testFlag(Qt::ControlModifier);
  const bool extend = modifiers.testFlag(Qt::ShiftModifier);

  uint64_t caseId = 0;
  if (!caseIDAtPoint(caseId))
  {
    if (!toggle && !extend)
      m_selectionModel->setSelection({});
    return;
  }

  std::set<uint64_t> selection = m_selectionModel->getSelections();
  if (toggle)
  {
    if (!selection.erase(caseId))
      selection.insert(caseId);
  }
  else if (extend)
    selection.insert(caseId);
  else
    selection = { caseId };
  m_selectionModel->setSelection(selection);
}

bool DataViewAbstract::caseIDAtPoint(uint64_t&)
{
  return false;
}
