// Item-list files: their format, adding items to the catalogue, and line-end repair.
#pragma once

#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "state/state.h"

namespace zelvo {

struct Zelvo;

// One item as a file gives it; the price is the field's text, checked by additem.
struct FileItem {
    std::string name;
    std::string price;
    std::string description;
};

// The items of an items file's text, in order. Empty when the text needs its line ends
// repaired first (a name line holds a bare line feed); see needsrepair.
struct ItemsFile {
    std::vector<FileItem> items;
    bool needsrepair = false;
};
// Reading stops after `most` items: the catalogue holds no more.
ItemsFile parseitems(const std::string& text, std::size_t most = kMaxItems);

// Adds one item to the catalogue, kept in ascending order of base price.
void additem(Zelvo& z, const std::string& name, const std::string& price,
             const std::string& description);

// Adds many items as additem would, one after another, without searching the whole
// catalogue for each: the catalogue is complete and sorted once finish() has run.
class CatalogueAdder {
public:
    explicit CatalogueAdder(Zelvo& z);
    ~CatalogueAdder() { finish(); }
    void add(const std::string& name, const std::string& price, const std::string& description);
    void finish();

private:
    Zelvo& z_;
    std::unordered_set<std::string> names_;  // folded to lower case
    int sortedcount_;                        // items 1..this are in order
};

// Rewrites a file so that every line feed ends a line (CR LF line ends), through a hidden
// scratch file beside it.
void fixfile(Zelvo& z, const std::string& path);

// Reads an items file, repairing its line ends first when it needs that. Nothing when the
// file cannot be read.
std::optional<std::vector<FileItem>> readitemsfile(Zelvo& z, const std::string& path);

}  // namespace zelvo
