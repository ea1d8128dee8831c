#include "host/project/Variable.h"

#include "host/project/ProjectEditor.h"

const char* const Variable::caseIdName = "Case ID";

Variable::Variable(uint64_t id, std::string name, Nature nature, ValueType type)
  : m_id(id)
  , m_name(std::move(name))
  , m_nature(nature)
  , m_column(type, m_name)
{
}

void Variable::erase(Transaction& transaction)
{
  ProjectEditor(transaction).eraseVariable(*this);
}

void Variable::setLocked(Transaction& transaction, bool locked)
{
  ProjectEditor(transaction).setLocked(*this, locked);
}

void Variable::setNature(Transaction& transaction, Nature nature)
{
  ProjectEditor(transaction).setNature(*this, nature);
}
