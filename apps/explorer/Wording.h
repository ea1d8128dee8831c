#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

/// Texts for the user that count or list things, in singular or plural as the count asks.
class Wording
{
public:
  /// "1 case", "3 cases".
  static QString counted(long long count, const QString& singular, const QString& plural);
  /// The first `shown` items joined by ", ", then "and N more".
  static QString listed(const QStringList& items, int shown);
  /// "no case with the id 99", "no cases with the ids 99, 100".
  static QString noCasesWithIds(const std::vector<uint64_t>& ids);
  /// "a table view", "an image matrix view", from the kind's title ("Image Matrix").
  static QString aViewOf(const QString& kindTitle);
  /// Says which image files a project names that do not exist, the first few by name.
  static QString missingImages(const QStringList& files);
};
