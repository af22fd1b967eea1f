#include "app/DatabaseChoice.h"

#include "app/FeedManifest.h"

DataOrigin ChooseDatabase(const DataCandidates& candidates) {
    if (candidates.BundledExists && !candidates.BundledVersion) return DataOrigin::UsersOwn;
    if (candidates.UpdatedVersion &&
        (!candidates.BundledExists || CompareVersions(*candidates.UpdatedVersion, *candidates.BundledVersion) > 0))
        return DataOrigin::Updated;
    return DataOrigin::Bundled;
}
