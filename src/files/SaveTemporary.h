#pragma once
#include <string>

// The temporary file a save writes beside its target before renaming it over the target.
// Its name carries the writing process's id, and the writer holds a lock on it, so that a
// later save can tell the leftovers of a killed save from a save still running elsewhere.
class SaveTemporary {
public:
    // Creates and locks a new temporary file for the target folder/name; returns its
    // descriptor (or -1 with errno set) and its path in path.
    static int Create(const std::string& folder, const std::string& name, std::string& path);
    // Removes the temporary files of earlier saves of folder/name whose writer is gone.
    // Returns how many were removed.
    static int RemoveLeftovers(const std::string& folder, const std::string& name);

    // The part of a temporary file's name before the process id: ".name.saving-".
    static std::string Prefix(const std::string& name);
};
