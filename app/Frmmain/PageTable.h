#pragma once

#include <QString>

// The evaluation site's categories and their tabs. A category's number is
// its position in the main window's arrays of category buttons and tab
// strips; tab numbers count from 0 in the order of the strip's captions.
namespace PageTable {

constexpr int kCategories = 6;
// The only category reserved to members: fund flows.
constexpr int kMembersOnly = 2;
// The stock pool: its addresses are whole pages, loaded without a code.
constexpr int kWholePages = 5;

int TabCount(int category);
// The page-host address of a tab; empty when the category has no such tab.
// In categories 0 to 4 it is a base that the code and ".shtml" complete.
QString Address(int category, int tab);

}  // namespace PageTable
