#include "split/disk_check.h"

#include <algorithm>

#include "platform/ansi_text.h"
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
        return DiskVerdict{Kind::kRefused, e.description() + ": " + folder, Severity::kError};
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

// The pieces from this disk on: the job's, or the smaller ones the user took.
struct Pieces {
    int64_t size;
    int count;
};

// The disk's file system holds pieces of the size, or the user takes pieces
// of the largest size it holds, offered only where the rest of the file then
// fits in 99 pieces.
DiskVerdict fileSystemHolds(const SplitJob& job, const DiskPlace& place, Pieces& pieces, Asks& asks) {
    const std::string& folder = job.outputs.folder();
    const std::string fileSystem = platform::fileSystemOf(folder);
    const int64_t largest = largestFileOn(fileSystem);
    DiskVerdict holds(Kind::kTakes);
    if (pieces.size <= largest) return holds;
    const Plan rest = planRestInPiecesOf(job.fileSize - place.start, largest, place.firstPiece);
    if (rest.outcome != PlanOutcome::kOk)
        return DiskVerdict{Kind::kRefused, pieceTooLargeForDrive(folder, fileSystem, pieces.size), Severity::kWarning};
    if (!asks.ask({Question::Kind::kOffer, smallerPiecesQuestion(folder, fileSystem, pieces.size)}))
        return DiskVerdict{Kind::kDeclined};
    pieces = Pieces{rest.pieceSize, rest.pieceCount};
    holds.smallerPieceSize = rest.pieceSize;
    holds.pieceCount = rest.pieceCount;
    return holds;
}

// What the disk must hold: with Pause the next piece (the last one is
// shorter), and the records where it takes the last piece; without, the rest
// of the file and the records.
int64_t roomAsked(const SplitJob& job, const DiskPlace& place, const Pieces& pieces) {
    const int64_t left = std::max<int64_t>(0, job.fileSize - place.start);
    const bool lastDisk = !job.pause || place.firstPiece >= pieces.count;
    int64_t room = job.pause ? std::min(pieces.size, left) : left;
    if (lastDisk) room += job.outputs.recordsLength(pieces.count, pieces.size, job.fileSize);
    return room;
}

}  // namespace

DiskVerdict checkDisk(const SplitJob& job, const DiskPlace& place, DiskView& view) {
    const SplitOutputs& out = job.outputs;
    DiskVerdict there = folderThere(out.folder(), view);
    if (there.kind != Kind::kTakes) return there;
    Pieces pieces{job.pieceSize, job.pieceCount};
    DiskVerdict takes = fileSystemHolds(job, place, pieces, view);
    if (takes.kind != Kind::kTakes) return takes;
    // Smaller pieces the user took stay taken, whatever stands against the disk after.
    auto against = [&](Kind kind, const std::string& why, Severity severity) {
        DiskVerdict verdict(kind, why, severity);
        verdict.smallerPieceSize = takes.smallerPieceSize;
        verdict.pieceCount = takes.pieceCount;
        return verdict;
    };
    // What touches the folder runs while the window answers: in a folder of
    // thousands of files, even asking for a name that is not there takes time.
    const int lastLooked = job.deletePartial ? kMaxPieces : pieces.count;
    FolderSurvey survey;
    std::string inTheWay;
    view.whileWindowAnswers(
        [&] {
            survey = surveyFolder(out, place.firstPiece, lastLooked, job.deletePartial);
            if (survey.unlisted.empty()) inTheWay = nameInTheWay(out.folder(), out.names(place.firstPiece, pieces.count));
        },
        [] {});
    if (!survey.unlisted.empty())
        return against(Kind::kRefused, folderUnlistedText(out.folder(), survey.unlisted), Severity::kWarning);
    if (!inTheWay.empty()) return against(Kind::kRefused, inTheWay, Severity::kWarning);
    if (!survey.otherOwners.empty() &&
        !view.ask({Question::Kind::kReplace, replaceQuestion(out.folder(), survey.otherOwners, out.target())}))
        return against(Kind::kDeclined, "", Severity::kPlain);
    if (!survey.usersOwn.empty() &&
        !view.ask({Question::Kind::kReplace, usersOwnQuestion(out.folder(), survey.usersOwn, out.target())}))
        return against(Kind::kDeclined, "", Severity::kPlain);
    // Replacing removes the name first: nothing is truncated in place, which
    // would write through a link into a file elsewhere.
    for (const auto* names : {&survey.earlierOwn, &survey.otherFiles, &survey.usersOwn})
        addNamesOnce(takes.removeFirst, *names);
    int64_t freeBytes = 0;
    view.whileWindowAnswers(
        [&] {
            if (job.deletePartial) addNamesOnce(takes.removeFirst, oldPiecesIn(out, place.firstPiece));
            freeBytes = freeBytesIn(out.folder()) + bytesOf(out, takes.removeFirst);
        },
        [] {});
    const int64_t room = roomAsked(job, place, pieces);
    if (room > freeBytes)
        return against(Kind::kTooSmall,
                       job.pause ? pieceCapacityReport(room, freeBytes) : capacityReport(room, freeBytes),
                       Severity::kError);
    return takes;
}

bool takeSmallerPieces(SplitJob& job, const DiskVerdict& disk) {
    if (disk.smallerPieceSize <= 0) return false;
    job.pieceSize = disk.smallerPieceSize;
    job.pieceCount = disk.pieceCount;
    return true;
}

namespace {
std::string removalRefused(const std::string& path, platform::Removal removal, bool written) {
    switch (removal) {
    case platform::Removal::kGone: break;
    case platform::Removal::kReadOnly: return removalFailedText(path, "it is read-only", written);
    case platform::Removal::kInUse: return removalFailedText(path, "another program holds it open", written);
    case platform::Removal::kDenied: return removalFailedText(path, "access is denied", written);
    case platform::Removal::kStillTaken: return nameStillTakenText(path);
    }
    return "";
}
}  // namespace

std::string clearNames(const SplitJob& job, const std::vector<std::string>& names) {
    platform::FileIdentity input;
    const bool known = platform::identifyFile(job.inPath, input);
    const std::vector<std::string> written = job.outputs.names(1, job.pieceCount);
    auto writes = [&](const std::string& name) {
        return std::any_of(written.begin(), written.end(),
                           [&](const std::string& w) { return platform::sameFileName(w, name); });
    };
    // Every one asked first, so that a refusal leaves all of them in place.
    for (const std::string& name : names) {
        const std::string path = job.outputs.path(name);
        platform::FileIdentity there;
        if (known && platform::identifyFile(path, there) && there == input)
            return removalFailedText(path, "it is the file being split", writes(name));
        const std::string refused = removalRefused(path, platform::removable(path), writes(name));
        if (!refused.empty()) return refused;
    }
    for (const std::string& name : names) {
        const std::string path = job.outputs.path(name);
        const std::string refused = removalRefused(path, platform::removeName(path), writes(name));
        if (!refused.empty()) return refused;
    }
    return "";
}

}  // namespace split
