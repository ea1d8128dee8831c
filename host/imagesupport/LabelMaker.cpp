#include "host/imagesupport/LabelMaker.h"

#include "host/project/Record.h"
#include "host/project/Variable.h"

std::string LabelMaker::label(const std::vector<WeakPtr<Variable>>& variables,
  const WeakPtr<Record>& record,
  const std::string& separator) const
{
  const auto lockedRecord = record.lock();
  if (!lockedRecord)
    return {};
  std::string text;
  for (const auto& handle : variables)
  {
    const auto variable = handle.lock();
    if (!variable)
      continue;
    if (!text.empty())
      text += separator;
    text += variable->name() + ": " + lockedRecord->data(*variable).toString();
  }
  return text;
}
