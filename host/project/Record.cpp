#include "host/project/Record.h"

#include "host/project/AuxFile.h"
#include "host/project/ProjectEditor.h"
#include "host/project/Variable.h"

Record::Record(uint64_t caseId)
  : m_caseId(caseId)
{
}

Variant Record::data(const Variable& variable) const
{
  if (!isAlive() || !variable.isAlive() || m_row >= variable.column().size())
    return Variant::null();
  return variable.column().value(m_row);
}

std::vector<WeakPtr<AuxFile>> Record::auxFiles() const
{
  return { m_auxFiles.begin(), m_auxFiles.end() };
}

void Record::setData(Transaction& transaction, const Variable& variable, const Variant& value)
{
  ProjectEditor(transaction).setData(*this, variable, value);
}

void Record::erase(Transaction& transaction)
{
  ProjectEditor(transaction).eraseRecords({ m_caseId });
}
