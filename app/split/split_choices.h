// What the window's controls and form variables ask of a split, read at the
// click of "Split files now!"; the split prepares its job from this alone.
#pragma once
#include <string>

struct SplitChoices {
    std::string inDir;            // inDirPath
    std::string inFileName;       // inFileName
    std::string outFolder;        // the folder list's path
    std::string outDrive;         // the drive list's text, such as "c: [SYSTEM]"
    std::string typedSize;        // the size box, its grouping commas taken out
    int unit = 0;                 // optBytes: 0 bytes, 1 KB, 2 MB
    int splitType = -1;           // the first chosen optSplitType; -1 for none
    std::string pieceCountText;   // cboEqualNumber
    bool pause = false;           // pauseFlag
    bool deletePartial = false;   // deletePartialFlag
    int maxFiles = 99;
};
