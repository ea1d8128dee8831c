#include "host/project/TransactionRecord.h"

bool TransactionRecord::isEmpty() const
{
  return !changesStructure() && changedVariables.empty() && addedAuxFiles.empty() &&
         erasedAuxFiles.empty() && changedValues.empty() && !tagsChanged;
}

bool TransactionRecord::changesStructure() const
{
  return projectReplaced || !addedVariables.empty() || !removedVariables.empty() ||
         !addedRecords.empty() || !erasedRecords.empty();
}

TransactionRecord TransactionRecord::inverse() const
{
  TransactionRecord result = *this;
  result.addedVariables.swap(result.removedVariables);
  result.addedRecords.swap(result.erasedRecords);
  result.addedAuxFiles.swap(result.erasedAuxFiles);
  return result;
}
