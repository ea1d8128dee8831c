#pragma once

#include "tests/support/Files.h"

#include <QDir>
#include <QString>

namespace explorertest
{

inline QString writeFile(const QDir& dir, const QString& name, const QString& text)
{
  return testsupport::writeFile(dir.filePath(name), text.toUtf8());
}

/// Six beams: two independent numbers, a text, and two results, the last numeric dependent.
inline QString writeBeamsCsv(const QDir& dir)
{
  return writeFile(dir,
    "beams.csv",
    "Case ID,Length,Width,Material,Stress,Mass\n"
    "11,1.5,20,Steel,120.5,3.2\n"
    "12,2.0,25,Aluminium,80.25,2.1\n"
    "13,2.5,30,Steel,210,5.5\n"
    "14,1.0,15,\"Titanium, grade 5\",60,1.4\n"
    "15,3.0,40,Steel,NaN,7.75\n"
    "16,2.2,22,Aluminium,95,\n");
}

} // namespace explorertest
