#include "split/disk_check.h"

#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/runtime_error.h"
#include "split/folder_survey.h"
#include "split/job.h"
#include "split/library.h"
#include "split/messages.h"
#include "split/output_names.h"
#include "split/plan.h"

namespace split {

namespace {

using Kind = DiskVerdict::Kind;

int64_t bytesOf(const SplitOutputs& outputs, const std::vector<std::string>& names) {
    int64_t bytes = 0;
    for (const std::string& name : names) {
        platform::FileStamp stamp;
        if (platform::stampFile(outputs.path(name), stamp)) bytes += static_cast<int64_t>(stamp.length);
    }
    return bytes;
}

// The folder is there, or the user has it made; kTakes when it is.
DiskVerdict folderThere(const std::string& folder, Asks& asks) {
    if (platform::folderExists(folder)) return DiskVerdict{Kind::kTakes};
    if (!asks.ask({Question::Kind::kCreateFolder, folderMissingQuestion(folder)}))
        return DiskVerdict{Kind::kDeclined};
    try {
        platform::createFolder(folder);
    } catch (const platform::RuntimeError& e) {
        return DiskVerdict{Kind::kRefused, e.description() + ": " + folder, platform::kCritical};
    }
    return DiskVerdict{Kind::kTakes};
}

// Existing pieces firstPiece to .S99 of the stem: what "Delete partial" removes.
std::vector<std::string> oldPiecesIn(const SplitOutputs& outputs, int firstPiece) {
    std::vector<std::string> pieces;
    for (int n = firstPiece; n <= kMaxPieces; ++n)
        if (platform::ordinaryFileExists(outputs.piecePath(n))) pieces.push_back(outputs.pieceName(n));
    return pieces;
}

}  // namespace

int64_t freeBytesBeforeAsking(const SplitJob& job) {
    // No piece is to be written yet: the survey lists only what an earlier
    // split of this file left.
    std::vector<std::string> going = surveyFolder(job.outputs, 1, 0, job.deletePartial).earlierOwn;
    if (job.deletePartial) addNamesOnce(going, oldPiecesIn(job.outputs, 1));
    return freeBytesIn(job.outputs.folder()) + bytesOf(job.outputs, going);
}

DiskVerdict checkDisk(const SplitJob& job, int firstPiece, int64_t room, Asks& asks) {
    const SplitOutputs& out = job.outputs;
    DiskVerdict there = folderThere(out.folder(), asks);
    if (there.kind != Kind::kTakes) return there;
    // Only the names still to be written: the pieces this run wrote before a
    // pause are its own, whatever a record on this disk says of them.
    const int lastLooked = job.deletePartial ? kMaxPieces : job.pieceCount;
    const FolderSurvey survey = surveyFolder(out, firstPiece, lastLooked, job.deletePartial);
    if (!survey.unlisted.empty())
        return DiskVerdict{Kind::kRefused, folderUnlistedText(out.folder(), survey.unlisted), platform::kExclamation};
    // Replacing removes the name first: nothing is truncated in place, which
    // would write through a link into a file elsewhere.
    DiskVerdict takes(Kind::kTakes);
    for (const auto* names : {&survey.earlierOwn, &survey.otherFiles, &survey.usersOwn})
        addNamesOnce(takes.removeFirst, *names);
    if (job.deletePartial) addNamesOnce(takes.removeFirst, oldPiecesIn(out, firstPiece));
    const int64_t freeBytes = freeBytesIn(out.folder()) + bytesOf(out, takes.removeFirst);
    if (room > freeBytes)
        return DiskVerdict{Kind::kTooSmall, pieceCapacityReport(room, freeBytes), platform::kCritical};
    const std::string inTheWay = nameInTheWay(out.folder(), out.names(firstPiece, job.pieceCount));
    if (!inTheWay.empty()) return DiskVerdict{Kind::kRefused, inTheWay, platform::kExclamation};
    const std::string fileSystem = platform::fileSystemOf(out.folder());
    if (job.pieceSize > largestFileOn(fileSystem)) {
        DiskVerdict smaller(Kind::kFileSystem, pieceTooLargeForDrive(out.folder(), fileSystem, job.pieceSize),
                            platform::kExclamation);
        smaller.largestFile = largestFileOn(fileSystem);
        smaller.offer = smallerPiecesQuestion(out.folder(), fileSystem, job.pieceSize);
        return smaller;
    }
    if (!survey.otherOwners.empty() &&
        !asks.ask({Question::Kind::kReplace, replaceQuestion(out.folder(), survey.otherOwners, out.target())}))
        return DiskVerdict{Kind::kDeclined};
    if (!survey.usersOwn.empty() &&
        !asks.ask({Question::Kind::kReplace, usersOwnQuestion(out.folder(), survey.usersOwn, out.target())}))
        return DiskVerdict{Kind::kDeclined};
    return takes;
}

namespace {
std::string removalRefused(const std::string& path, platform::Removal removal) {
    switch (removal) {
    case platform::Removal::kGone: break;
    case platform::Removal::kReadOnly: return removalFailedText(path, "it is read-only");
    case platform::Removal::kInUse: return removalFailedText(path, "another program holds it open");
    case platform::Removal::kDenied: return removalFailedText(path, "access is denied");
    }
    return "";
}
}  // namespace

std::string clearNames(const SplitJob& job, const std::vector<std::string>& names) {
    platform::FileIdentity input;
    const bool known = platform::identifyFile(job.inPath, input);
    // Every one asked first, so that a refusal leaves all of them in place.
    for (const std::string& name : names) {
        const std::string path = job.outputs.path(name);
        platform::FileIdentity there;
        if (known && platform::identifyFile(path, there) && there == input)
            return removalFailedText(path, "it is the file being split");
        const std::string refused = removalRefused(path, platform::removable(path));
        if (!refused.empty()) return refused;
    }
    for (const std::string& name : names) {
        const std::string path = job.outputs.path(name);
        const std::string refused = removalRefused(path, platform::removeName(path));
        if (!refused.empty()) return refused;
    }
    return "";
}

}  // namespace split
