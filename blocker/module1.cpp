#include "blocker/module1.h"

#include "blocker/form1.h"
#include "blocker/shared_state.h"
#include "frame/text_compare.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/process_globals.h"
#include "platform/types.h"

namespace windhover::Module1 {

namespace {

const char* const kLineEnd = "\r\n";

struct SiteList {
    const char* fileName;
    std::string& text;
    forms::ListBox& items;
    // The last load of the file failed.
    bool& unread;
};

bool allowedUnread = false;
const platform::ResetAtStart resetAllowedUnread([] { allowedUnread = false; });
bool disallowedUnread = false;
const platform::ResetAtStart resetDisallowedUnread([] { disallowedUnread = false; });

SiteList Allowed() { return {"allowed.txt", AllowedSites, forms::The<Form1>().List1, allowedUnread}; }
SiteList Disallowed() { return {"disallowed.txt", DisallowedSites, forms::The<Form1>().List2, disallowedUnread}; }

std::string PathOf(const SiteList& list) { return platform::files::ProgramFolder() + "\\" + list.fileName; }

// A file operation's failure, as the error the user is shown.
[[noreturn]] void Fail(long error, const char* action, const std::string& path) {
    static const struct {
        long win32;
        long number;
        const char* reason;
    } kReasons[] = {
        {platform::kErrorFileNotFound, platform::kErrFileNotFound, "the file does not exist"},
        {platform::kErrorPathNotFound, platform::kErrPathNotFound, "the folder does not exist"},
        {platform::kErrorAccessDenied, 75, "access is denied"},
        {platform::kErrorDiskFull, 61, "the disk is full"},
    };
    for (const auto& reason : kReasons)
        if (reason.win32 == error)
            throw platform::Error(reason.number, std::string("Cannot ") + action + " the site list " + path + ": " +
                                                     reason.reason + ".");
    throw platform::Error(75, std::string("Cannot ") + action + " the site list " + path + " (system error " +
                                  std::to_string(error) + ").");
}

std::string ReadList(const SiteList& list) {
    std::string contents;
    const std::string path = PathOf(list);
    if (long error = platform::files::ReadFile(path, &contents)) Fail(error, "read", path);
    return contents;
}

void Rewrite(const SiteList& list, const std::string& contents) {
    const std::string path = PathOf(list);
    if (long error = platform::files::RewriteFile(path, contents)) Fail(error, "write", path);
}

// Appends by writing the whole file anew, so that a failed write leaves no
// half line for the next entry to join.
void Add(const SiteList& list, const std::string& site) {
    std::string contents;
    const std::string path = PathOf(list);
    const long error = platform::files::ReadFile(path, &contents);
    if (error != platform::kErrorSuccess && error != platform::kErrorFileNotFound) Fail(error, "read", path);
    Rewrite(list, contents + site + kLineEnd);
    list.items.addItem(site);
    list.text += site + kLineEnd;
}

void Remove(const SiteList& list, const std::string& site) {
    std::string kept;
    for (const std::string& line : FileLines(ReadList(list)))
        if (!ContainsNoCase(line, site)) kept += line + kLineEnd;
    Rewrite(list, kept + kLineEnd);
    list.text = kept;
}

void Load(const SiteList& list) {
    std::string text;
    list.unread = true;
    const std::string contents = ReadList(list);
    list.unread = false;
    std::vector<std::string> entries = FileEntries(contents);
    text.reserve(contents.size() + 2);
    for (const std::string& entry : entries) text.append(entry).append(kLineEnd, 2);
    list.items.addItems(std::move(entries));
    list.text = std::move(text);
}

void Save(const SiteList& list) {
    if (!list.unread) Rewrite(list, ItemsText(list.items) + kLineEnd);
}

}  // namespace

void AddAllowed(const std::string& site) { Add(Allowed(), site); }
void RemoveAllowed(const std::string& site) { Remove(Allowed(), site); }
void AddDisallowed(const std::string& site) { Add(Disallowed(), site); }
void RemoveDisallowed(const std::string& site) { Remove(Disallowed(), site); }
void LoadAllowedList() { Load(Allowed()); }
void SaveAllowedList() { Save(Allowed()); }
void LoadDisallowedList() { Load(Disallowed()); }
void SaveDisallowedList() { Save(Disallowed()); }

void CreateListFile(const std::string& path, const std::string& contents) {
    if (long error = platform::files::RewriteFile(path, contents)) Fail(error, "create", path);
}

std::string ItemsText(const forms::ListBox& items) {
    std::string text;
    for (const std::string& item : items.items()) text += item + kLineEnd;
    return text;
}

bool IsEntry(const std::string& text) { return !text.empty() && text != " "; }

namespace {

// Hands each line of the contents to `take`, in one pass.
template <class Take>
void EachLine(const std::string& contents, Take take) {
    const char* const begin = contents.data();
    const char* const end = begin + contents.size();
    const char* start = begin;
    while (start < end) {
        const char* stop = start;
        while (stop < end && *stop != '\r' && *stop != '\n') ++stop;
        take(std::string(start, stop));
        if (stop == end) break;
        start = stop + (*stop == '\r' && stop + 1 < end && stop[1] == '\n' ? 2 : 1);
    }
}

}  // namespace

std::vector<std::string> FileLines(const std::string& contents) {
    std::vector<std::string> lines;
    EachLine(contents, [&](std::string&& line) { lines.push_back(std::move(line)); });
    return lines;
}

std::vector<std::string> FileEntries(const std::string& contents) {
    std::vector<std::string> entries;
    EachLine(contents, [&](std::string&& line) {
        if (IsEntry(line)) entries.push_back(std::move(line));
    });
    return entries;
}

}  // namespace windhover::Module1
