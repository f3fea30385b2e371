#include "split/folder_survey.h"

#include <algorithm>
#include <cstdint>
#include <map>

#include "platform/ansi_text.h"
#include "platform/files.h"
#include "platform/runtime_error.h"

namespace split {

namespace {

using platform::sameFileName;

// The number n when name is stem + ".Snn" (01 to 99), else 0.
int pieceNumberOf(const std::wstring& name, const std::wstring& stem) {
    if (name.size() != stem.size() + 4 || !sameFileName(name.substr(0, stem.size()), stem) ||
        !sameFileName(name.substr(stem.size(), 2), L".S"))
        return 0;
    const wchar_t a = name[stem.size() + 2], b = name[stem.size() + 3];
    if (a < L'0' || a > L'9' || b < L'0' || b > L'9') return 0;
    return (a - L'0') * 10 + (b - L'0');
}

// A record of this program's: it sits at the name a split of the file it
// rebuilds writes, and names that split's pieces, .S01 onwards with none
// left out. A published checksum list, "join movie.bat" or a batch file of
// the user's that merely copies files is none, whatever its text.
bool madeByASplit(const std::wstring& recordName, const SplitRecord& record) {
    if (record.pieces.empty() || record.pieces.size() > static_cast<size_t>(kMaxPieces)) return false;
    const std::string owner = platform::ansiFrom(record.owner);
    std::string stem;
    if (!pieceStemOf(owner, stem)) return false;
    const SplitOutputs theirs("", owner);
    bool atItsName = false;
    for (const std::string& name : theirs.records()) atItsName |= sameFileName(recordName, platform::wideFromAnsi(name));
    if (!atItsName) return false;
    const std::wstring wideStem = platform::wideFromAnsi(stem);
    for (size_t i = 0; i < record.pieces.size(); ++i)
        if (pieceNumberOf(record.pieces[i], wideStem) != static_cast<int>(i) + 1) return false;
    return true;
}

// Whether a record at this name could be one the survey needs: at one of
// the split's own record names, or, by its name, of a file whose pieces
// share the split's stem. Keeps a folder of thousands of lists from being read.
bool worthReading(const std::wstring& name, const std::wstring& pieceStem, const std::vector<std::wstring>& own) {
    for (const std::wstring& o : own)
        if (sameFileName(name, o)) return true;
    RecordKind kind;
    std::wstring named;
    if (!SplitOutputs::recordKindOf(name, kind, named)) return false;
    if (SplitOutputs::namedByTarget(kind)) {
        std::string stem;
        return pieceStemOf(platform::ansiFrom(named), stem) && sameFileName(platform::wideFromAnsi(stem), pieceStem);
    }
    // The file it rebuilds begins with both its batch stem and the pieces' stem.
    const size_t common = std::min(named.size(), pieceStem.size());
    return sameFileName(named.substr(0, common), pieceStem.substr(0, common));
}

// The record that last named a piece: the split that wrote the piece wrote
// its records after it, and a record of another name it may not remove
// stays behind, naming pieces that are no longer its own. Records of the
// same time all count.
struct Claim {
    std::vector<std::wstring> owners;
    uint64_t written = 0;
};

void claim(Claim& c, const std::wstring& owner, uint64_t written) {
    if (c.owners.empty() || written > c.written) c = Claim{{owner}, written};
    else if (written == c.written) c.owners.push_back(owner);
}

// The folder's names, read once: its pieces by number and the owners that
// the records in it give each piece and each of the split's own record names.
struct Listing {
    std::string pieceAt[kMaxPieces + 1];
    Claim claims[kMaxPieces + 1];
    std::map<std::wstring, std::wstring> ownRecordOwner;  // record at an own name -> the file it rebuilds ("" none)
    // Every record of a split sharing the pieces' stem, with the file it rebuilds.
    std::vector<std::pair<std::wstring, std::string>> records;
};

void readListing(const SplitOutputs& outputs, const std::vector<std::string>& files,
                 const std::vector<std::wstring>& ownRecords, Listing& listing) {
    const std::wstring pieceStem = platform::wideFromAnsi(outputs.pieceStem());
    for (const std::string& file : files) {
        const std::wstring wide = platform::wideFromAnsi(file);
        if (const int n = pieceNumberOf(wide, pieceStem)) {
            listing.pieceAt[n] = file;
            continue;
        }
        if (!worthReading(wide, pieceStem, ownRecords)) continue;
        SplitRecord record;
        const bool isRecord = SplitOutputs::readRecord(outputs.folder(), file, record) && madeByASplit(wide, record);
        for (const std::wstring& own : ownRecords)
            if (sameFileName(wide, own)) listing.ownRecordOwner[own] = isRecord ? record.owner : L"";
        platform::FileStamp stamp;
        if (!isRecord || !platform::stampFile(outputs.path(file), stamp)) continue;
        listing.records.emplace_back(record.owner, file);
        for (const std::wstring& piece : record.pieces)
            if (const int n = pieceNumberOf(piece, pieceStem)) claim(listing.claims[n], record.owner, stamp.lastWrite);
    }
}

bool claimedBy(const Claim& c, const std::wstring& owner) {
    for (const std::wstring& o : c.owners)
        if (sameFileName(o, owner)) return true;
    return false;
}

// Each piece by whose it is. An earlier split of this file loses its pieces
// at every number, also those before firstPiece on a disk put in at a pause:
// left there, they would be copied over this run's own.
void sortPieces(const Listing& listing, const std::wstring& target, int firstPiece, int lastPiece, bool piecesAreOurs,
                FolderSurvey& survey) {
    for (int n = 1; n <= kMaxPieces; ++n) {
        const std::string& piece = listing.pieceAt[n];
        if (piece.empty()) continue;
        // Also a tie with another owner is counted as theirs: the user is
        // asked rather than another's piece taken.
        bool ours = false, theirs = false;
        for (const std::wstring& owner : listing.claims[n].owners) (sameFileName(owner, target) ? ours : theirs) = true;
        ours = ours && !theirs;
        if (n < firstPiece || n > lastPiece) {
            // Not written: it goes only as what an earlier split of this file left.
            if (ours) survey.earlierOwn.push_back(piece);
        } else if (theirs) {
            for (const std::wstring& owner : listing.claims[n].owners)
                if (!sameFileName(owner, target)) addNamesOnce(survey.otherOwners, {platform::ansiFrom(owner)});
            survey.otherFiles.push_back(piece);
        } else if (ours) {
            survey.earlierOwn.push_back(piece);
        } else if (!piecesAreOurs) {
            survey.usersOwn.push_back(piece);
        }
    }
}

// A split that is replaced goes whole: its pieces at other numbers and its
// records at its own names, which would otherwise rebuild a wrong file from
// the new pieces.
void takeWholeSplits(const Listing& listing, FolderSurvey& survey) {
    for (const std::string& ownerName : survey.otherOwners) {
        const std::wstring owner = platform::wideFromAnsi(ownerName);
        for (int n = 1; n <= kMaxPieces; ++n)
            if (!listing.pieceAt[n].empty() && claimedBy(listing.claims[n], owner))
                addNamesOnce(survey.otherFiles, {listing.pieceAt[n]});
        for (const auto& record : listing.records)
            if (sameFileName(record.first, owner)) addNamesOnce(survey.otherFiles, {record.second});
    }
}

// A name reached through a short (8.3) name whose long name is another file:
// that file is the user's, whatever its name says. Only a name with a "~"
// can be one.
void shortNamesOfOthers(const SplitOutputs& outputs, int firstPiece, int lastPiece, FolderSurvey& survey) {
    for (const std::string& name : outputs.names(firstPiece, lastPiece)) {
        if (name.find('~') == std::string::npos) continue;
        const std::string path = outputs.path(name);
        if (!platform::anythingExists(path)) continue;
        std::string longName;
        try {
            longName = platform::fullLongPath(path);
        } catch (const platform::RuntimeError&) {
            continue;
        }
        longName = longName.substr(longName.find_last_of('\\') + 1);
        if (!sameFileName(platform::wideFromAnsi(longName), platform::wideFromAnsi(name)))
            addNamesOnce(survey.usersOwn, {longName});
    }
}

}  // namespace

FolderSurvey surveyFolder(const SplitOutputs& outputs, int firstPiece, int lastPiece, bool piecesAreOurs) {
    FolderSurvey survey;
    std::vector<std::string> listed;
    try {
        listed = platform::listFolder(outputs.folder(), false);
    } catch (const platform::RuntimeError& e) {
        survey.unlisted = e.description();  // not empty: what cannot be seen may be the user's
        return survey;
    }
    const std::wstring target = platform::wideFromAnsi(outputs.target());
    const std::vector<std::string> records = outputs.records();
    std::vector<std::wstring> ownRecords;
    for (const std::string& name : records) ownRecords.push_back(platform::wideFromAnsi(name));
    Listing listing;
    readListing(outputs, listed, ownRecords, listing);
    for (size_t i = 0; i < ownRecords.size(); ++i) {
        auto found = listing.ownRecordOwner.find(ownRecords[i]);
        if (found == listing.ownRecordOwner.end()) continue;
        if (found->second.empty()) {
            survey.usersOwn.push_back(records[i]);
        } else if (sameFileName(found->second, target)) {
            survey.earlierOwn.push_back(records[i]);
        } else {
            addNamesOnce(survey.otherOwners, {platform::ansiFrom(found->second)});
            survey.otherFiles.push_back(records[i]);
        }
    }
    sortPieces(listing, target, firstPiece, lastPiece, piecesAreOurs, survey);
    takeWholeSplits(listing, survey);
    shortNamesOfOthers(outputs, firstPiece, lastPiece, survey);
    return survey;
}

}  // namespace split
