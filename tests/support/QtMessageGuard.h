#pragma once

#include <QString>
#include <QStringList>

/// Collects Qt warnings and VTK errors so that a test which produces one it did not expect
/// fails. A test that expects a message declares it with ExpectedMessage.
namespace testsupport
{

void installMessageGuards();
/// Messages collected since the last call, emptied by the call.
QStringList takeUnexpectedMessages();

/// Allows messages containing the given text for its lifetime.
class ExpectedMessage
{
public:
  explicit ExpectedMessage(const QString& fragment);
  ~ExpectedMessage();
  int count() const;

private:
  QString m_fragment;
};

/// A writable folder for files a test leaves behind (images of failed comparisons).
QString testOutputDir();

} // namespace testsupport
