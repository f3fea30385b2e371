#include "split/folder_survey.h"

#include "platform/ansi_text.h"
#include "platform/files.h"
#include "platform/runtime_error.h"

namespace split {

namespace {

struct FoundRecord {
    std::string name;
    SplitRecord record;
};

// A record of this program's names the pieces of the file it rebuilds, .S01
// onwards with none left out: a published checksum list or a batch file of
// the user's that merely copies files is none.
bool madeByASplit(const SplitRecord& record) {
    if (record.pieces.empty() || record.pieces.size() > static_cast<size_t>(kMaxPieces)) return false;
    std::string stem;
    if (!pieceStemOf(platform::ansiFrom(record.owner), stem)) return false;
    for (size_t i = 0; i < record.pieces.size(); ++i)
        if (!platform::sameFileName(record.pieces[i], platform::wideFromAnsi(pieceName(stem, static_cast<int>(i) + 1))))
            return false;
    return true;
}

bool among(const std::vector<std::string>& names, const std::string& name) {
    for (const std::string& n : names)
        if (platform::sameFileName(n, name)) return true;
    return false;
}

void addOnce(std::vector<std::string>& names, const std::string& name) {
    if (!among(names, name)) names.push_back(name);
}

// The record's own file and the pieces it names, those in the folder only
// unless `claimed` (a record still claims a piece that has gone: a new file
// of that name would be taken for it).
std::vector<std::string> filesOf(const FoundRecord& found, const std::vector<std::string>& listed,
                                 bool claimed = false) {
    std::vector<std::string> files{found.name};
    for (const std::wstring& piece : found.record.pieces) {
        const std::string name = platform::ansiFrom(piece);
        if (claimed || among(listed, name)) files.push_back(name);
    }
    return files;
}

}  // namespace

FolderSurvey surveyFolder(const SplitOutputs& outputs, const std::vector<std::string>& names, bool piecesAreOurs) {
    FolderSurvey survey;
    std::vector<std::string> listed;
    try {
        listed = platform::listFolder(outputs.folder(), false);
    } catch (const platform::RuntimeError&) {
        return survey;  // a folder that cannot be read holds nothing to protect
    }
    std::vector<FoundRecord> records;
    for (const std::string& file : listed) {
        FoundRecord found{file, {}};
        if (SplitOutputs::readRecord(outputs.folder(), file, found.record) && madeByASplit(found.record))
            records.push_back(found);
    }
    const std::wstring input = platform::wideFromAnsi(outputs.target());
    // The owners whose split would lose a file to this one.
    std::vector<std::wstring> touched;
    for (const FoundRecord& found : records) {
        if (platform::sameFileName(found.record.owner, input)) {
            for (const std::string& f : filesOf(found, listed)) addOnce(survey.earlierOwn, f);
            continue;
        }
        for (const std::string& f : filesOf(found, listed, true))
            if (among(names, f)) touched.push_back(found.record.owner);
    }
    for (const FoundRecord& found : records)
        for (const std::wstring& owner : touched)
            if (platform::sameFileName(found.record.owner, owner)) {
                if (survey.otherOwner.empty()) survey.otherOwner = platform::ansiFrom(owner);
                for (const std::string& f : filesOf(found, listed)) addOnce(survey.otherFiles, f);
            }
    const std::vector<std::string> recordNames = outputs.records();
    for (const std::string& name : names) {
        if (!among(listed, name) || among(survey.earlierOwn, name) || among(survey.otherFiles, name)) continue;
        if (piecesAreOurs && !among(recordNames, name)) continue;
        survey.usersOwn.push_back(name);
    }
    return survey;
}

}  // namespace split
