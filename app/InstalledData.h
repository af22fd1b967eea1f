#pragma once
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/DatabaseChoice.h"
#include "app/FeedManifest.h"
#include "app/UpdateStates.h"
#include "base/SystemPath.h"

// The database files the lookups read: those that came with the program,
// beside it, and those an update put in the user's own folder, since the
// program's folder (under Program Files, say) may not be writable. Each
// database's updated file keeps its previous one as a backup ("name.bak")
// and may have a new one staged ("name.new"); the folder's data-version.txt
// lists them all, its probes.txt holds their probes.
//
// Only the path handed to the readers changes; they open and map whatever
// they get. On Windows a file with a mapped view cannot be replaced, so all
// of this runs on the window's thread, between lookups.
class TInstalledData {
public:
    // Both folders end with their separator.
    TInstalledData(SystemPath bundledFolder, SystemPath updatedFolder);

    // At start: finishes a swap that another program held back, and goes
    // back from an updated file that does not open or fails its probes to
    // its backup, then to the bundled file. What to tell the user of that.
    std::optional<std::string> Recover();
    SystemPath Path(std::string_view name) const;
    // Where the database's data comes from, as the update window says it (GBK).
    std::string Description(std::string_view name) const;
    // The newest version of each database the program has.
    std::vector<FeedFile> Versions() const;
    const SystemPath& UpdatedFolder() const { return FUpdated; }

    // Checks staged files with the program's reader, then swaps them in.
    InstallOutcome Install(const std::vector<FeedFile>& staged, std::string& failure);
    void DiscardStaged(const std::vector<FeedFile>& staged) const;

private:
    struct TChoice {
        DataOrigin Origin = DataOrigin::Bundled;
        SystemPath Path;
    };
    bool Usable(const std::string& name) const;
    bool Swap(const std::string& name);
    void Rename(const std::string& from, const std::string& to);
    void Forget(const std::string& name);
    void SaveRecords() const;
    void SaveCredits(const std::vector<FeedFile>& installed) const;
    void Choose();
    // The version the build listed for the bundled file when its SHA-256
    // is the one listed; worked out once, when first needed.
    const std::optional<std::string>& BundledVersion(const std::string& name) const;

    SystemPath FBundled, FUpdated;
    std::vector<FeedFile> FBundledRecords;
    std::vector<FeedFile> FRecords;
    std::map<std::string, TChoice, std::less<>> FChosen;
    mutable std::map<std::string, std::optional<std::string>> FBundledVersions;
};
