#pragma once
// The two site lists, each kept three times: as a file in the program folder
// (allowed.txt, disallowed.txt), as the items of a list on the main window
// (List1, List2) and as the text the popup decision searches (AllowedSites,
// DisallowedSites). A failure to read or write a file raises platform::Error
// and leaves the copies as the steps before it left them. A list whose file
// could not be loaded is not saved over that file: the program does not
// know what the file holds. A file is written back in the encoding it was
// read in (see list_encoding.h).
#include <string>
#include <vector>

#include "platform/forms/list_box.h"

namespace windhover::Module1 {

void AddAllowed(const std::string& site);
void RemoveAllowed(const std::string& site);
void AddDisallowed(const std::string& site);
void RemoveDisallowed(const std::string& site);
void LoadAllowedList();
void SaveAllowedList();
void LoadDisallowedList();
void SaveDisallowedList();

// The main window's Delete: removes the item at that index from the list's
// file, items and text with one write of the file, so that a failure leaves
// all three as they were.
void DeleteAllowed(int index);
void DeleteDisallowed(int index);

// Makes a list file that is missing, with those contents. A file already
// there, whatever its attributes, or one that appears meanwhile, is left as
// it is.
void CreateListFile(const std::string& path, const std::string& contents);

// The items as the decision's text holds them: each followed by CR LF.
std::string ItemsText(const forms::ListBox& items);
// False for the texts that are no entry: the empty text and a single blank.
bool IsEntry(const std::string& text);
// The lines of a list file: each ends at CR LF, a lone CR or a lone LF.
std::vector<std::string> FileLines(const std::string& contents);
// The entries a list file holds: its lines that are entries.
std::vector<std::string> FileEntries(const std::string& contents);

}  // namespace windhover::Module1
