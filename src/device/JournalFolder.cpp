#include "device/JournalFolder.h"

#include <algorithm>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() > end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::vector<std::string> JournalNames(const std::string& folder) {
    std::vector<std::string> names;
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) {
        return names;
    }
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (EndsWith(name, JournalFolder::kExtension)) {
            names.push_back(name);
        }
    }
    closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

// True when descriptor is still the file at path: a journal removed (and maybe made anew)
// between the open and the lock is not ours to take.
bool StillAtPath(int descriptor, const std::string& path) {
    struct stat open;
    struct stat named;
    return fstat(descriptor, &open) == 0 && stat(path.c_str(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

// Opens and locks the journal at path; -1 when it is in use or gone.
int LockJournal(const std::string& path) {
    const int descriptor = open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW);
    if (descriptor < 0) {
        return -1;
    }
    if (flock(descriptor, LOCK_EX | LOCK_NB) != 0 || !StillAtPath(descriptor, path)) {
        close(descriptor);
        return -1;
    }
    return descriptor;
}

} // namespace

wxString JournalFolder::Path() {
    const char* state = std::getenv("XDG_STATE_HOME");
    std::string base;
    if (state != nullptr && state[0] == '/') {
        base = state;
    } else {
        const char* home = std::getenv("HOME");
        base = std::string(home != nullptr ? home : "") + "/.local/state";
    }
    return wxString::FromUTF8(base + "/dextrel");
}

std::vector<EarlierJournal> JournalFolder::TakeEarlier(const wxString& folder) {
    const std::string folderPath(folder.utf8_str());
    std::vector<EarlierJournal> found;
    for (const std::string& name : JournalNames(folderPath)) {
        const std::string path = folderPath + "/" + name;
        const int descriptor = LockJournal(path);
        if (descriptor < 0) {
            continue;
        }
        EarlierJournal earlier;
        earlier.contents = JournalReader::ReadFrom(descriptor);
        earlier.journal = LiveJournal::Adopt(descriptor, wxString::FromUTF8(path));
        found.push_back(std::move(earlier));
    }
    return found;
}

wxString JournalFolder::SetAside(LiveJournal& journal) {
    const wxString aside = journal.GetPath() + kSetAsideExtension;
    const bool moved = rename(journal.GetPath().utf8_str(), aside.utf8_str()) == 0;
    journal.Close();
    return moved ? aside : wxString();
}
