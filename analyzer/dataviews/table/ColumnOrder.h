#pragma once

#include <string>
#include <vector>

class QHeaderView;

/// The header texts of the columns in visual order, for saving a user's column arrangement.
std::vector<std::string> columnOrder(const QHeaderView& header);
/// Moves the named columns to the given visual positions. Expects the header in its natural
/// order (as right after a view is created); names that match no column are skipped.
void setColumnOrder(QHeaderView& header, const std::vector<std::string>& names);
