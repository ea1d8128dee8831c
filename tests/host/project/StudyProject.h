#pragma once

#include "host/project/Project.h"
#include "host/project/ProjectContents.h"

/// A small study loaded into the project: cases 1..5 with Length and Width (independent
/// reals), Count (independent integer), Mass (dependent real) and Material (text), a NaN and a
/// NULL cell, and image files on cases 1 and 2.
inline void loadStudyProject()
{
  ProjectContents contents;
  contents.addVariable("Length", Variable::Independent, ValueType::Real);
  contents.addVariable("Width", Variable::Independent, ValueType::Real);
  contents.addVariable("Count", Variable::Independent, ValueType::Integer);
  contents.addVariable("Mass", Variable::Dependent, ValueType::Real);
  contents.addVariable("Material", Variable::Other, ValueType::Text);
  contents.addRecord(1, { 1.0, 10.0, 3, 5.0, "steel" });
  contents.addRecord(2, { 2.0, 20.0, 4, Variant::nan(), "wood" });
  contents.addRecord(3, { 3.0, 30.0, 5, 7.0, "steel" });
  contents.addRecord(4, { 4.0, Variant::null(), 6, 8.0, Variant::null() });
  contents.addRecord(5, { 5.0, 50.0, 7, 9.0, "glass" });
  contents.addAuxFile(1, "/images/one.png", { "approved", "sharp" });
  contents.addAuxFile(2, "/images/two.png", { "rejected" });
  contents.addAuxFile(2, "/images/two-b.png", {});
  contents.setTagGroups({ TagGroup("Review", { "approved", "rejected" }),
    TagGroup("Quality", { "sharp", "blurred" }) });
  Project::project().assign(std::move(contents));
}

inline boost::shared_ptr<const Variable> studyVariable(const std::string& name)
{
  return Project::project().variable(name).lock();
}

inline Variant studyValue(uint64_t caseId, const std::string& variable)
{
  return Project::project().record(caseId).lock()->data(*studyVariable(variable));
}
